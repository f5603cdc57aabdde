// The result window on its own: design state, placement from twips, looks,
// filling from a reading, the house display, Back and Exit.
#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest/QtTest>

#include "engine/house.h"
#include "engine/texts.h"
#include "engine/zodiac.h"
#include "support.h"
#include "ui/display/display_style.h"
#include "ui/display/house_display.h"
#include "ui/shell/link_label.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

const char* const kTextBoxes[] = {"txtPersonalityDesc", "txtGeneralTraits", "txtPositiveTraitsc", "txtNegativeTraits",
                                  "txtSunDesc",         "txtSunInSignDesc", "txtMoonDesc",        "txtMoonInSignDesc"};
const char* const kValueLabels[] = {"lblMidpoint",  "lblMidpointElement", "lblMidpointPersonality", "lblSunInSign",
                                    "lblMoonElement", "lblMoonInSign",    "lblMidpointliesin"};

// The window with fakes behind it.
struct ResultWindow {
    FakePlatform fakes;
    Program program{fakes.services};
    FrmDisplay window{program};

    template <typename T>
    T& Get(const char* objectName) { return Control<T>(window, objectName); }
    QString Box(const char* objectName) { return Get<QPlainTextEdit>(objectName).toPlainText(); }
    QString Value(const char* objectName) { return Get<QLabel>(objectName).text(); }
};

// Texts that tell at once where each one went.
engine::ReadingTexts MarkedTexts()
{
    engine::ReadingTexts t;
    t.SunGeneral = QStringLiteral("sun general");
    t.SunInSign = QStringLiteral("sun in sign");
    t.MoonGeneral = QStringLiteral("moon general");
    t.MoonInSign = QStringLiteral("moon in sign");
    t.GeneralTraits = QStringLiteral("general traits");
    t.PositiveTraits = QStringLiteral("positive traits");
    t.NegativeTraits = QStringLiteral("negative traits");
    t.Personality = QStringLiteral("personality");
    t.HouseHeading = QStringLiteral("More About Seventh House");
    t.HouseText = QStringLiteral("house text");
    return t;
}

// A reading with these signs (0 = Aries), the midpoint at 15 degrees of its
// sign unless a degree is given, and this house (0: none).
engine::Reading ReadingWith(int sun, int moon, int midpoint, int house, int midpointDegree = -1)
{
    engine::Reading reading;
    reading.Sun.Sign = static_cast<engine::Sign>(sun);
    reading.Moon.Sign = static_cast<engine::Sign>(moon);
    reading.Midpoint.Degree = midpointDegree >= 0 ? midpointDegree : 30 * midpoint + 15;
    reading.Midpoint.Sign = static_cast<engine::Sign>(midpoint);
    reading.House = house;
    return reading;
}

QString Name(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QRect Twips(int left, int top, int width, int height, const QWidget& widget)
{
    return TwipsToPixels(QRect(left, top, width, height), widget.logicalDpiX(), widget.logicalDpiY());
}

// Where a plain-text box's CR LF breaks end up: one line break each.
QString AsShown(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DeleteLaterNow(); }

    void twipsToPixels_data();
    void twipsToPixels();
    void readingFont();
    void designState();
    void placedFromTwips_data();
    void placedFromTwips();
    void growsWithTheWindow();
    void looks_data();
    void looks();
    void everyTextFits_data();
    void everyTextFits();
    void filledFromAReading_data();
    void filledFromAReading();
    void houseDisplay_data();
    void houseDisplay();
    void exitAndBack_data();
    void exitAndBack();
    void linksKeepTheTab();
};

void ResultWindowTest::twipsToPixels_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel at 96 dpi") << 15 << 96.0 << 1;
    QTest::newRow("an inch at 96 dpi") << 1440 << 96.0 << 96;
    QTest::newRow("window width at 96 dpi") << 10590 << 96.0 << 706;
    QTest::newRow("window height at 96 dpi") << 7995 << 96.0 << 533;
    QTest::newRow("window width at 120 dpi") << 10590 << 120.0 << 883;
    QTest::newRow("window height at 144 dpi") << 7995 << 144.0 << 800;
    QTest::newRow("under half a pixel") << 7 << 96.0 << 0;
    QTest::newRow("over half a pixel") << 8 << 96.0 << 1;
    QTest::newRow("nothing") << 0 << 192.0 << 0;
}

