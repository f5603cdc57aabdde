// Start-up, the update reminder, the single-instance lock, quitting, the
// menus, the web links and the about box.
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMessageBox>

#include "support.h"
#include "ui/shell/link_label.h"
#include "ui/shell/production_platform.h"
#include "ui/shell/web_links.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

const QString kReminderKey = QStringLiteral("Settings/ReminderDate");
const ShownMessage kUpdateQuestion{
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"),
    MessageIcon::Information};

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names << window->objectName();
    return names;
}

QStringList EntryCaptions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// What an about box showed, read while it was open.
struct AboutSnapshot {
    QString caption;
    QString title;
    QString description;
    QString offer;
    QString details;
    QString homePage;
    bool hasIcon = false;
    friend bool operator==(const AboutSnapshot&, const AboutSnapshot&) = default;
};

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        DeleteLaterNow();
    }

    void updateReminder_data();
    void updateReminder();
    void reminderAskedOncePerDate();
    void questionComesBeforeTheInputWindow();
    void secondCopyRefused();
    void lockFileRefusesASecondHolder();
    void lockFileTakenOverFromACrashedCopy();
    void lockFileOnlyALiveCopyHolds_data();
    void lockFileOnlyALiveCopyHolds();
    void aSecondStartAsksTheRunningCopy();
    void aSecondStartBringsTheWindowToTheFront();
    void settingsStoreKeepsAnIsoDate();
    void settingsThatAreNoFileAreNotRead();
    void messageBoxesShowTheirTextAsItIs();
    void quitClosesEveryWindow_data();
    void quitClosesEveryWindow();
    void menus_data();
    void menus();
    void makeMoneyEntryHidden_data();
    void makeMoneyEntryHidden();
    void linksOpenTheirPages_data();
    void linksOpenTheirPages();
    void webAddressesUnderTheHomePage();
    void aboutBoxTwice_data();
    void aboutBoxTwice();
};

void ProgramTest::updateReminder_data()
{
    QTest::addColumn<QString>("stored");        // "" = none; "<unreadable store>" = store fails
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("storedAfter");   // "" = none
    QTest::addColumn<QList<QUrl>>("opened");

    const QString today = QStringLiteral("2024-05-01");
    const QList<QUrl> nothing;
    const QList<QUrl> download{QUrl(QStringLiteral("https://lunarys.example.org/download/"))};
    QTest::newRow("first run") << "" << false << false << today << nothing;
    QTest::newRow("today") << today << false << false << today << nothing;
    QTest::newRow("14 days ago") << "2024-04-17" << false << false << "2024-04-17" << nothing;
    QTest::newRow("15 days ago, No") << "2024-04-16" << false << true << today << nothing;
    QTest::newRow("15 days ago, Yes") << "2024-04-16" << true << true << today << download;
    QTest::newRow("a year ago, Yes") << "2023-05-01" << true << true << today << download;
    QTest::newRow("14 days ahead") << "2024-05-15" << false << false << "2024-05-15" << nothing;
    QTest::newRow("15 days ahead, No") << "2024-05-16" << false << true << today << nothing;
    QTest::newRow("15 days ahead, Yes") << "2024-05-16" << true << true << today << download;
    QTest::newRow("not a date") << "yesterday" << true << false << "yesterday" << nothing;
    QTest::newRow("impossible date") << "2024-02-30" << true << false << "2024-02-30" << nothing;
    QTest::newRow("unreadable store") << "<unreadable store>" << true << false << "" << nothing;
}

void ProgramTest::updateReminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(QString, storedAfter);
    QFETCH(QList<QUrl>, opened);

    RunningProgram p;
    if (stored == QStringLiteral("<unreadable store>"))
        p.fakes.settings.unreadable = true;
    else if (!stored.isEmpty())
        p.fakes.settings.values.insert(kReminderKey, stored);
    p.fakes.dialogs.answerYes = answerYes;

    QVERIFY(p.Start());

    QCOMPARE(p.fakes.dialogs.questions, asked ? QList<ShownMessage>{kUpdateQuestion} : QList<ShownMessage>{});
    QVERIFY(p.fakes.dialogs.messages.isEmpty());
    QCOMPARE(p.fakes.settings.values.value(kReminderKey), storedAfter);
    QCOMPARE(p.fakes.web.opened, opened);
    // Whatever the reminder did, the input window comes up.
    QCOMPARE(VisibleWindows(), QStringList{QStringLiteral("frmMain")});
    QCOMPARE(p.fakes.process.ends, 0);
}

