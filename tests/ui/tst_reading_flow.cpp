// Whole readings through the program as main() builds it: typing the
// details, the result window, Back, a second reading, and the ways out.
#include <cmath>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest/QtTest>

#include "engine/reading.h"
#include "engine/texts.h"
#include "engine/zodiac.h"
#include "presentation/reading_labels.h"
#include "support.h"
#include "ui/display/display_style.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

// Another one far from it: New Year's Day 2000 at noon in Buenos Aires.
const Birth kSecond{QStringLiteral("Jo"), 0, 0, QStringLiteral("2000"), QStringLiteral("12"), QStringLiteral("0"),
                    14, QStringLiteral("58"), QStringLiteral("22"), true, QStringLiteral("34"),
                    QStringLiteral("36"), true};

// The reading the computation gives for the birth, on its own.
engine::Reading ReadingOf(const Birth& birth)
{
    engine::BirthInput in;
    in.Name = birth.typedName.toUpper();
    in.MonthIndex = birth.month;
    in.DayIndex = birth.day;
    in.Year = birth.year.toInt();
    in.Hour = birth.hour.toInt();
    in.Minute = birth.minute.toInt();
    in.ZoneIndex = birth.zone;
    in.LongitudeDegrees = birth.lonDeg;
    in.LongitudeMinutes = birth.lonMin;
    in.LongitudeIsEast = !birth.west;
    in.LatitudeDegrees = birth.latDeg;
    in.LatitudeMinutes = birth.latMin;
    in.LatitudeIsSouth = birth.south;
    engine::ChartState chart;
    const auto outcome = engine::RunReading(in, chart);
    if (const auto* problem = std::get_if<engine::InputProblem>(&outcome))
        throw std::runtime_error(problem->Message.toStdString());
    return std::get<engine::Reading>(outcome);
}

QString Name(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString AsShown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void ClickReading(FrmMain& input) { QTest::mouseClick(&Control<QPushButton>(input, "cmdRashi"), Qt::LeftButton); }

class CloseCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
    int closes = 0;
};

QPoint ScreenCentre(const QWidget& window)
{
    return window.screen()->availableGeometry().center();
}

}  // namespace

class ReadingFlowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->hide();
        DeleteLaterNow();
    }

    void exampleReading();
    void backKeepsTheEntries();
    void secondReadingStartsClean();
    void refusedReadingKeepsTheInputWindow();
    void openedForReadingAndSizeKept();
    void waysOut_data();
    void waysOut();
};