void ResultWindowTest::twipsToPixels()
{
    QFETCH(int, twips);
    QFETCH(double, dpi);
    QFETCH(int, pixels);
    QCOMPARE(TwipsToPixels(twips, dpi), pixels);
}

void ResultWindowTest::readingFont()
{
    const QString family = ReadingFontFamily();
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("Verdana")))
        QCOMPARE(family, QStringLiteral("Verdana"));
    else
        QVERIFY2(installed.contains(family), qPrintable(family));
    QCOMPARE(QFontInfo(ReadingFont(9, true)).family(), family);
    QVERIFY(QFontInfo(ReadingFont(9, true)).bold());
}

void ResultWindowTest::designState()
{
    ResultWindow w;
    QCOMPARE(w.window.objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Lunarys v1.15"));
    QVERIFY(!w.window.windowIcon().isNull());
    QVERIFY(!(w.window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(w.window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(w.window.windowFlags() & Qt::WindowCloseButtonHint);
    // It opens at its design size, which is also the least it can have.
    QCOMPARE(w.window.size(), w.window.minimumSize());
    QCOMPARE(w.window.centralWidget()->size(), Twips(0, 0, 10590, 7995, w.window).size());

    const QTabWidget& tabs = w.Get<QTabWidget>("SSTab1");
    QCOMPARE(tabs.count(), 2);
    QCOMPARE(tabs.tabText(0), QStringLiteral("About Midpoint Astrology"));
    QCOMPARE(tabs.tabText(1), QStringLiteral("About Sun, Moon and House"));
    QCOMPARE(tabs.currentIndex(), 0);

    for (const char* name : kTextBoxes) {
        const QPlainTextEdit& box = w.Get<QPlainTextEdit>(name);
        QVERIFY2(box.toPlainText().isEmpty(), name);
        QVERIFY2(box.isReadOnly(), name);
        QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }
    const QTextEdit& house = w.Get<QTextEdit>("RTBHouseDesc");
    QVERIFY(house.toPlainText().isEmpty());
    QVERIFY(house.isReadOnly());
    for (const char* name : kValueLabels)
        QVERIFY2(w.Value(name).isEmpty(), name);

    QCOMPARE(w.Get<QPushButton>("cmdExit").text(), QStringLiteral("&Exit"));
    QCOMPARE(w.Get<QPushButton>("cmdOK").text(), QStringLiteral("&Back"));
    QVERIFY(w.Get<QPushButton>("cmdExit").isDefault());
    QCOMPARE(w.Get<QGroupBox>("fraSun").title(), QStringLiteral("Planet Sun's Characteristics"));
    QCOMPARE(w.Get<QGroupBox>("fraMoon").title(), QStringLiteral("Planet Moon's Characteristics"));
    QCOMPARE(w.Get<QGroupBox>("fraHouse").title(), QStringLiteral("Midpoint House Characteristics"));
    QCOMPARE(w.Get<QAction>("mnuFileBack").text(), QStringLiteral("&Back"));
    QCOMPARE(w.Get<QAction>("mnuExit").text(), QStringLiteral("E&xit"));
}

void ResultWindowTest::placedFromTwips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("tabs") << "SSTab1" << QRect(0, 480, 10575, 6855);
    QTest::newRow("bottom strip") << "picBottom" << QRect(0, 7080, 10590, 1215);
    QTest::newRow("personality") << "txtPersonalityDesc" << QRect(240, 1680, 9855, 855);
    QTest::newRow("general traits") << "txtGeneralTraits" << QRect(240, 2880, 9855, 855);
    QTest::newRow("positive traits") << "txtPositiveTraitsc" << QRect(240, 4080, 9855, 855);
    QTest::newRow("negative traits") << "txtNegativeTraits" << QRect(240, 5280, 9855, 855);
    QTest::newRow("sun frame") << "fraSun" << QRect(120, 360, 4935, 2895);
    QTest::newRow("sun text") << "txtSunDesc" << QRect(120, 720, 4695, 855);
    QTest::newRow("sun in sign text") << "txtSunInSignDesc" << QRect(120, 1920, 4695, 855);
    QTest::newRow("moon frame") << "fraMoon" << QRect(5280, 360, 4935, 2895);
    QTest::newRow("moon text") << "txtMoonDesc" << QRect(120, 720, 4695, 855);
    QTest::newRow("moon in sign text") << "txtMoonInSignDesc" << QRect(120, 1920, 4695, 855);
    QTest::newRow("house frame") << "fraHouse" << QRect(120, 3600, 10095, 2535);
    QTest::newRow("house text") << "RTBHouseDesc" << QRect(120, 1200, 9645, 1215);
    QTest::newRow("exit") << "cmdExit" << QRect(7560, 360, 1140, 465);
    QTest::newRow("back, ending inside the window") << "cmdOK" << QRect(8800, 360, 1665, 465);
}

void ResultWindowTest::placedFromTwips()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    ResultWindow w;
    const QWidget& widget = w.Get<QWidget>(control.toLatin1().constData());
    QCOMPARE(widget.geometry(), Twips(twips.x(), twips.y(), twips.width(), twips.height(), widget));
}

// Larger, the boxes grow and every caption and value keeps its place beside
// its box; back at the design size everything is where it was.
void ResultWindowTest::growsWithTheWindow()
{
    ResultWindow w;
    w.window.ShowReading(ReadingWith(3, 7, 5, 3), MarkedTexts());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QSize design = w.window.size();
    // Each caption or value with the box it belongs to.
    const std::pair<const char*, const char*> beside[] = {
        {"lblPersonalityCaption", "txtPersonalityDesc"}, {"lblGeneralTraitsCaption", "txtGeneralTraits"},
        {"lblPositiveTraitsCaption", "txtPositiveTraitsc"}, {"lblNegativeTraitsCaption", "txtNegativeTraits"},
        {"lblSunInCaption", "txtSunInSignDesc"}, {"lblSunInSign", "txtSunInSignDesc"},
        {"lblMoonInCaption", "txtMoonInSignDesc"}, {"lblMoonInSign", "txtMoonInSignDesc"},
        {"lblMidpointLiesInCaption", "RTBHouseDesc"}, {"lblMidpointliesin", "RTBHouseDesc"},
        {"cmdExit", "picBottom"}};
    const auto offset = [&w](const char* label, const char* box) {
        const QWidget& b = w.Get<QWidget>(box);
        const QWidget& l = w.Get<QWidget>(label);
        return b.mapTo(&w.window, QPoint(0, 0)) - l.mapTo(&w.window, QPoint(0, 0)) - QPoint(0, b.height());
    };
    QList<QPoint> before;
    for (const auto& [label, box] : beside)
        before << offset(label, box);
    QMap<QString, QRect> designGeometry;
    for (QWidget* widget : w.window.findChildren<QWidget*>())
        designGeometry.insert(widget->objectName(), widget->geometry());

    w.window.resize(design + QSize(300, 240));
    QTRY_COMPARE(w.window.size(), design + QSize(300, 240));
    for (const char* name : kTextBoxes) {
        const QWidget& box = w.Get<QWidget>(name);
        QVERIFY2(box.height() >= designGeometry[QString::fromLatin1(name)].height() + 240 / 4, name);
        QVERIFY2(box.width() >= designGeometry[QString::fromLatin1(name)].width() + 300 / 2, name);
    }
    // Captions and values along the bottom-left corner of their box: the box
    // grew downwards, so the distance to its bottom grew by its growth.
    for (std::size_t i = 0; i < std::size(beside); ++i) {
        const auto& [label, box] = beside[i];
        const QWidget& b = w.Get<QWidget>(box);
        const int growth = b.height() - designGeometry[QString::fromLatin1(box)].height();
        const QPoint now = offset(label, box);
        QCOMPARE(now.x() - before[i].x(), b.objectName() == QStringLiteral("picBottom") ? -300 : 0);
        QCOMPARE(now.y() - before[i].y(), -growth);
    }
    // Nothing leaves the window, and no box runs into the next caption.
    // The bottom strip keeps its place at the bottom of the window.
    QCOMPARE(w.Get<QWidget>("picBottom").geometry().bottom() - w.window.centralWidget()->height(),
             designGeometry[QStringLiteral("picBottom")].bottom() - designGeometry[QStringLiteral("fraClient")].height());
    QVERIFY(w.Get<QWidget>("txtPersonalityDesc").geometry().bottom()
            < w.Get<QWidget>("lblGeneralTraitsCaption").geometry().top());
    QVERIFY(w.Get<QWidget>("fraSun").geometry().right() < w.Get<QWidget>("fraMoon").geometry().left());
    QVERIFY(w.Get<QWidget>("fraMoon").geometry().bottom() < w.Get<QWidget>("fraHouse").geometry().top());

    w.window.resize(design);
    QTRY_COMPARE(w.window.size(), design);
    for (QWidget* widget : w.window.findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && widget->isVisible())
            QVERIFY2(widget->geometry() == designGeometry[widget->objectName()], qPrintable(widget->objectName()));
}

void ResultWindowTest::looks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("points");

    const QColor captionYellow(255, 255, 192);
    const QColor white(255, 255, 255);
    const QColor cyan(128, 255, 255);
    QTest::newRow("Midpoint") << "lblMidpointCaption" << captionYellow << true << 9.0;
    QTest::newRow("Midpoint Element") << "lblMidpointElementCaption" << captionYellow << true << 9.0;
    QTest::newRow("Midpoint Personality") << "lblMidpointPersonalityCaption" << captionYellow << true << 9.0;
    QTest::newRow("More About Personality") << "lblPersonalityCaption" << captionYellow << true << 9.0;
    QTest::newRow("General Traits") << "lblGeneralTraitsCaption" << captionYellow << true << 9.0;
    QTest::newRow("Negative Traits") << "lblNegativeTraitsCaption" << captionYellow << true << 9.0;
    QTest::newRow("midpoint value") << "lblMidpoint" << white << true << 9.0;
    QTest::newRow("temperament value") << "lblMidpointPersonality" << white << true << 9.0;
    QTest::newRow("More About The Sun") << "lblMoreAboutSun" << captionYellow << true << 8.25;
    QTest::newRow("Sun In") << "lblSunInCaption" << captionYellow << true << 8.25;
    QTest::newRow("Moon In") << "lblMoonInCaption" << captionYellow << true << 8.25;
    QTest::newRow("Midpoint lies in") << "lblMidpointLiesInCaption" << captionYellow << true << 8.25;
    QTest::newRow("sun sign value") << "lblSunInSign" << white << true << 8.25;
    QTest::newRow("house value") << "lblMidpointliesin" << white << true << 8.25;
    QTest::newRow("house note") << "lblHouseNote" << cyan << false << 9.0;
}

void ResultWindowTest::looks()
{
    QFETCH(QString, label);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);
    QFETCH(double, points);
    ResultWindow w;
    const QLabel& found = w.Get<QLabel>(label.toLatin1().constData());
    QCOMPARE(found.palette().color(QPalette::WindowText), colour);
    QCOMPARE(found.font().bold(), bold);
    QCOMPARE(found.font().pointSizeF(), points);
    QCOMPARE(found.font().family(), ReadingFontFamily());
    QVERIFY(!found.autoFillBackground());
}