void ProgramTest::reminderAskedOncePerDate()
{
    FakePlatform fakes;
    fakes.settings.values.insert(kReminderKey, QStringLiteral("2024-04-01"));
    Program program(fakes.services);
    program.UpdateReminder();
    program.UpdateReminder();
    QCOMPARE(fakes.dialogs.questions.size(), 1);
    fakes.clock.today = QDate(2024, 5, 16);
    program.UpdateReminder();
    QCOMPARE(fakes.dialogs.questions.size(), 2);
}

void ProgramTest::questionComesBeforeTheInputWindow()
{
    RunningProgram p;
    p.fakes.settings.values.insert(kReminderKey, QStringLiteral("2020-01-01"));
    bool inputWindowExisted = true;
    p.fakes.dialogs.onQuestion = [&] { inputWindowExisted = p.program.InputWindow() != nullptr; };
    QVERIFY(p.Start());
    QCOMPARE(p.fakes.dialogs.questions.size(), 1);
    QVERIFY(!inputWindowExisted);
    QVERIFY(p.Input().isVisible());
}

void ProgramTest::secondCopyRefused()
{
    RunningProgram p;
    p.fakes.lock.otherCopyRunning = true;
    p.fakes.settings.values.insert(kReminderKey, QStringLiteral("2020-01-01"));

    QVERIFY(!p.Start());

    QCOMPARE(p.fakes.dialogs.messages,
             (QList<ShownMessage>{{QStringLiteral("Application is already running"), MessageIcon::Information}}));
    QVERIFY(p.fakes.dialogs.questions.isEmpty());
    QCOMPARE(p.fakes.settings.reads, 0);
    QVERIFY(p.program.InputWindow() == nullptr);
    QVERIFY(VisibleWindows().isEmpty());
    QCOMPARE(p.fakes.process.ends, 1);
}

void ProgramTest::lockFileRefusesASecondHolder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lunarys.lock"));
    {
        LockFileInstanceLock first(path);
        QVERIFY(first.TryAcquire());
        QVERIFY(first.TryAcquire());   // asking again keeps the claim
        LockFileInstanceLock second(path);
        QVERIFY(!second.TryAcquire());

        // A copy in another process is refused as well.
        QProcess holder;
        holder.start(QStringLiteral(LOCK_HOLDER_PATH), {path});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("busy"));
        holder.kill();
        holder.waitForFinished();
    }
    LockFileInstanceLock afterwards(path);
    QVERIFY(afterwards.TryAcquire());
}

void ProgramTest::lockFileTakenOverFromACrashedCopy()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lunarys.lock"));

    QProcess holder;
    holder.start(QStringLiteral(LOCK_HOLDER_PATH), {path, LockFileInstanceLock::SocketPath(path)});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readAllStandardOutput().trimmed(), QByteArray("locked"));

    LockFileInstanceLock whileRunning(path, QStringLiteral(LOCK_HOLDER_PATH));
    QVERIFY(!whileRunning.TryAcquire());

    holder.kill();   // a crash: the lock file stays behind
    QVERIFY(holder.waitForFinished());
    QVERIFY(QFileInfo::exists(path));

    LockFileInstanceLock next(path);
    QVERIFY(next.TryAcquire());
}

void ProgramTest::lockFileOnlyALiveCopyHolds_data()
{
    QTest::addColumn<QString>("content");   // {holder}, {ended}, {self}, {host} filled in
    QTest::addColumn<QString>("folder");    // "ok", "missing", "read-only"
    QTest::addColumn<QString>("outcome");   // "refused", "taken", "started unlocked"

    const QString lines = QStringLiteral("%1\nui_lock_holder\n%2\n");
    QTest::newRow("a running copy") << lines.arg("{holder}", "{host}") << "ok" << "refused";
    QTest::newRow("a running copy that does not answer") << lines.arg("{silent}", "{host}") << "ok" << "taken";
    QTest::newRow("empty") << "" << "ok" << "taken";
    QTest::newRow("garbage") << "\x01lunarys\n\n\xff" << "ok" << "taken";
    QTest::newRow("a running copy on another host") << lines.arg("{holder}", "elsewhere") << "ok" << "taken";
    QTest::newRow("a copy that has ended") << lines.arg("{ended}", "{host}") << "ok" << "taken";
    QTest::newRow("another program") << lines.arg("{self}", "{host}") << "ok" << "taken";
    QTest::newRow("no folder") << "" << "missing" << "started unlocked";
    if (::geteuid() != 0)   // the superuser writes into any folder
        QTest::newRow("read-only folder") << "" << "read-only" << "started unlocked";
}

