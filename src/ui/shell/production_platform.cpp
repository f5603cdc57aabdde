#include "ui/shell/production_platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLocalSocket>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QSysInfo>

#include "ui/shell/program_texts.h"

namespace lunarys::ui {

namespace {

// What a later start asks the running copy, and its answer once its window
// is in front.
constexpr char kShowRequest[] = "show\n";
constexpr char kShownAnswer[] = "shown\n";

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
}

// The program separates the lines of a message with a lone carriage return;
// a Qt label breaks lines at line feeds.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// The executable a process runs ("self" for this one), as the system names
// it; empty when the process is gone or not ours to look at.
QString RunningExecutable(const QString& process)
{
    QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(process));
    const QString replaced = QStringLiteral(" (deleted)");   // updated while it runs
    if (target.endsWith(replaced))
        target.chop(replaced.size());
    return target;
}

// Removes a lock file that no process holds locked. QLockFile keeps its own
// file locked (flock) while it is held, so a living holder's file stays; so
// does one that was replaced by a new lock since it was opened here.
void RemoveUnheldFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        ::unlink(name.constData());
    ::close(fd);
}

}  // namespace

void MessageBoxDialogs::ShowMessage(const QString& text, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(text::ProgramTitle), ForDisplay(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);   // a file name such as "<b>x</b>.pdf" shows as it is
    box.exec();
}

bool MessageBoxDialogs::AskYesNo(const QString& question, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromLatin1(text::ProgramTitle), ForDisplay(question),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::RunModal(QDialog& dialog) { dialog.exec(); }

std::optional<QString> QtFileDialogs::AskSaveFileName(const QString& suggestedPath, const QStringList& filters,
                                                      QString* chosenFilter)
{
    QString filter = chosenFilter && !chosenFilter->isEmpty() ? *chosenFilter : filters.value(0);
    const QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), suggestedPath,
                                                      filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return std::nullopt;
    if (chosenFilter)
        *chosenFilter = filter;
    return path;
}

void PreviewPrinting::PreviewAndPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* pages) { paint(*pages); });
    preview.exec();
}

void DesktopWebOpener::Open(const QUrl& address) { QDesktopServices::openUrl(address); }

QDate SystemClock::Today() const { return QDate::currentDate(); }

QSettingsStore::QSettingsStore() : QSettingsStore(DefaultPath()) {}

QSettingsStore::QSettingsStore(const QString& iniFilePath)
{
    // A pipe or a device would block the start, or never end, when read.
    struct stat status {};
    if (::stat(QFile::encodeName(iniFilePath).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        qWarning("lunarys: %s is not a regular file; starting without settings",
                 qUtf8Printable(QDir::toNativeSeparators(iniFilePath)));
        return;
    }
    settings_ = std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::DefaultPath()
{
    const QString title = QString::fromLatin1(text::ProgramTitle);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(title + u'/' + title + QStringLiteral(".conf"));
}

StoredText QSettingsStore::Read(const QString& section, const QString& key)
{
    if (!settings_)
        return {StoredText::Kind::Absent, {}};
    if (settings_->status() != QSettings::NoError)
        return {StoredText::Kind::Unreadable, {}};
    const QString path = section + u'/' + key;
    if (!settings_->contains(path))
        return {StoredText::Kind::Absent, {}};
    const QVariant value = settings_->value(path);
    if (!value.canConvert<QString>())
        return {StoredText::Kind::Unreadable, {}};
    return {StoredText::Kind::Present, value.toString()};
}

bool QSettingsStore::Write(const QString& section, const QString& key, const QString& text)
{
    if (!settings_)
        return false;
    settings_->setValue(section + u'/' + key, text);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

LockFileInstanceLock::LockFileInstanceLock() : LockFileInstanceLock(DefaultPath()) {}

LockFileInstanceLock::LockFileInstanceLock(const QString& lockFilePath)
    : LockFileInstanceLock(lockFilePath, RunningExecutable(QStringLiteral("self")))
{
}

LockFileInstanceLock::LockFileInstanceLock(const QString& lockFilePath, const QString& program)
    : lock_(lockFilePath), path_(lockFilePath), program_(QFileInfo(program).canonicalFilePath())
{
    // Never treat the lock of a living copy as stale, however long it has
    // been running; a dead owner is recognised by its process id instead.
    lock_.setStaleLockTime(0);
}

bool LockFileInstanceLock::TryAcquire()
{
    // A stale file is removed in one round and the lock taken in the next; a
    // copy starting at the same moment may take it first.
    for (int round = 0; round < 3; ++round) {
        if (lock_.isLocked()) {
            return true;
        }
        if (lock_.tryLock(0)) {
            Listen();
            return true;
        }
        if (lock_.error() != QLockFile::LockFailedError)
            break;   // the file cannot be made at all
        if (const qint64 pid = RunningCopy()) {
            // This very process holds it already; any other copy must answer.
            if (pid == QCoreApplication::applicationPid() || AskToShow())
                return false;
            // A copy that does not answer counts as not running: its file
            // goes, though it still holds it.
            QFile::remove(path_);
            continue;
        }
        RemoveUnheldFile(path_);
    }
    qWarning("lunarys: cannot create the lock file %s; a second copy will not be noticed",
             qUtf8Printable(QDir::toNativeSeparators(path_)));
    return true;
}

qint64 LockFileInstanceLock::RunningCopy() const
{
    qint64 pid = 0;
    QString host;
    if (!lock_.getLockInfo(&pid, &host, nullptr) || host != QSysInfo::machineHostName())
        return 0;
    const QFileInfo process(QStringLiteral("/proc/%1").arg(pid));
    const bool running = process.exists() && process.ownerId() == ::geteuid() && !program_.isEmpty()
                         && RunningExecutable(QString::number(pid)) == program_;
    return running ? pid : 0;
}

QString LockFileInstanceLock::SocketPath(const QString& lockFilePath) { return lockFilePath + QStringLiteral(".socket"); }

bool LockFileInstanceLock::AskToShow() const
{
    constexpr int kAnswerMs = 1000;
    QElapsedTimer clock;
    clock.start();
    QLocalSocket socket;
    socket.connectToServer(SocketPath(path_));
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kShowRequest);
    socket.waitForBytesWritten(kAnswerMs);
    QByteArray answer;
    while (!answer.contains('\n') && clock.elapsed() < kAnswerMs
           && socket.waitForReadyRead(static_cast<int>(kAnswerMs - clock.elapsed())))
        answer += socket.readAll();
    return answer == kShownAnswer;
}

void LockFileInstanceLock::Listen()
{
    // The socket file of an ended copy is in the way; this copy holds the lock.
    const QString path = SocketPath(path_);
    QLocalServer::removeServer(path);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path)) {
        server_.reset();
        return;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine(64) == kShowRequest) {
                    if (show_)
                        show_();
                    socket->write(kShownAnswer);
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

void LockFileInstanceLock::OnShowRequest(std::function<void()> show) { show_ = std::move(show); }

QString LockFileInstanceLock::DefaultPath()
{
    // The runtime folder is private to the user, so one copy per user.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())   // a folder shared with other users: a file each
        return QDir(QDir::tempPath()).filePath(QStringLiteral("lunarys-%1.lock").arg(::geteuid()));
    return QDir(folder).filePath(QStringLiteral("lunarys.lock"));
}

void ApplicationExit::EndProcess() { QCoreApplication::exit(0); }

Platform ProductionPlatform::Services()
{
    return Platform{dialogs_, web_, clock_, settings_, lock_, exit_, files_, printing_};
}

}  // namespace lunarys::ui