void ResultWindowTest::everyTextFits_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("house");
    QTest::addColumn<int>("midpointDegree");
    // The longest names each value label can get: 29º Sagittarius, 28º Gemini, 20º Capricorn.
    QTest::newRow("Sagittarius, 12th House") << 8 << 12 << 269;
    QTest::newRow("Gemini, 11th House") << 2 << 11 << 88;
    QTest::newRow("Cancer, 10th House") << 3 << 10 << 290;
}

void ResultWindowTest::everyTextFits()
{
    QFETCH(int, sign);
    QFETCH(int, house);
    QFETCH(int, midpointDegree);
    ResultWindow w;
    engine::Reading reading = ReadingWith(sign, sign, midpointDegree / 30, house, midpointDegree);
    reading.Holds = engine::MinuteSpan{1208, 1439};
    w.window.ShowReading(reading, MarkedTexts());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));

    QList<QLabel*> labels = w.window.findChildren<QLabel*>();
    labels.removeIf([](const QLabel* label) { return label->objectName().isEmpty(); });
    QCOMPARE(labels.size(), 25);
    for (const QLabel* label : labels) {
        const QByteArray name = label->objectName().toLatin1();
        const QFontMetrics metrics(label->font());
        const QRect inside = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(inside, Qt::TextWordWrap | int(label->alignment()), label->text());
            QVERIFY2(needed.height() <= inside.height(), name.constData());
        } else {
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= inside.width(), name.constData());
            QVERIFY2(metrics.height() <= inside.height(), name.constData());
        }
        // Nothing hangs over the edge of its page or frame.
        const QRect parent = label->parentWidget()->rect();
        QVERIFY2(parent.contains(label->geometry()), name.constData());
        // Labels do not run into each other; the two offers share one place
        // on purpose, the co-branding one in front.
        for (const QLabel* other : labels) {
            if (other == label || other->parentWidget() != label->parentWidget())
                continue;
            const QSet<QString> pair{label->objectName(), other->objectName()};
            if (pair == QSet<QString>{QStringLiteral("lblCobrand"), QStringLiteral("lblFullBrand")})
                continue;
            QVERIFY2(!label->geometry().intersects(other->geometry()),
                     qPrintable(label->objectName() + QStringLiteral(" meets ") + other->objectName()));
        }
    }
    // The page's content ends above the bottom strip.
    const QWidget& strip = w.Get<QWidget>("picBottom");
    for (const char* name : {"txtNegativeTraits", "RTBHouseDesc"}) {
        const QWidget& box = w.Get<QWidget>(name);
        if (!box.isVisibleTo(&w.window))
            continue;
        const QPoint bottom = box.mapTo(&w.window, QPoint(0, box.height()));
        QVERIFY2(bottom.y() <= strip.mapTo(&w.window, QPoint(0, 0)).y(), name);
    }
    // The co-branding offer lies in front of the full-branding one.
    const QWidget& cobrand = w.Get<QWidget>("lblCobrand");
    QCOMPARE(cobrand.parentWidget()->childAt(cobrand.geometry().center()), &cobrand);
}