void ReadingFlowTest::exampleReading()
{
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    QVERIFY(QTest::qWaitForWindowExposed(&input));
    Enter(input, kExample);
    QCOMPARE(Control<QLineEdit>(input, "txtName").text(), QStringLiteral("MARY ANN"));
    QVERIFY(p.fakes.dialogs.messages.isEmpty());

    ClickReading(input);

    FrmDisplay* result = p.Result();
    QVERIFY(result);
    QVERIFY(QTest::qWaitForWindowExposed(result));
    QVERIFY(!input.isVisible());
    QVERIFY(p.fakes.dialogs.messages.isEmpty());
    QCOMPARE(Control<QTabWidget>(*result, "SSTab1").currentIndex(), 0);
    QVERIFY((result->frameGeometry().center() - ScreenCentre(*result)).manhattanLength() <= 2);

    auto value = [result](const char* name) { return Control<QLabel>(*result, name).text(); };
    QCOMPARE(value("lblSunInSign"), QStringLiteral("Cancer"));
    QCOMPARE(value("lblMoonInSign"), QStringLiteral("Scorpio"));
    QCOMPARE(value("lblMoonElement"), QStringLiteral("Water"));
    QCOMPARE(value("lblMidpoint"), QStringLiteral("19º Virgo"));
    QCOMPARE(value("lblMidpointElement"), QStringLiteral("Earth"));
    QCOMPARE(value("lblMidpointPersonality"), QStringLiteral("Sanguine"));
    QCOMPARE(value("lblMidpointliesin"), QStringLiteral("3rd House"));

    // The birth times with the same reading, in one line that is seen on
    // both tabs and lies clear of the boxes, the offers and the buttons.
    const QLabel& holds = Control<QLabel>(*result, "lblHolds");
    QCOMPARE(holds.text(), QStringLiteral("This reading holds for births between 04:31 and 06:46."));
    QVERIFY(holds.isVisible());
    const auto inWindow = [result](const QWidget& widget) {
        return QRect(widget.mapTo(result, QPoint(0, 0)), widget.size());
    };
    QVERIFY(QRect(QPoint(0, 0), result->size()).contains(inWindow(holds)));
    QVERIFY(holds.fontMetrics().horizontalAdvance(holds.text()) <= holds.contentsRect().width());
    QVERIFY(holds.fontMetrics().height() <= holds.contentsRect().height());
    for (const char* other : {"lblFullBrand", "lblCobrand", "cmdExit", "cmdOK", "txtNegativeTraits"})
        QVERIFY2(!inWindow(holds).intersects(inWindow(Control<QWidget>(*result, other))), other);
    Control<QTabWidget>(*result, "SSTab1").setCurrentIndex(1);
    QVERIFY(holds.isVisible());
    QVERIFY(!inWindow(holds).intersects(inWindow(Control<QWidget>(*result, "fraHouse"))));
    Control<QTabWidget>(*result, "SSTab1").setCurrentIndex(0);

    const QString house = Control<QTextEdit>(*result, "RTBHouseDesc").toPlainText();
    QVERIFY2(house.startsWith(QStringLiteral("More About Third House\n")), qPrintable(house.left(60)));
    QCOMPARE(house.count(QStringLiteral("More About")), 1);

    // The boxes hold the texts the reading's keys select.
    const engine::ReadingTexts texts = engine::LoadReadingTexts(ReadingOf(kExample));
    const struct {
        const char* box;
        QString text;
    } boxes[] = {{"txtSunDesc", texts.SunGeneral},         {"txtSunInSignDesc", texts.SunInSign},
                 {"txtMoonDesc", texts.MoonGeneral},       {"txtMoonInSignDesc", texts.MoonInSign},
                 {"txtGeneralTraits", texts.GeneralTraits}, {"txtPositiveTraitsc", texts.PositiveTraits},
                 {"txtNegativeTraits", texts.NegativeTraits}, {"txtPersonalityDesc", texts.Personality}};
    for (const auto& [box, text] : boxes) {
        QVERIFY2(!text.isEmpty(), box);
        QCOMPARE(Control<QPlainTextEdit>(*result, box).toPlainText(), AsShown(text));
    }
    QVERIFY(house.contains(AsShown(texts.HouseText)));
    QCOMPARE(texts.SunInSign, engine::SignText(engine::SignTextKind::SunInSign, 3));
    QCOMPARE(texts.MoonInSign, engine::SignText(engine::SignTextKind::MoonInSign, 7));
    QCOMPARE(texts.Personality, engine::SignText(engine::SignTextKind::Personality, 5));
}