// Copies of the helper stand for copies of the program. Only a file naming a
// running one of this host refuses the start; any other file is taken over.
void ProgramTest::lockFileOnlyALiveCopyHolds()
{
    QFETCH(QString, content);
    QFETCH(QString, folder);
    QFETCH(QString, outcome);

    QTemporaryDir temporary;
    QVERIFY(temporary.isValid());
    QDir dir(temporary.path());
    if (folder != QStringLiteral("missing"))
        QVERIFY(dir.mkdir(QStringLiteral("run")));
    const QString path = dir.filePath(QStringLiteral("run/lunarys.lock"));
    // Running copies, holding lock files of their own: one answers a later
    // start beside the lock under test, one does not answer.
    QProcess holder;
    QStringList holderArguments{temporary.filePath(QStringLiteral("own.lock"))};
    if (content.contains(QStringLiteral("{holder}")))
        holderArguments << LockFileInstanceLock::SocketPath(path);
    holder.start(QStringLiteral(LOCK_HOLDER_PATH), holderArguments);
    QVERIFY(holder.waitForReadyRead(10000));
    QProcess silent;
    silent.start(QStringLiteral(LOCK_HOLDER_PATH), {temporary.filePath(QStringLiteral("silent.lock"))});
    QVERIFY(silent.waitForReadyRead(10000));
    QProcess ended;
    ended.start(QStringLiteral(LOCK_HOLDER_PATH), {});
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    if (!content.isEmpty() || folder == QStringLiteral("ok")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        content.replace(QStringLiteral("{holder}"), QString::number(holder.processId()))
            .replace(QStringLiteral("{silent}"), QString::number(silent.processId()))
            .replace(QStringLiteral("{ended}"), QString::number(endedPid))
            .replace(QStringLiteral("{self}"), QString::number(QCoreApplication::applicationPid()))
            .replace(QStringLiteral("{host}"), QSysInfo::machineHostName());
        file.write(content.toLatin1());
    }
    if (folder == QStringLiteral("read-only"))
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::ExeOwner));
    if (outcome == QStringLiteral("started unlocked"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^lunarys: cannot create the lock file ")));

    LockFileInstanceLock lock(path, QStringLiteral(LOCK_HOLDER_PATH));
    QCOMPARE(lock.TryAcquire(), outcome != QStringLiteral("refused"));
    if (outcome == QStringLiteral("taken")) {   // the file now names this process
        qint64 pid = 0;
        QVERIFY(QLockFile(path).getLockInfo(&pid, nullptr, nullptr));
        QCOMPARE(pid, QCoreApplication::applicationPid());
    }
    holder.kill();
    holder.waitForFinished();
    silent.kill();
    silent.waitForFinished();
    QFile::setPermissions(dir.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The real program, running: a later start is answered at once and counts
// it as running; stopped, it does not answer within a second and the later
// start takes over.
void ProgramTest::aSecondStartAsksTheRunningCopy()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir home(folder.path());
    QVERIFY(home.mkpath(QStringLiteral("config")) && home.mkpath(QStringLiteral("run")));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString lockPath = home.filePath(QStringLiteral("run/lunarys.lock"));

    QProcess first;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(LUNARYS_PROGRAM_PATH), {});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(LockFileInstanceLock::SocketPath(lockPath)), 20000);

    {
        LockFileInstanceLock later(lockPath, QStringLiteral(LUNARYS_PROGRAM_PATH));
        QVERIFY(!later.TryAcquire());
    }
    QCOMPARE(first.state(), QProcess::Running);

    QCOMPARE(::kill(static_cast<pid_t>(first.processId()), SIGSTOP), 0);
    QElapsedTimer waited;
    waited.start();
    {
        LockFileInstanceLock later(lockPath, QStringLiteral(LUNARYS_PROGRAM_PATH));
        QVERIFY(later.TryAcquire());
        QVERIFY(waited.elapsed() >= 900);
    }
    ::kill(static_cast<pid_t>(first.processId()), SIGCONT);
    first.kill();
    first.waitForFinished();
}

