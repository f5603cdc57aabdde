// The windows as a screen reader and a keyboard reach them: what each
// control is called, and how the result window's boxes and tabs are reached.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest/QtTest>

#include "support.h"

using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

QString Spoken(QObject& object, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&object);
    return iface ? iface->text(what) : QString();
}

// The controls of a window that Tab can reach as it is shown now.
QList<QWidget*> Controls(QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->window() == &window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible())
            controls.append(w);
    return controls;
}

// The worked example entered and read: Sun in Cancer, Moon in Scorpio,
// midpoint 19º Virgo in the third house.
struct ExampleReading {
    RunningProgram p;
    FrmDisplay* result = nullptr;

    ExampleReading()
    {
        p.Start();
        Enter(p.Input(), kExample);
        Control<QLineEdit>(p.Input(), "txtMCity").setText(QStringLiteral("Mumbai"));
        Control<QLineEdit>(p.Input(), "txtMState").setText(QStringLiteral("Maharashtra"));
        Control<QLineEdit>(p.Input(), "txtMCountry").setText(QStringLiteral("India"));
    }
    FrmDisplay& Result()
    {
        QTest::mouseClick(&Control<QPushButton>(p.Input(), "cmdRashi"), Qt::LeftButton);
        result = p.Result();
        if (!result || !QTest::qWaitForWindowExposed(result))
            throw std::runtime_error("no result window");
        return *result;
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DeleteLaterNow(); }

    void everyControlNamed_data();
    void everyControlNamed();
    void resultBoxesByKeyboard_data();
    void resultBoxesByKeyboard();
};

void AccessibilityTest::everyControlNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("controls");
    QTest::addColumn<QStringList>("reads");  // objectName, then what a screen reader hears

    QTest::newRow("input window") << "input" << 22 << QStringList{};
    // The values as the command-line tool prints them for the worked example.
    QTest::newRow("result window") << "result" << 12
                                   << QStringList{"lblMidpoint",        "Midpoint: 19º Virgo",
                                                  "lblMidpointElement", "Midpoint Element: Earth",
                                                  "lblMidpointPersonality", "Midpoint Personality: Sanguine",
                                                  "txtSunInSignDesc",   "Sun In Cancer",
                                                  "txtMoonInSignDesc",  "Moon In Scorpio",
                                                  "RTBHouseDesc",       "More About Third House"};
    QTest::newRow("about box") << "about" << 1 << QStringList{};
}

// Every control has a name of its own that is not its value, unique in its
// window; the reading's values are read with their captions.
void AccessibilityTest::everyControlNamed()
{
    QFETCH(QString, window);
    QFETCH(int, controls);
    QFETCH(QStringList, reads);
    ExampleReading example;
    // Control, then its name and its value as a screen reader has them.
    QHash<QWidget*, QStringList> heard;
    QWidget* root = &example.p.Input();
    auto collect = [&heard](QWidget& w) {
        for (QWidget* control : Controls(w))
            heard.insert(control, {control->objectName(), Spoken(*control), Spoken(*control, QAccessible::Value)});
    };

    if (window == QStringLiteral("input")) {
        collect(example.p.Input());
    } else if (window == QStringLiteral("result")) {
        root = &example.Result();
        QTabWidget& tabs = Control<QTabWidget>(*root, "SSTab1");
        for (int tab : {1, 0}) {
            tabs.setCurrentIndex(tab);
            collect(*root);
        }
    } else {
        example.p.fakes.dialogs.onModal = [&collect](QDialog& dialog) {
            dialog.show();
            collect(dialog);
            dialog.accept();
        };
        example.p.program.ShowAboutBox();
    }

    QCOMPARE(heard.size(), controls);
    QSet<QString> seen;
    for (const QStringList& control : std::as_const(heard)) {
        const QString& name = control[1];
        const QString what = control[0] + QStringLiteral(" is called \"") + name + u'"';
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(what));
        QVERIFY2(name != control[2], qPrintable(what + QStringLiteral(", its value")));
        QVERIFY2(!seen.contains(name), qPrintable(what + QStringLiteral(", as another control is")));
        seen.insert(name);
    }
    for (qsizetype i = 0; i + 1 < reads.size(); i += 2)
        QCOMPARE(Spoken(Control<QWidget>(*root, reads[i].toLatin1().constData())), reads[i + 1]);
}

void AccessibilityTest::resultBoxesByKeyboard_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("control");
    for (const char* box : {"txtPersonalityDesc", "txtGeneralTraits", "txtPositiveTraitsc", "txtNegativeTraits"})
        QTest::newRow(box) << 0 << box;
    for (const char* box : {"txtSunDesc", "txtSunInSignDesc", "txtMoonDesc", "txtMoonInSignDesc", "RTBHouseDesc"})
        QTest::newRow(box) << 1 << box;
    QTest::newRow("Exit button") << 1 << "cmdExit";
}

// Tab reaches each box, the page keys scroll it, and Ctrl+Tab and
// Ctrl+Shift+Tab turn the pages from there.
void AccessibilityTest::resultBoxesByKeyboard()
{
    QFETCH(int, tab);
    QFETCH(QString, control);
    ExampleReading example;
    FrmDisplay& window = example.Result();
    QTabWidget& tabs = Control<QTabWidget>(window, "SSTab1");
    tabs.setCurrentIndex(tab);
    QWidget& target = Control<QWidget>(window, control.toLatin1().constData());

    for (int presses = 0; window.focusWidget() != &target && presses < 20; ++presses)
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), &target);

    if (auto* box = qobject_cast<QAbstractScrollArea*>(&target)) {
        QScrollBar& bar = *box->verticalScrollBar();
        QVERIFY(bar.maximum() > 0);
        QTest::keyClick(&target, Qt::Key_PageDown);
        const int down = bar.value();
        QVERIFY(down > 0);
        QTest::keyClick(&target, Qt::Key_PageUp);
        QVERIFY(bar.value() < down);
    }

    QTest::keyClick(&target, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs.currentIndex(), 1 - tab);
    QTest::keyClick(window.focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs.currentIndex(), tab);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