void ResultWindowTest::filledFromAReading_data()
{
    QTest::addColumn<int>("sun");
    QTest::addColumn<int>("moon");
    QTest::addColumn<int>("midpoint");
    QTest::addColumn<int>("house");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Cancer, Scorpio, Virgo, 3rd") << 3 << 7 << 5 << 3 << QStringLiteral("15º Virgo");
    QTest::newRow("Aries, Pisces, Aquarius, 12th") << 0 << 11 << 10 << 12 << QStringLiteral("15º Aquarius");
    QTest::newRow("Taurus, Gemini, Leo, no house") << 1 << 2 << 4 << 0 << QStringLiteral("15º Leo");
}

void ResultWindowTest::filledFromAReading()
{
    QFETCH(int, sun);
    QFETCH(int, moon);
    QFETCH(int, midpoint);
    QFETCH(int, house);
    QFETCH(QString, caption);
    ResultWindow w;
    const engine::ReadingTexts texts = MarkedTexts();
    w.window.ShowReading(ReadingWith(sun, moon, midpoint, house), texts);

    auto signName = [](int sign) { return Name(engine::Signs.at(sign).FullName); };
    auto element = [](int sign) { return Name(engine::Signs.at(sign).Element); };
    auto temperament = [](int sign) { return Name(engine::Signs.at(sign).Temperament); };
    auto ifSign = [](int, const QString& text) { return text; };

    QCOMPARE(w.Value("lblMidpoint"), caption);
    QCOMPARE(w.Value("lblMidpointElement"), element(midpoint));
    QCOMPARE(w.Value("lblMidpointPersonality"), temperament(midpoint));
    QCOMPARE(w.Box("txtGeneralTraits"), ifSign(midpoint, texts.GeneralTraits));
    QCOMPARE(w.Box("txtPositiveTraitsc"), ifSign(midpoint, texts.PositiveTraits));
    QCOMPARE(w.Box("txtNegativeTraits"), ifSign(midpoint, texts.NegativeTraits));
    QCOMPARE(w.Box("txtPersonalityDesc"), ifSign(midpoint, texts.Personality));

    QCOMPARE(w.Box("txtSunDesc"), texts.SunGeneral);
    QCOMPARE(w.Value("lblSunInSign"), signName(sun));
    QCOMPARE(w.Box("txtSunInSignDesc"), ifSign(sun, texts.SunInSign));

    QCOMPARE(w.Box("txtMoonDesc"), texts.MoonGeneral);
    QCOMPARE(w.Value("lblMoonInSign"), signName(moon));
    QCOMPARE(w.Value("lblMoonElement"), element(moon));
    QCOMPARE(w.Box("txtMoonInSignDesc"), ifSign(moon, texts.MoonInSign));

    QCOMPARE(w.Value("lblMidpointliesin"), house ? Name(engine::Houses.at(house - 1).Name) : QString());
    QCOMPARE(w.Get<QTextEdit>("RTBHouseDesc").toPlainText().isEmpty(), house == 0);
    // Filling does not switch the tab.
    QCOMPARE(w.Get<QTabWidget>("SSTab1").currentIndex(), 0);
}