// Asked by a later start, the shown window comes back from the task bar and
// to the front.
void ProgramTest::aSecondStartBringsTheWindowToTheFront()
{
    FakePlatform fakes;
    Program program(fakes.services);
    QVERIFY(program.StartProgram([](Program&) { return std::make_unique<QWidget>(); }));
    QVERIFY(fakes.lock.show);
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            window = w;
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    fakes.lock.show();
    QTRY_VERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
    window->close();
}

void ProgramTest::settingsStoreKeepsAnIsoDate()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lunarys.ini"));

    FakePlatform fakes;
    QSettingsStore store(path);
    Platform services{fakes.dialogs, fakes.web, fakes.clock, store, fakes.lock, fakes.process,
                      fakes.files, fakes.printing};
    Program program(services);

    QCOMPARE(store.Read(QStringLiteral("Settings"), QStringLiteral("ReminderDate")).kind, StoredText::Kind::Absent);
    program.UpdateReminder();   // the first run stores today
    const StoredText stored = store.Read(QStringLiteral("Settings"), QStringLiteral("ReminderDate"));
    QCOMPARE(stored.kind, StoredText::Kind::Present);
    QCOMPARE(stored.text, QStringLiteral("2024-05-01"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString content = QString::fromUtf8(file.readAll());
    QVERIFY2(content.contains(QStringLiteral("[Settings]")), qPrintable(content));
    QVERIFY2(content.contains(QStringLiteral("ReminderDate=2024-05-01")), qPrintable(content));

    // Sixteen days later the question comes, from the stored value.
    fakes.clock.today = QDate(2024, 5, 17);
    QSettingsStore reopened(path);
    Platform later{fakes.dialogs, fakes.web, fakes.clock, reopened, fakes.lock, fakes.process, fakes.files,
                   fakes.printing};
    Program(later).UpdateReminder();
    QCOMPARE(fakes.dialogs.questions, QList<ShownMessage>{kUpdateQuestion});
    QCOMPARE(reopened.Read(QStringLiteral("Settings"), QStringLiteral("ReminderDate")).text,
             QStringLiteral("2024-05-17"));
}

void ProgramTest::quitClosesEveryWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("File, Exit") << "menu";
    QTest::newRow("close box") << "close box";
}

void ProgramTest::quitClosesEveryWindow()
{
    QFETCH(QString, how);
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    QVERIFY(QTest::qWaitForWindowExposed(&input));
    // Another window of the program is open at the same time.
    FrmDisplay other(p.program);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));

    if (how == QStringLiteral("menu"))
        Control<QAction>(input, "mnuFileExit").trigger();
    else
        input.windowHandle()->close();

    QCOMPARE(p.fakes.process.ends, 1);
    QVERIFY(VisibleWindows().isEmpty());
}

void ProgramTest::menus_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");

    const QStringList help{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                           QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                           QStringLiteral("&About Software")};
    QStringList resultHelp = help;
    resultHelp[3] = QStringLiteral("&Check for Software Update");
    QTest::newRow("input, File") << "frmMain" << "mnuFile"
                                 << QStringList{QStringLiteral("Find My Midpoint Astrology Reading"),
                                                QStringLiteral("E&xit")};
    QTest::newRow("input, Help") << "frmMain" << "mnuHelp" << help;
    QTest::newRow("result, File") << "frmDisplay" << "mnuFile"
                                  << QStringList{QStringLiteral("&Back"), QStringLiteral("&Save Reading As\u2026"),
                                                 QStringLiteral("&Print\u2026"), QStringLiteral("-"),
                                                 QStringLiteral("E&xit")};
    QTest::newRow("result, Help") << "frmDisplay" << "mnuHelp" << resultHelp;
}

void ProgramTest::menus()
{
    QFETCH(QString, window);
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);

    FakePlatform fakes;
    Program program(fakes.services);
    engine::ChartState chart;
    ResultWindows results(program);
    FrmMain input(program, chart, results);
    FrmDisplay display(program);
    QMainWindow& shown = window == QStringLiteral("frmMain") ? static_cast<QMainWindow&>(input) : display;

    const QMenu& found = Control<QMenu>(shown, menu.toLatin1().constData());
    QCOMPARE(EntryCaptions(found), entries);
    // The bar holds File, Help and the hidden offer, in this order.
    QStringList bar;
    for (const QAction* action : shown.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("Make Money &Online")}));
}