void ReadingFlowTest::backKeepsTheEntries()
{
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Enter(input, kExample);
    Control<QComboBox>(input, "cboSS").setCurrentIndex(15);
    ClickReading(input);
    QPointer<FrmDisplay> first = p.Result();
    QVERIFY(first);

    QTest::mouseClick(&Control<QPushButton>(*first, "cmdOK"), Qt::LeftButton);
    DeleteLaterNow();

    QVERIFY(first.isNull());
    QVERIFY(p.Result() == nullptr);
    QVERIFY(input.isVisible());
    QCOMPARE(p.fakes.process.ends, 0);
    QCOMPARE(Control<QLineEdit>(input, "txtName").text(), QStringLiteral("MARY ANN"));
    QCOMPARE(Control<QComboBox>(input, "cboMonth").currentText(), QStringLiteral("July"));
    QCOMPARE(Control<QComboBox>(input, "cboDate").currentText(), QStringLiteral("4"));
    QCOMPARE(Control<QComboBox>(input, "cboYear").currentText(), QStringLiteral("1990"));
    QCOMPARE(Control<QComboBox>(input, "cboHH").currentText(), QStringLiteral("6"));
    QCOMPARE(Control<QComboBox>(input, "cboMM").currentText(), QStringLiteral("30"));
    QCOMPARE(Control<QComboBox>(input, "cboSS").currentText(), QStringLiteral("15"));
    QCOMPARE(Control<QComboBox>(input, "cmbTimeZone").currentText(), QStringLiteral("Indian Time, IST, +5.3"));
    QCOMPARE(Control<QLineEdit>(input, "txtLonD").text(), QStringLiteral("72"));
    QCOMPARE(Control<QLineEdit>(input, "txtLonM").text(), QStringLiteral("50"));
    QCOMPARE(Control<QLineEdit>(input, "txtLatD").text(), QStringLiteral("18"));
    QCOMPARE(Control<QLineEdit>(input, "txtLatM").text(), QStringLiteral("57"));
    QVERIFY(Control<QRadioButton>(input, "optLong_0").isChecked());
    QVERIFY(Control<QRadioButton>(input, "optLat_0").isChecked());

    // The File menu's Back does the same.
    ClickReading(input);
    QVERIFY(p.Result());
    Control<QAction>(*p.Result(), "mnuFileBack").trigger();
    DeleteLaterNow();
    QVERIFY(p.Result() == nullptr);
    QVERIFY(input.isVisible());
}

void ReadingFlowTest::secondReadingStartsClean()
{
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Enter(input, kExample);
    ClickReading(input);
    QPointer<FrmDisplay> first = p.Result();
    QVERIFY(first);
    Control<QTabWidget>(*first, "SSTab1").setCurrentIndex(1);
    first->move(0, 0);
    QTest::mouseClick(&Control<QPushButton>(*first, "cmdOK"), Qt::LeftButton);
    DeleteLaterNow();

    Enter(input, kSecond);
    Control<QAction>(input, "mnuFileReading").trigger();

    FrmDisplay* second = p.Result();
    QVERIFY(second);
    QVERIFY(first.isNull());
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(Control<QTabWidget>(*second, "SSTab1").currentIndex(), 0);
    QVERIFY((second->frameGeometry().center() - ScreenCentre(*second)).manhattanLength() <= 2);

    const engine::Reading expected = ReadingOf(kSecond);
    const engine::ReadingTexts texts = engine::LoadReadingTexts(expected);
    QVERIFY(expected.Sun.Sign != engine::Sign::Cancer);
    auto value = [second](const char* name) { return Control<QLabel>(*second, name).text(); };
    auto words = [](engine::Sign sign) { return engine::Signs.at(static_cast<std::size_t>(sign)); };
    QCOMPARE(value("lblSunInSign"), Name(words(expected.Sun.Sign).FullName));
    QCOMPARE(value("lblMoonInSign"), Name(words(expected.Moon.Sign).FullName));
    QCOMPARE(value("lblMoonElement"), Name(words(expected.Moon.Sign).Element));
    QCOMPARE(value("lblMidpoint"), presentation::MidpointCaption(expected.Midpoint));
    QCOMPARE(value("lblMidpointElement"), Name(words(expected.Midpoint.Sign).Element));
    QCOMPARE(value("lblMidpointPersonality"), Name(words(expected.Midpoint.Sign).Temperament));
    QCOMPARE(value("lblMidpointliesin"), presentation::HouseName(expected.House));
    QCOMPARE(Control<QTextEdit>(*second, "RTBHouseDesc").toPlainText(),
             texts.HouseHeading + u'\n' + AsShown(texts.HouseText) + QStringLiteral("\n\n"));
    QCOMPARE(Control<QPlainTextEdit>(*second, "txtSunInSignDesc").toPlainText(), AsShown(texts.SunInSign));
    QCOMPARE(Control<QPlainTextEdit>(*second, "txtPersonalityDesc").toPlainText(), AsShown(texts.Personality));
}