void ResultWindowTest::houseDisplay_data()
{
    QTest::addColumn<int>("house");
    for (int house = 0; house <= 12; ++house)
        QTest::addRow("house %d", house) << house;
}

void ResultWindowTest::houseDisplay()
{
    QFETCH(int, house);
    const engine::Reading reading = ReadingWith(0, 0, 0, house);
    const engine::ReadingTexts texts = engine::LoadReadingTexts(reading);
    QLabel caption;
    QTextEdit box;
    // The box shows another house first: filled again, it shows this one alone.
    const engine::Reading before = ReadingWith(0, 0, 0, house % 12 + 1);
    ShowMidpointHouse(caption, box, exports::OutlineOf(before, engine::LoadReadingTexts(before)));
    ShowMidpointHouse(caption, box, exports::OutlineOf(reading, texts));

    if (house == 0) {
        QVERIFY(caption.text().isEmpty());
        QVERIFY(box.toPlainText().isEmpty());
        return;
    }
    const QString heading = Name(engine::Houses.at(house - 1).Heading);
    QCOMPARE(caption.text(), Name(engine::Houses.at(house - 1).Name));
    QCOMPARE(texts.HouseHeading, heading);
    QVERIFY2(!texts.HouseText.isEmpty(), "the house text is missing from the content");
    // The heading line, the text, and one empty line.
    QCOMPARE(box.toPlainText(), heading + u'\n' + AsShown(texts.HouseText) + QStringLiteral("\n\n"));

    const QTextDocument& document = *box.document();
    const QTextBlock headingBlock = document.firstBlock();
    QCOMPARE(headingBlock.text(), heading);
    for (QTextBlock::iterator it = headingBlock.begin(); !it.atEnd(); ++it) {
        QCOMPARE(it.fragment().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(255, 255, 0));
    }
    for (QTextBlock block = headingBlock.next(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            QVERIFY(it.fragment().charFormat().fontWeight() != int(QFont::Bold));
            QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(255, 255, 255));
        }
    }
}