void ProgramTest::makeMoneyEntryHidden_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("input window") << "frmMain";
    QTest::newRow("result window") << "frmDisplay";
}

void ProgramTest::makeMoneyEntryHidden()
{
    QFETCH(QString, window);
    FakePlatform fakes;
    Program program(fakes.services);
    engine::ChartState chart;
    ResultWindows results(program);
    FrmMain input(program, chart, results);
    FrmDisplay display(program);
    QMainWindow& shown = window == QStringLiteral("frmMain") ? static_cast<QMainWindow&>(input) : display;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    QAction& entry = Control<QAction>(shown, "mkmoney");
    QVERIFY(!entry.isVisible());
    QVERIFY(entry.menu() == nullptr);
    QCOMPARE(shown.menuBar()->actionGeometry(&entry), QRect());
}

void ProgramTest::linksOpenTheirPages_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");   // a menu entry or a link label
    QTest::addColumn<QString>("address");

    const QString help = QStringLiteral("https://lunarys.example.org/help/");
    const QString home = QStringLiteral("https://lunarys.example.org/");
    const QString download = QStringLiteral("https://lunarys.example.org/download/");
    const QString cobrand = QStringLiteral("https://lunarys.example.org/co-brand/");
    const QString fullBrand = QStringLiteral("https://lunarys.example.org/full-brand/");
    for (const char* window : {"frmMain", "frmDisplay"}) {
        auto row = [window](const char* control) -> QTestData& {
            return QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control);
        };
        row("mnuHelpOnline") << help;
        row("mnuHelpVisit") << home;
        row("mnuHelpUpdate") << download;
        row("mkmoney") << fullBrand;
        row("lblPromotion") << home;
        row("lblCobrand") << cobrand;
        row("lblFullBrand") << fullBrand;
    }
    QTest::newRow("frmDisplay lblMoreAboutSun") << "frmDisplay" << "lblMoreAboutSun" << fullBrand;
}

void ProgramTest::linksOpenTheirPages()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, address);

    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Control<QLineEdit>(input, "txtName").setText(QStringLiteral("ANN"));
    FrmDisplay display(p.program);
    display.show();
    QMainWindow& shown = window == QStringLiteral("frmMain") ? static_cast<QMainWindow&>(input) : display;
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    const QByteArray name = control.toLatin1();
    if (auto* entry = shown.findChild<QAction*>(control))
        entry->trigger();
    else
        QTest::mouseClick(&Control<LinkLabel>(shown, name.constData()), Qt::LeftButton);

    QCOMPARE(p.fakes.web.opened, QList<QUrl>{QUrl(address)});
    // The link leaves the windows as they were.
    QVERIFY(shown.isVisible());
    QCOMPARE(Control<QLineEdit>(input, "txtName").text(), QStringLiteral("ANN"));
    QVERIFY(p.fakes.dialogs.messages.isEmpty());
    QCOMPARE(p.fakes.process.ends, 0);
}

void ProgramTest::webAddressesUnderTheHomePage()
{
    const QUrl home = AddressOf(WebPage::Home);
    QCOMPARE(home, QUrl(QString::fromLatin1(HomePageAddress)));
    QSet<QUrl> distinct;
    for (const WebPage page : {WebPage::Help, WebPage::Home, WebPage::Download, WebPage::CoBrand, WebPage::FullBrand}) {
        const QUrl address = AddressOf(page);
        QVERIFY2(address.isValid(), qPrintable(address.toString()));
        QVERIFY2(address.toString().startsWith(home.toString()), qPrintable(address.toString()));
        distinct.insert(address);
    }
    QCOMPARE(distinct.size(), 5);
}

void ProgramTest::aboutBoxTwice_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("from the input window") << "frmMain";
    QTest::newRow("from the result window") << "frmDisplay";
}