// The result window opens with the first text to read in focus, so that
// Enter ends nothing; the size it is given is the next reading's.
void ReadingFlowTest::openedForReadingAndSizeKept()
{
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Enter(input, kExample);
    ClickReading(input);
    FrmDisplay* first = p.Result();
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QPlainTextEdit& personality = Control<QPlainTextEdit>(*first, "txtPersonalityDesc");
    QCOMPARE(first->focusWidget(), &personality);
    QTest::keyClick(&personality, Qt::Key_Return);
    QTest::keyClick(&personality, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(p.fakes.process.ends, 0);
    QVERIFY(first->isVisible());

    const QSize design = first->size();
    const QSize larger = design + QSize(240, 160);
    first->resize(larger);
    QTRY_COMPARE(first->size(), larger);
    QTest::mouseClick(&Control<QPushButton>(*first, "cmdOK"), Qt::LeftButton);
    DeleteLaterNow();
    QCOMPARE(p.fakes.settings.values.value(QStringLiteral("Settings/ReadingWindow")),
             QStringLiteral("%1x%2").arg(larger.width()).arg(larger.height()));

    ClickReading(input);
    FrmDisplay* second = p.Result();
    QVERIFY(second);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    // As large as the last one, as far as the screen allows.
    const QSize expected = larger.boundedTo(second->screen()->availableGeometry().size()).expandedTo(design);
    QCOMPARE(second->size(), expected);
    // The four trait boxes share the extra height and take the extra width.
    const QSize extra = expected - design;
    const QPlainTextEdit& traits = Control<QPlainTextEdit>(*second, "txtGeneralTraits");
    QCOMPARE(traits.height(), TwipsToPixels(855, traits.logicalDpiY()) + int(std::lround(extra.height() / 4.0)));
    QCOMPARE(traits.width(), TwipsToPixels(9855, traits.logicalDpiX()) + extra.width());
}

void ReadingFlowTest::refusedReadingKeepsTheInputWindow()
{
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Enter(input, kExample);
    Control<QLineEdit>(input, "txtLatD").setText(QStringLiteral("95"));
    ClickReading(input);
    QCOMPARE(p.fakes.dialogs.messages.size(), 1);
    QVERIFY(p.Result() == nullptr);
    QVERIFY(input.isVisible());
}

void ReadingFlowTest::waysOut_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("File, Exit") << "mnuExit";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close box";
}

void ReadingFlowTest::waysOut()
{
    QFETCH(QString, how);
    RunningProgram p;
    QVERIFY(p.Start());
    FrmMain& input = p.Input();
    Enter(input, kExample);
    ClickReading(input);
    FrmDisplay* result = p.Result();
    QVERIFY(result);
    QVERIFY(QTest::qWaitForWindowExposed(result));
    // The hidden input window is closed as well, not left behind.
    CloseCounter inputCloses;
    input.installEventFilter(&inputCloses);

    if (how == QStringLiteral("cmdExit"))
        QTest::mouseClick(&Control<QPushButton>(*result, "cmdExit"), Qt::LeftButton);
    else if (how == QStringLiteral("mnuExit"))
        Control<QAction>(*result, "mnuExit").trigger();
    else if (how == QStringLiteral("Esc"))
        QTest::keyClick(&Control<QTabWidget>(*result, "SSTab1"), Qt::Key_Escape);
    else
        result->windowHandle()->close();

    QCOMPARE(p.fakes.process.ends, 1);
    QVERIFY(!result->isVisible());
    QVERIFY(!input.isVisible());
    QCOMPARE(inputCloses.closes, 1);
}

QTEST_MAIN(ReadingFlowTest)
#include "tst_reading_flow.moc"
