// The windows as a screen reader and a keyboard reach them.
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest/QtTest>

#include "support.h"

using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

QString Spoken(QObject& object, QAccessible::Text what = QAccessible::Name)
{
    return QAccessible::queryAccessibleInterface(&object)->text(what);
}

// Each control that Tab reaches in the window now: objectName, name, value.
void Hear(QWidget& window, QHash<QWidget*, QStringList>& heard)
{
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->window() == &window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible())
            heard.insert(w, {w->objectName(), Spoken(*w), Spoken(*w, QAccessible::Value)});
}

// The worked example, every box filled.
void Example(RunningProgram& p)
{
    p.Start();
    Enter(p.Input(), kExample);
    for (const char* box : {"txtMCity", "txtMState", "txtMCountry"})
        Control<QLineEdit>(p.Input(), box).setText(QStringLiteral("Mumbai"));
}

// Its reading: Sun in Cancer, Moon in Scorpio, the midpoint 19º Virgo in the
// third house.
FrmDisplay& Read(RunningProgram& p)
{
    Example(p);
    QTest::mouseClick(&Control<QPushButton>(p.Input(), "cmdRashi"), Qt::LeftButton);
    if (!p.Result() || !QTest::qWaitForWindowExposed(p.Result()))
        throw std::runtime_error("no result window");
    return *p.Result();
}

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
                                   << QStringList{"lblMidpoint", "Midpoint: 19º Virgo", "lblMidpointElement",
                                                  "Midpoint Element: Earth", "lblMidpointPersonality",
                                                  "Midpoint Personality: Sanguine", "txtSunInSignDesc",
                                                  "Sun In Cancer", "txtMoonInSignDesc", "Moon In Scorpio",
                                                  "RTBHouseDesc", "More About Third House"};
    QTest::newRow("about box") << "about" << 1 << QStringList{};
}

// Every control has a name that is not its value and no other control of its
// window has; the reading's values are read with their captions.
void AccessibilityTest::everyControlNamed()
{
    QFETCH(QString, window);
    QFETCH(int, controls);
    QFETCH(QStringList, reads);
    RunningProgram p;
    QHash<QWidget*, QStringList> heard;
    if (window == QStringLiteral("result")) {
        QTabWidget& tabs = Control<QTabWidget>(Read(p), "SSTab1");
        for (int tab : {1, 0}) {
            tabs.setCurrentIndex(tab);
            Hear(*p.Result(), heard);
        }
        for (qsizetype i = 0; i + 1 < reads.size(); i += 2)
            QCOMPARE(Spoken(Control<QWidget>(*p.Result(), reads[i].toLatin1().constData())), reads[i + 1]);
    } else {
        Example(p);
        p.fakes.dialogs.onModal = [&heard](QDialog& dialog) {
            dialog.show();
            Hear(dialog, heard);
        };
        window == QStringLiteral("input") ? Hear(p.Input(), heard) : p.program.ShowAboutBox();
    }

    QCOMPARE(heard.size(), controls);
    QSet<QString> names;
    for (const QStringList& control : std::as_const(heard)) {
        const QString what = control[0] + QStringLiteral(" is called \"") + control[1] + u'"';
        QVERIFY2(!control[1].trimmed().isEmpty() && control[1] != control[2], qPrintable(what));
        QVERIFY2(!names.contains(control[1]), qPrintable(what + QStringLiteral(", as another control is")));
        names.insert(control[1]);
    }
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
    RunningProgram p;
    FrmDisplay& window = Read(p);
    QTabWidget& tabs = Control<QTabWidget>(window, "SSTab1");
    tabs.setCurrentIndex(tab);
    QWidget& target = Control<QWidget>(window, control.toLatin1().constData());
    for (int presses = 0; window.focusWidget() != &target && presses < 20; ++presses)
        QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), &target);

    if (auto* box = qobject_cast<QAbstractScrollArea*>(&target)) {
        QTest::keyClick(&target, Qt::Key_PageDown);
        const int down = box->verticalScrollBar()->value();
        QTest::keyClick(&target, Qt::Key_PageUp);
        QVERIFY(down > box->verticalScrollBar()->value());
    }
    QTest::keyClick(&target, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs.currentIndex(), 1 - tab);
    QTest::keyClick(window.focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs.currentIndex(), tab);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