void ProgramTest::aboutBoxTwice()
{
    QFETCH(QString, window);
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Control<QLineEdit>(input, "txtName").setText(QStringLiteral("ANN"));
    FrmDisplay display(p.program);
    QMainWindow& opener = window == QStringLiteral("frmMain") ? static_cast<QMainWindow&>(input) : display;

    QList<AboutSnapshot> seen;
    QList<int> results;
    p.fakes.dialogs.onModal = [&](QDialog& dialog) {
        dialog.show();
        AboutSnapshot s;
        s.caption = dialog.windowTitle();
        s.title = Control<QLabel>(dialog, "lblTitle").text();
        s.description = Control<QLabel>(dialog, "lblDescription").text();
        s.offer = Control<QLabel>(dialog, "lblBusiness").text();
        s.details = Control<QLabel>(dialog, "lblCoBrand").text();
        s.homePage = Control<QLabel>(dialog, "lblHomePage").text();
        s.hasIcon = !Control<QLabel>(dialog, "imgIcon").pixmap().isNull();
        seen.append(s);
        QTest::mouseClick(&Control<LinkLabel>(dialog, "lblCoBrand"), Qt::LeftButton);
        QTest::mouseClick(&Control<LinkLabel>(dialog, "lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(&Control<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        results.append(dialog.result());
        QVERIFY(!dialog.isVisible());
    };

    QAction& about = Control<QAction>(opener, "mnuHelpAbout");
    about.trigger();
    about.trigger();

    QCOMPARE(p.fakes.dialogs.modalRuns, 2);
    QCOMPARE(seen.size(), 2);
    QVERIFY(seen[0] == seen[1]);
    QCOMPARE(seen[0].caption, QStringLiteral("Lunarys v1.15"));
    QCOMPARE(seen[0].title, QStringLiteral("Lunarys v1.15"));
    QVERIFY(seen[0].description.startsWith(QStringLiteral("Lunarys shows the midpoint between the two planets")));
    QCOMPARE(seen[0].offer, QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                           "online. Get this software fully branded for your website."));
    QCOMPARE(seen[0].details, QStringLiteral("Click here for more details"));
    QVERIFY(seen[0].homePage.contains(QStringLiteral("https://lunarys.example.org/")));
    QVERIFY(seen[0].hasIcon);
    QCOMPARE(results, (QList<int>{QDialog::Accepted, QDialog::Accepted}));
    const QUrl fullBrand(QStringLiteral("https://lunarys.example.org/full-brand/"));
    const QUrl home(QStringLiteral("https://lunarys.example.org/"));
    QCOMPARE(p.fakes.web.opened, (QList<QUrl>{fullBrand, home, fullBrand, home}));
    // Back in the input window, as it was.
    QVERIFY(input.isVisible());
    QCOMPARE(Control<QLineEdit>(input, "txtName").text(), QStringLiteral("ANN"));
}

// The real program, started with a pipe in place of its settings file: it
// comes up without reading it (no reader ever opens the pipe) and says so.
void ProgramTest::settingsThatAreNoFileAreNotRead()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir home(folder.path());
    QVERIFY(home.mkpath(QStringLiteral("config/Lunarys")) && home.mkpath(QStringLiteral("run")));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray pipe = QFile::encodeName(home.filePath(QStringLiteral("config/Lunarys/Lunarys.conf")));
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUNARYS_PROGRAM_PATH), {});
    QVERIFY(program.waitForStarted());
    // The lock is taken after the settings are read, just before the window shows.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(home.filePath(QStringLiteral("run/lunarys.lock"))), 20000);
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardError())
                                 .contains("Lunarys.conf is not a regular file; starting without settings"),
                             5000);
    QCOMPARE(program.state(), QProcess::Running);
    const int writer = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
    const int error = errno;
    if (writer >= 0)
        ::close(writer);
    QCOMPARE(writer, -1);
    QCOMPARE(error, ENXIO);   // no reader
    program.kill();
    program.waitForFinished();
}

// A message names what the user gave, such as a file name, which must show
// as it is even when it looks like markup.
void ProgramTest::messageBoxesShowTheirTextAsItIs()
{
    const QString text = QStringLiteral("The reading could not be saved to \"/ro/<b>x</b>.pdf\": Permission denied.");
    QList<Qt::TextFormat> formats;
    QStringList texts;
    const auto look = [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                formats << box->textFormat();
                texts << box->text();
                box->done(QMessageBox::No);
            }
    };
    MessageBoxDialogs dialogs;
    QTimer::singleShot(0, look);
    dialogs.ShowMessage(text, MessageIcon::Error);
    QTimer::singleShot(0, look);
    QVERIFY(!dialogs.AskYesNo(text, MessageIcon::Information));
    QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
    QCOMPARE(texts, (QStringList{text, text}));
}

QTEST_MAIN(ProgramTest)
#include "tst_program.moc"
