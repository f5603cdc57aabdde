#include "ui/display/frm_display.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "export/reading_outline.h"
#include "ui/display/display_style.h"
#include "ui/display/house_display.h"
#include "ui/display/reading_files.h"
#include "ui/display/stretch_layout.h"
#include "ui/display/window_size.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/link_label.h"
#include "ui/shell/menus.h"
#include "ui/shell/program.h"
#include "ui/shell/program_texts.h"
#include "ui/shell/web_links.h"

namespace lunarys::ui {

namespace {

// Sizes in points: the first tab's captions, the second tab's, the notes.
constexpr double kFirstTabPoints = 9.0;
constexpr double kSecondTabPoints = 8.25;
constexpr double kNotePoints = 9.0;
constexpr double kFramePoints = 9.0;
constexpr double kBoxPoints = 8.25;
constexpr double kButtonPoints = 8.25;

// Window and page sizes in twips.
constexpr int kClientWidth = 10590;
constexpr int kClientHeight = 7995;
constexpr int kPageWidth = 10335;
constexpr int kPageHeight = 6375;
// The trait boxes of the first tab.
constexpr int kTraitBoxLeft = 240;
constexpr int kTraitBoxWidth = 9855;

enum class Look { Caption, Value, Note };


void SetTextColour(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

void PaintBackground(QWidget& widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour::Background);
    palette.setColor(QPalette::Base, colour::Background);
    palette.setColor(QPalette::WindowText, colour::Value);
    palette.setColor(QPalette::Text, colour::Value);
    palette.setColor(QPalette::Button, colour::ButtonGrey);
    palette.setColor(QPalette::ButtonText, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

// The tabs themselves keep the desktop's colours, as buttons do.
void UseSystemColours(QWidget& widget)
{
    const QPalette system = QApplication::palette();
    QPalette palette = widget.palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setColor(g, r, system.color(g, r));
        }
    widget.setPalette(palette);
}

template <typename W>
W* Named(W* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

QLabel* AddLabel(QWidget& parent, const char* objectName, const QString& text, Look look, double points,
                 const QRect& twips, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = Named(new QLabel(text, &parent), objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    switch (look) {
    case Look::Caption:
        label->setFont(ReadingFont(points, true));
        SetTextColour(*label, colour::CaptionYellow);
        break;
    case Look::Value:
        label->setFont(ReadingFont(points, true));
        SetTextColour(*label, colour::Value);
        break;
    case Look::Note:
        label->setFont(ReadingFont(kNotePoints, false));
        SetTextColour(*label, colour::NoteCyan);
        break;
    }
    PlaceLabelInTwips(*label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

// A value label, read by a screen reader with its caption.
QLabel* AddValue(QWidget& parent, const char* objectName, QLabel& caption, double points, const QRect& twips,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    QLabel* value = AddLabel(parent, objectName, QString(), Look::Value, points, twips, alignment);
    ReadWithCaption(caption, *value);
    return value;
}

LinkLabel* AddLink(QWidget& parent, const char* objectName, const QString& text, double points, const QRect& twips,
                   Qt::Alignment alignment)
{
    auto* label = Named(new LinkLabel(text, &parent), objectName);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    QFont font = ReadingFont(points, true);
    font.setUnderline(true);
    label->setFont(font);
    SetTextColour(*label, colour::Value);
    // Opaque, so that the label in front hides the one behind it.
    label->setAutoFillBackground(true);
    PlaceLabelInTwips(*label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

template <typename Box>
Box* AddBox(QWidget& parent, const char* objectName, const QRect& twips)
{
    auto* box = Named(new Box(&parent), objectName);
    box->setReadOnly(true);
    // A caret to read by, line by line, with the arrow and page keys.
    box->setTextInteractionFlags(box->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFont(ReadingFont(kBoxPoints, false));
    box->setTabChangesFocus(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour::Background);
    palette.setColor(QPalette::Text, colour::Value);
    box->setPalette(palette);
    UseSystemColours(*box->verticalScrollBar());
    PlaceInTwips(*box, twips.x(), twips.y(), twips.width(), twips.height());
    return box;
}

// A box named for a screen reader by the caption above it.
template <typename Box>
Box* AddBox(QWidget& parent, const char* objectName, QLabel& caption, const QRect& twips)
{
    auto* box = AddBox<Box>(parent, objectName, twips);
    caption.setBuddy(box);
    return box;
}

// A box named by a caption and the value the reading writes beside it, such
// as "Sun In Cancer"; `unfilled` names it before the value is written.
template <typename Box>
Box* AddSignBox(QWidget& parent, const char* objectName, const QLabel& caption, const QLabel& value,
                const char* unfilled, const QRect& twips)
{
    auto* box = AddBox<Box>(parent, objectName, twips);
    FollowName(*box, [&caption, &value, unfilled] {
        return value.text().isEmpty() ? QString::fromLatin1(unfilled) : caption.text() + u' ' + value.text();
    });
    return box;
}

QGroupBox* AddFrame(QWidget& parent, const char* objectName, exports::Part part, const QRect& twips)
{
    auto* frame = Named(new QGroupBox(exports::CaptionOf(part), &parent), objectName);
    frame->setFont(ReadingFont(kFramePoints, true));
    SetTextColour(*frame, colour::FrameYellow);
    PlaceInTwips(*frame, twips.x(), twips.y(), twips.width(), twips.height());
    return frame;
}

void SetPage(QFrame& page)
{
    PaintBackground(page);
    page.setFrameShape(QFrame::NoFrame);
    PlaceInTwips(page, 0, 0, kPageWidth, kPageHeight);
}

void SetValue(QLabel* label, const QString& text)
{
    label->setText(text);
    FitLabel(*label);
}

}  // namespace

MidpointPage::MidpointPage(StretchLayout& layout, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fraMidpoint"));
    SetPage(*this);
    constexpr double pt = kFirstTabPoints;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    // The three values keep their places along the width of the boxes.
    const auto along = [&layout](QWidget& widget, const QRect& twips) {
        layout.Add(widget, {(twips.center().x() - kTraitBoxLeft) / double(kTraitBoxWidth), 0, 0, 0});
    };
    const QRect midpointCaption{1680, 240, 840, 210};
    const QRect midpointValue{1560, 600, 1080, 210};
    const QRect elementCaption{4320, 240, 1695, 210};
    const QRect elementValue{4275, 600, 1890, 210};
    const QRect personalityCaption{7440, 240, 2025, 210};
    const QRect personalityValue{7350, 600, 2220, 210};
    QLabel* caption =
        AddLabel(*this, "lblMidpointCaption", exports::CaptionOf(exports::Part::Midpoint), Look::Caption, pt, midpointCaption);
    along(*caption, midpointCaption);
    lblMidpoint_ = AddValue(*this, "lblMidpoint", *caption, pt, midpointValue, centred);
    along(*lblMidpoint_, midpointValue);
    caption = AddLabel(*this, "lblMidpointElementCaption", exports::CaptionOf(exports::Part::MidpointElement), Look::Caption, pt,
                       elementCaption);
    along(*caption, elementCaption);
    lblMidpointElement_ = AddValue(*this, "lblMidpointElement", *caption, pt, elementValue, centred);
    along(*lblMidpointElement_, elementValue);
    caption = AddLabel(*this, "lblMidpointPersonalityCaption", exports::CaptionOf(exports::Part::MidpointPersonality), Look::Caption,
                       pt, personalityCaption);
    along(*caption, personalityCaption);
    lblMidpointPersonality_ =
        AddValue(*this, "lblMidpointPersonality", *caption, pt, personalityValue, centred);
    along(*lblMidpointPersonality_, personalityValue);

    AddLabel(*this, "lblSignificance",
             QStringLiteral("This shows the overall expression of character of the person. This displays the "
                            "personality of the person."),
             Look::Note, pt, {240, 1080, 9930, 210});

    // The four boxes share the extra height, each caption above its box.
    constexpr double quarter = 1.0 / 4;
    const struct {
        const char* captionName;
        exports::Part part;
        QRect captionTwips;
        const char* boxName;
        QRect boxTwips;
        QPlainTextEdit* MidpointPage::*box;
    } boxes[] = {
        {"lblPersonalityCaption", exports::Part::Personality, {240, 1440, 2310, 210}, "txtPersonalityDesc",
         {kTraitBoxLeft, 1680, kTraitBoxWidth, 855}, &MidpointPage::txtPersonalityDesc_},
        {"lblGeneralTraitsCaption", exports::Part::GeneralTraits, {240, 2640, 1410, 210}, "txtGeneralTraits",
         {kTraitBoxLeft, 2880, kTraitBoxWidth, 855}, &MidpointPage::txtGeneralTraits_},
        {"lblPositiveTraitsCaption", exports::Part::PositiveTraits, {240, 3840, 1425, 210}, "txtPositiveTraitsc",
         {kTraitBoxLeft, 4080, kTraitBoxWidth, 855}, &MidpointPage::txtPositiveTraitsc_},
        {"lblNegativeTraitsCaption", exports::Part::NegativeTraits, {240, 5040, 1515, 210}, "txtNegativeTraits",
         {kTraitBoxLeft, 5280, kTraitBoxWidth, 855}, &MidpointPage::txtNegativeTraits_},
    };
    double above = 0;
    for (const auto& b : boxes) {
        caption = AddLabel(*this, b.captionName, exports::CaptionOf(b.part), Look::Caption, pt, b.captionTwips);
        layout.Add(*caption, {0, above, 0, 0});
        this->*b.box = AddBox<QPlainTextEdit>(*this, b.boxName, *caption, b.boxTwips);
        layout.Add(*(this->*b.box), {0, above, 1, quarter});
        above += quarter;
    }
}

void MidpointPage::FocusFirstText() { txtPersonalityDesc_->setFocus(Qt::OtherFocusReason); }

void MidpointPage::Fill(const exports::ReadingOutline& outline)
{
    using exports::Part;
    for (const exports::OutlineBlock& block : outline.Body) {
        switch (block.part) {
        case Part::Midpoint: SetValue(lblMidpoint_, block.Value); break;
        case Part::MidpointElement: SetValue(lblMidpointElement_, block.Value); break;
        case Part::MidpointPersonality: SetValue(lblMidpointPersonality_, block.Value); break;
        case Part::Personality: txtPersonalityDesc_->setPlainText(block.Value); break;
        case Part::GeneralTraits: txtGeneralTraits_->setPlainText(block.Value); break;
        case Part::PositiveTraits: txtPositiveTraitsc_->setPlainText(block.Value); break;
        case Part::NegativeTraits: txtNegativeTraits_->setPlainText(block.Value); break;
        default: break;   // the second tab's
        }
    }
}

SunMoonHousePage::SunMoonHousePage(LinkCommands& links, StretchLayout& layout, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("fraSunMoonHouse"));
    SetPage(*this);
    constexpr double pt = kSecondTabPoints;
    // The Sun and Moon frames share the extra width side by side and take two
    // thirds of the extra height, one third for each of their boxes; the
    // house frame below takes the last third.
    constexpr double half = 1.0 / 2;
    constexpr double third = 1.0 / 3;

    QGroupBox* sun = AddFrame(*this, "fraSun", exports::Part::SunFrame, {120, 360, 4935, 2895});
    auto* moreAboutSun = Named(new LinkLabel(exports::CaptionOf(exports::Part::SunGeneral), sun), "lblMoreAboutSun");
    moreAboutSun->setFont(ReadingFont(pt, true));
    SetTextColour(*moreAboutSun, colour::CaptionYellow);
    PlaceLabelInTwips(*moreAboutSun, 120, 360, 1950, 195);
    connect(moreAboutSun, &LinkLabel::clicked, this, [&links] { links.OpenFullBrandPage(); });
    txtSunDesc_ = AddBox<QPlainTextEdit>(*sun, "txtSunDesc", *moreAboutSun, {120, 720, 4695, 855});
    QLabel* caption =
        AddLabel(*sun, "lblSunInCaption", exports::CaptionOf(exports::Part::SunIn), Look::Caption, pt, {120, 1680, 630, 195});
    lblSunInSign_ = AddValue(*sun, "lblSunInSign", *caption, pt, {840, 1680, 1230, 195});
    txtSunInSignDesc_ = AddSignBox<QPlainTextEdit>(*sun, "txtSunInSignDesc", *caption, *lblSunInSign_, "Sun In Sign",
                                                   {120, 1920, 4695, 855});
    layout.Add(*sun, {0, 0, half, 2 * third});
    layout.Add(*txtSunDesc_, {0, 0, half, third});
    layout.Add(*caption, {0, third, 0, 0});
    layout.Add(*lblSunInSign_, {0, third, 0, 0});
    layout.Add(*txtSunInSignDesc_, {0, third, half, third});

    QGroupBox* moon = AddFrame(*this, "fraMoon", exports::Part::MoonFrame, {5280, 360, 4935, 2895});
    caption = AddLabel(*moon, "lblMoonElementCaption", exports::CaptionOf(exports::Part::MoonElement), Look::Caption, pt,
                       {120, 360, 795, 195});
    lblMoonElement_ = AddValue(*moon, "lblMoonElement", *caption, pt, {1080, 360, 1545, 195});
    txtMoonDesc_ = AddBox<QPlainTextEdit>(*moon, "txtMoonDesc", {120, 720, 4695, 855});
    // No caption above it on screen; named like the Sun's general text.
    txtMoonDesc_->setAccessibleName(QStringLiteral("More About The Moon"));
    caption = AddLabel(*moon, "lblMoonInCaption", exports::CaptionOf(exports::Part::MoonIn), Look::Caption, pt, {120, 1680, 780, 195});
    lblMoonInSign_ = AddValue(*moon, "lblMoonInSign", *caption, pt, {960, 1680, 1380, 195});
    txtMoonInSignDesc_ = AddSignBox<QPlainTextEdit>(*moon, "txtMoonInSignDesc", *caption, *lblMoonInSign_,
                                                    "Moon In Sign", {120, 1920, 4695, 855});
    layout.Add(*moon, {half, 0, half, 2 * third});
    layout.Add(*txtMoonDesc_, {0, 0, half, third});
    layout.Add(*caption, {0, third, 0, 0});
    layout.Add(*lblMoonInSign_, {0, third, 0, 0});
    layout.Add(*txtMoonInSignDesc_, {0, third, half, third});

    QGroupBox* house = AddFrame(*this, "fraHouse", exports::Part::HouseFrame, {120, 3600, 10095, 2535});
    AddLabel(*house, "lblHouseNote",
             QStringLiteral("This shows which area of life is most important to you for your happiness."),
             Look::Note, pt, {120, 480, 6975, 210});
    caption = AddLabel(*house, "lblMidpointLiesInCaption", exports::CaptionOf(exports::Part::MidpointLiesIn), Look::Caption, pt,
                       {120, 840, 1470, 195});
    lblMidpointliesin_ = AddValue(*house, "lblMidpointliesin", *caption, pt, {1800, 840, 1545, 195});
    RTBHouseDesc_ = AddBox<QTextEdit>(*house, "RTBHouseDesc", {120, 1200, 9645, 1215});
    RTBHouseDesc_->setAcceptRichText(true);
    layout.Add(*house, {0, 2 * third, 1, third});
    layout.Add(*RTBHouseDesc_, {0, 0, 1, third});
    // Named by the house heading that the reading writes as its first line.
    FollowName(*RTBHouseDesc_, [box = RTBHouseDesc_] {
        const QString heading = box->document()->firstBlock().text().trimmed();
        return heading.isEmpty() ? QStringLiteral("Midpoint House") : heading;
    });
}

void SunMoonHousePage::Fill(const exports::ReadingOutline& outline)
{
    using exports::Part;
    ShowMidpointHouse(*lblMidpointliesin_, *RTBHouseDesc_, outline);
    for (const exports::OutlineBlock& block : outline.Body) {
        switch (block.part) {
        case Part::SunGeneral: txtSunDesc_->setPlainText(block.Value); break;
        case Part::SunIn: SetValue(lblSunInSign_, block.Value); break;
        case Part::SunInSign: txtSunInSignDesc_->setPlainText(block.Value); break;
        case Part::MoonElement: SetValue(lblMoonElement_, block.Value); break;
        case Part::MoonGeneral: txtMoonDesc_->setPlainText(block.Value); break;
        case Part::MoonIn: SetValue(lblMoonInSign_, block.Value); break;
        case Part::MoonInSign: txtMoonInSignDesc_->setPlainText(block.Value); break;
        default: break;   // the first tab's, and the house shown above
        }
    }
}

FrmDisplay::FrmDisplay(Program& program, QWidget* parent) : QMainWindow(parent), program_(program)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QString::fromLatin1(text::WindowCaption));
    setWindowIcon(AppIcon());
    // A sizeable border with a maximise button and a close box; the design
    // size is the least.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    BuildMenus();

    auto* central = Named(new QWidget(this), "fraClient");
    PaintBackground(*central);
    setCentralWidget(central);
    designClient_ = QSize(TwipsToPixels(kClientWidth, central->logicalDpiX()),
                          TwipsToPixels(kClientHeight, central->logicalDpiY()));
    central->setMinimumSize(designClient_);
    central->resize(designClient_);
    central->installEventFilter(this);

    auto* promotion = AddLink(*central, "lblPromotion", HomePagePromotion(), kNotePoints, {0, 0, 10320, 585},
                              Qt::AlignHCenter | Qt::AlignTop);
    promotion->setAutoFillBackground(false);
    connect(promotion, &LinkLabel::clicked, this, [this] { program_.Links().OpenHomePage(); });
    stretch_.Add(*promotion, {0, 0, 1, 0});

    SSTab1_ = Named(new QTabWidget(central), "SSTab1");
    SSTab1_->setFont(ReadingFont(kSecondTabPoints, true));
    UseSystemColours(*SSTab1_->tabBar());
    PlaceInTwips(*SSTab1_, 0, 480, 10575, 6855);
    stretch_.Add(*SSTab1_, {0, 0, 1, 1});
    midpointPage_ = new MidpointPage(stretch_, SSTab1_);
    sunMoonHousePage_ = new SunMoonHousePage(program_.Links(), stretch_, SSTab1_);
    SSTab1_->addTab(midpointPage_, exports::CaptionOf(exports::Part::MidpointTab));
    SSTab1_->addTab(sunMoonHousePage_, exports::CaptionOf(exports::Part::SunMoonHouseTab));
    SSTab1_->setCurrentIndex(0);

    BuildBottomStrip(*central);
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

QSize FrmDisplay::DesignSize() const { return minimumSize(); }

void FrmDisplay::FocusFirstText()
{
    SSTab1_->setCurrentIndex(0);
    midpointPage_->FocusFirstText();
}

bool FrmDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        stretch_.Apply(centralWidget()->size() - designClient_);
    return QMainWindow::eventFilter(watched, event);
}

void FrmDisplay::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, &FrmDisplay::backRequested);
    QAction* save = file->addAction(QStringLiteral("&Save Reading As\u2026"));
    save->setObjectName(QStringLiteral("mnuFileSave"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &FrmDisplay::SaveReading);
    QAction* print = file->addAction(QStringLiteral("&Print\u2026"));
    print->setObjectName(QStringLiteral("mnuFilePrint"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &FrmDisplay::PrintReading);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &FrmDisplay::Exit);

    AddHelpMenu(*menuBar(), program_, QStringLiteral("&Check for Software Update"));
    AddMakeMoneyEntry(*menuBar(), program_);
}

void FrmDisplay::BuildBottomStrip(QWidget& central)
{
    auto* strip = Named(new QWidget(&central), "picBottom");
    PaintBackground(*strip);
    PlaceInTwips(*strip, 0, 7080, kClientWidth, 1215);
    stretch_.Add(*strip, {0, 1, 1, 0});

    auto button = [strip](const char* objectName, const char* caption, const QRect& twips) {
        auto* b = Named(new QPushButton(QString::fromLatin1(caption), strip), objectName);
        b->setFont(ReadingFont(kButtonPoints, true));
        b->setAutoDefault(true);
        PlaceInTwips(*b, twips.x(), twips.y(), twips.width(), twips.height());
        return b;
    };
    cmdExit_ = button("cmdExit", "&Exit", {7560, 360, 1140, 465});
    cmdExit_->setDefault(true);
    connect(cmdExit_, &QPushButton::clicked, this, &FrmDisplay::Exit);
    // Narrower than 1860 twips so that it ends inside the window.
    cmdOK_ = button("cmdOK", "&Back", {8800, 360, 1665, 465});
    connect(cmdOK_, &QPushButton::clicked, this, &FrmDisplay::backRequested);
    stretch_.Add(*cmdExit_, {1, 0, 0, 0});
    stretch_.Add(*cmdOK_, {1, 0, 0, 0});

    Program& program = program_;
    auto* fullBrand = AddLink(*strip, "lblFullBrand", QString::fromLatin1(text::FullBrandOffer), kButtonPoints,
                              {240, 240, 5955, 615}, Qt::AlignLeft | Qt::AlignTop);
    connect(fullBrand, &LinkLabel::clicked, this, [&program] { program.Links().OpenFullBrandPage(); });
    auto* cobrand = AddLink(*strip, "lblCobrand", QString::fromLatin1(text::CoBrandOffer), kButtonPoints,
                            {240, 240, 5955, 615}, Qt::AlignLeft | Qt::AlignTop);
    connect(cobrand, &LinkLabel::clicked, this, [&program] { program.Links().OpenCoBrandPage(); });
    cobrand->raise();

    // Above the offers, below the boxes of either tab, so that it is seen
    // whichever tab is shown.
    lblHolds_ = AddLabel(*strip, "lblHolds", QString(), Look::Note, kNotePoints, {240, 0, 9930, 240});
    stretch_.Add(*lblHolds_, {0, 0, 1, 0});
    strip->raise();
}

void FrmDisplay::ShowReading(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    const exports::ReadingOutline outline = exports::OutlineOf(reading, texts);
    midpointPage_->Fill(outline);
    sunMoonHousePage_->Fill(outline);
    SetValue(lblHolds_, outline.Holds);
    // The values were fitted to their texts; that is their design place now.
    stretch_.Capture();
    reading_ = reading;
    texts_ = texts;
}

void FrmDisplay::SaveReading()
{
    if (reading_)
        SaveReadingAs(program_.Services(), *reading_, texts_);
}

void FrmDisplay::PrintReading()
{
    if (reading_)
        ui::PrintReading(program_.Services(), *reading_, texts_);
}

void FrmDisplay::Exit() { close(); }

WindowSize FrmDisplay::CurrentSize() const
{
    const bool maximized = isMaximized();
    return {maximized && normalGeometry().isValid() ? normalGeometry().size() : size(), maximized};
}

void FrmDisplay::closeEvent(QCloseEvent* event)
{
    event->accept();
    WriteWindowSize(program_.Services().settings, CurrentSize());
    if (!program_.IsQuitting())
        program_.QuitProgram();
}

void FrmDisplay::keyPressEvent(QKeyEvent* event)
{
    // Exit is both the default and the cancel button of the window.
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        Exit();
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from the buttons too.
        if (event->modifiers() & Qt::ControlModifier) {
            QCoreApplication::sendEvent(SSTab1_, event);
            return;
        }
        QMainWindow::keyPressEvent(event);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        // A multi-line text box keeps Enter for itself, even a read-only one.
        if (!qobject_cast<QAbstractScrollArea*>(focusWidget()))
            cmdExit_->click();
        return;
    default: QMainWindow::keyPressEvent(event);
    }
}

}  // namespace lunarys::ui