void ResultWindowTest::exitAndBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("outcome");   // "quit", "back" or "nothing"
    QTest::newRow("Exit button") << "cmdExit" << "quit";
    QTest::newRow("File, Exit") << "mnuExit" << "quit";
    QTest::newRow("Esc on the first tab") << "Esc 0" << "quit";
    QTest::newRow("Esc on the second tab") << "Esc 1" << "quit";
    QTest::newRow("Enter on the tabs") << "Enter on SSTab1" << "quit";
    QTest::newRow("Enter on the Exit button") << "Enter on cmdExit" << "quit";
    QTest::newRow("close box") << "close box" << "quit";
    QTest::newRow("Back button") << "cmdOK" << "back";
    QTest::newRow("File, Back") << "mnuFileBack" << "back";
    QTest::newRow("Enter on the Back button") << "Enter on cmdOK" << "back";
    QTest::newRow("Enter in a text box") << "Enter on txtPersonalityDesc" << "nothing";
    QTest::newRow("Enter in the house box") << "Enter on RTBHouseDesc" << "nothing";
    QTest::newRow("access key of Exit") << "Alt+E" << "quit";
    QTest::newRow("access key of Back") << "Alt+B" << "back";
}

void ResultWindowTest::exitAndBack()
{
    QFETCH(QString, how);
    QFETCH(QString, outcome);
    ResultWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy back(&w.window, &FrmDisplay::backRequested);

    if (how.startsWith(QStringLiteral("cmd"))) {
        QTest::mouseClick(&w.Get<QPushButton>(how.toLatin1().constData()), Qt::LeftButton);
    } else if (how.startsWith(QStringLiteral("mnu"))) {
        w.Get<QAction>(how.toLatin1().constData()).trigger();
    } else if (how.startsWith(QStringLiteral("Esc"))) {
        QTabWidget& tabs = w.Get<QTabWidget>("SSTab1");
        tabs.setCurrentIndex(how.back().digitValue());
        QWidget& box = w.Get<QWidget>(tabs.currentIndex() == 0 ? "txtGeneralTraits" : "txtMoonDesc");
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_Escape);
    } else if (how.startsWith(QStringLiteral("Enter on "))) {
        const QByteArray name = how.mid(9).toLatin1();
        QWidget& target = w.Get<QWidget>(name.constData());
        if (name == "SSTab1") {
            w.Get<QTabWidget>("SSTab1").setCurrentIndex(1);
            QTest::keyClick(static_cast<QTabWidget&>(target).tabBar(), Qt::Key_Return);
        } else {
            target.setFocus();
            QTest::keyClick(&target, Qt::Key_Return);
        }
    } else if (how.startsWith(QStringLiteral("Alt+"))) {
        w.Get<QWidget>("txtGeneralTraits").setFocus();
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(how.back().unicode()), Qt::AltModifier);
    } else {
        w.window.windowHandle()->close();
    }

    const bool quits = outcome == QStringLiteral("quit");
    // A button's access key clicks it after a short animation.
    QTRY_COMPARE(w.fakes.process.ends, quits ? 1 : 0);
    QTRY_COMPARE(back.count(), outcome == QStringLiteral("back") ? 1 : 0);
    QCOMPARE(w.window.isVisible(), !quits);
}

void ResultWindowTest::linksKeepTheTab()
{
    ResultWindow w;
    w.window.ShowReading(ReadingWith(3, 7, 5, 3), MarkedTexts());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTabWidget& tabs = w.Get<QTabWidget>("SSTab1");
    tabs.setCurrentIndex(1);
    const QString house = w.Get<QTextEdit>("RTBHouseDesc").toPlainText();

    QTest::mouseClick(&w.Get<LinkLabel>("lblMoreAboutSun"), Qt::LeftButton);
    w.Get<QAction>("mnuHelpOnline").trigger();
    tabs.setCurrentIndex(0);
    tabs.setCurrentIndex(1);

    QCOMPARE(w.fakes.web.opened.size(), 2);
    QCOMPARE(tabs.currentIndex(), 1);
    QCOMPARE(w.Get<QTextEdit>("RTBHouseDesc").toPlainText(), house);
    QCOMPARE(w.Value("lblMidpoint"), QStringLiteral("15º Virgo"));
    QCOMPARE(w.Box("txtSunDesc"), QStringLiteral("sun general"));
}

QTEST_MAIN(ResultWindowTest)
#include "tst_result_window.moc"
