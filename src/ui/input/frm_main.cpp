#include "ui/input/frm_main.h"

#include <array>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/reading.h"
#include "places/atlas_loader.h"
#include "people/people_file.h"
#include "places/place_coordinates.h"
#include "ui/input/key_filter.h"
#include "ui/input/people_dialog.h"
#include "ui/input/place_completion.h"
#include "ui/input/plain_text_validator.h"
#include "ui/input/zone_list.h"
#include "ui/shell/accessibility.h"
#include "ui/shell/app_icon.h"
#include "ui/shell/link_label.h"
#include "ui/shell/menus.h"
#include "ui/shell/people_shelf.h"
#include "ui/shell/program.h"
#include "ui/shell/program_texts.h"
#include "ui/shell/reading_presenter.h"
#include "ui/shell/web_links.h"

namespace lunarys::ui {

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2050;

QString Latin1(const char* text) { return QString::fromLatin1(text); }

template <typename W>
W* Named(W* widget, const char* objectName)
{
    widget->setObjectName(Latin1(objectName));
    return widget;
}

// A list that takes no typed text, heard by a screen reader as `spokenName`.
QComboBox* DropDownList(QWidget* parent, const char* objectName, const char* spokenName)
{
    auto* list = Named(new QComboBox(parent), objectName);
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::NoInsert);
    NameList(*list, Latin1(spokenName));
    return list;
}

void AddNumbers(QComboBox& list, int first, int last)
{
    for (int n = first; n <= last; ++n)
        list.addItem(QString::number(n));
}

// A coordinate box wide enough for its digits. Its captions ("Deg", "Min")
// are the same in both frames, so a screen reader hears `spokenName`.
QLineEdit* NumberBox(QWidget* parent, const char* objectName, int maxDigits, const char* spokenName)
{
    auto* box = Named(new QLineEdit(parent), objectName);
    box->setMaxLength(maxDigits);
    box->setAccessibleName(Latin1(spokenName));
    box->setAccessibleDescription(QStringLiteral("digits only"));
    const QFontMetrics metrics(box->font());
    box->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("0")) * (maxDigits + 1) + 16);
    return box;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A caption that names the box beside it for a screen reader.
QLabel* Caption(const QString& text, QWidget& box)
{
    QLabel* label = Caption(text, box.parentWidget());
    label->setBuddy(&box);
    return label;
}

// The line under the zone list that says which clock the reading will use,
// in slightly smaller print. It has room for the longest note, three lines,
// so that the window keeps its size whatever the note says. A screen reader
// hears "Clock used" with the note itself as the description.
QLabel* ClockNoteLabel(QWidget* parent)
{
    auto* note = Named(new QLabel(parent), "lblClockNote");
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = note->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    note->setFont(font);
    note->setMinimumHeight(3 * QFontMetrics(font).lineSpacing());
    note->setAccessibleName(QStringLiteral("Clock used"));
    return note;
}

// Degrees, minutes and the two hemisphere buttons of one coordinate.
QGroupBox* CoordinateFrame(const char* title, QLineEdit* degrees, QLineEdit* minutes, QRadioButton* first,
                           QRadioButton* second, QWidget* parent)
{
    auto* frame = new QGroupBox(Latin1(title), parent);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(Caption(QStringLiteral("Deg"), frame), 0, 0);
    grid->addWidget(degrees, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Min"), frame), 0, 2);
    grid->addWidget(minutes, 0, 3);
    grid->addWidget(first, 1, 0, 1, 2);
    grid->addWidget(second, 1, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    return frame;
}

}  // namespace

FrmMain::FrmMain(Program& program, engine::ChartState& chart, ReadingPresenter& presenter, QWidget* parent)
    : QMainWindow(parent), program_(program), chart_(chart), presenter_(presenter)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Latin1(text::WindowCaption));
    setWindowIcon(AppIcon());
    BuildMenus();
    BuildControls();
    SetTabOrder();
    Load();
    ConnectPlaceClock();
}

Program::InputWindowFactory FrmMain::Factory(engine::ChartState& chart, ReadingPresenter& presenter,
                                             places::AtlasLoader* atlas, PeopleShelf* people)
{
    return [&chart, &presenter, atlas, people](Program& program) {
        auto window = std::make_unique<FrmMain>(program, chart, presenter);
        if (people)
            window->UsePeople(*people);
        if (atlas) {
            connect(atlas, &places::AtlasLoader::loaded, window.get(), &FrmMain::UseAtlas);
            atlas->Start();
        }
        return window;
    };
}

void FrmMain::UseAtlas(std::shared_ptr<const places::Atlas> atlas) { placeCompletion_->UseAtlas(std::move(atlas)); }

void FrmMain::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* reading = file->addAction(QStringLiteral("Find My Midpoint Astrology Reading"));
    reading->setObjectName(QStringLiteral("mnuFileReading"));
    connect(reading, &QAction::triggered, this, &FrmMain::RunReading);
    fileMenu_ = file;
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    AddHelpMenu(*menuBar(), program_, QStringLiteral("Check for Software &Update"));
    AddMakeMoneyEntry(*menuBar(), program_);
}

void FrmMain::UsePeople(PeopleShelf& people)
{
    people_ = &people;
    QAction* exit = fileMenu_->findChild<QAction*>(QStringLiteral("mnuFileExit"));
    peopleAction_ = new QAction(QStringLiteral("&People\u2026"), fileMenu_);
    peopleAction_->setObjectName(QStringLiteral("mnuFilePeople"));
    peopleAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    fileMenu_->insertAction(exit, peopleAction_);
    fileMenu_->insertSeparator(exit);
    connect(peopleAction_, &QAction::triggered, this, &FrmMain::ShowPeople);
    connect(fileMenu_, &QMenu::aboutToShow, this, &FrmMain::FillRecentPeople);
}

// The five people opened or kept last, above Exit: "&1 MARY ANN".
void FrmMain::FillRecentPeople()
{
    qDeleteAll(recentActions_);
    recentActions_.clear();
    people::PeopleFile* file = people_ ? people_->File() : nullptr;
    if (!file)
        return;
    QAction* exit = fileMenu_->findChild<QAction*>(QStringLiteral("mnuFileExit"));
    const QStringList names = file->Recent(5);
    for (int i = 0; i < names.size(); ++i) {
        QString shown = names[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(u'&', QStringLiteral("&&"))),
                                   fileMenu_);
        action->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        const QString name = names[i];
        connect(action, &QAction::triggered, this, [this, name] {
            people::PeopleFile* opened = people_ ? people_->File() : nullptr;
            if (!opened)
                return;
            const auto found = opened->Find(name);
            const auto* person = std::get_if<std::optional<people::Person>>(&found);
            if (!person || !*person)
                return;
            engine::Birth birth = (*person)->Birth;
            if (!places::ReadDatabaseClock(birth))
                return;
            opened->MarkUsed(name);
            ShowBirth(birth);
        });
        fileMenu_->insertAction(exit, action);
        recentActions_ << action;
    }
    if (!names.isEmpty())
        recentActions_ << fileMenu_->insertSeparator(exit);
}

void FrmMain::ShowPeople()
{
    if (!people_ || !people_->File())
        return;
    PeopleDialog dialog(*people_, program_.Services().dialogs, this);
    connect(&dialog, &PeopleDialog::opened, this, &FrmMain::ShowBirth);
    program_.Services().dialogs.RunModal(dialog);
}

void FrmMain::ShowBirth(const engine::Birth& birth)
{
    txtName_->setText(birth.Name);
    cboMonth_->setCurrentIndex(birth.Month - 1);
    cboDate_->setCurrentIndex(birth.Day - 1);
    cboYear_->setCurrentIndex(cboYear_->findText(QString::number(birth.Year)));
    cboHH_->setCurrentIndex(birth.Hour);
    cboMM_->setCurrentIndex(birth.Minute);
    cboSS_->setCurrentIndex(0);
    txtLonD_->setText(QString::number(birth.LongitudeDegrees));
    txtLonM_->setText(QString::number(birth.LongitudeMinutes));
    (birth.LongitudeIsEast ? optEast_ : optWest_)->setChecked(true);
    txtLatD_->setText(QString::number(birth.LatitudeDegrees));
    txtLatM_->setText(QString::number(birth.LatitudeMinutes));
    (birth.LatitudeIsSouth ? optSouth_ : optNorth_)->setChecked(true);
    txtMCity_->setText(birth.City);
    txtMState_->setText(birth.State);
    txtMCountry_->setText(birth.Country);

    const engine::DatabaseClock* database = engine::DatabaseClockOf(birth);
    zoneWithoutPlace_ = database && !birth.Place;
    if (birth.Place) {
        const engine::AtlasPlace& p = *birth.Place;
        placeClock_.Choose(places::Place{p.Name, p.State, p.Country, p.TimeZone, p.Latitude, p.Longitude, 0});
    } else if (database) {
        // A clock by its zone's name alone follows that zone as a place's would.
        const double lat = (birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0) * (birth.LatitudeIsSouth ? -1 : 1);
        const double lon = (birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0) * (birth.LongitudeIsEast ? 1 : -1);
        placeClock_.Choose(places::Place{database->TimeZone, {}, {}, database->TimeZone, lat, lon, 0});
    } else {
        placeClock_.Forget();
    }
    if (const auto* list = std::get_if<engine::ListZoneClock>(&birth.Clock)) {
        cmbTimeZone_->setCurrentIndex(list->ZoneIndex);
        chkDST_->setChecked(list->DaylightSaving);
        if (birth.Place)
            placeClock_.SetByHand();
    }
    FollowClock();
    RunReading();
}

void FrmMain::BuildControls()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    auto* promotion = LinkLabel::Create(HomePagePromotion(), "lblPromotion", central);
    promotion->setAlignment(Qt::AlignCenter);
    QFont promotionFont = promotion->font();
    promotionFont.setBold(true);
    promotion->setFont(promotionFont);
    connect(promotion, &LinkLabel::clicked, this, [this] { program_.Links().OpenHomePage(); });

    auto* details = Named(new QGroupBox(QStringLiteral("Input Your Personal Details"), central), "fraDetails");
    auto* grid = new QGridLayout(details);
    QLineEdit* name = BuildNameBox(*details);
    grid->addWidget(Caption(QStringLiteral("Name"), *name), 0, 0);
    grid->addWidget(name, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Date of Birth"), details), 1, 0);
    grid->addLayout(BuildDateLists(*details), 1, 1);
    grid->addWidget(Caption(QStringLiteral("Time of Birth"), details), 2, 0);
    grid->addLayout(BuildTimeLists(*details), 2, 1);
    grid->addWidget(chkDST_, 3, 1);
    grid->addWidget(BuildZoneFrame(*details), 4, 0, 1, 2);
    grid->addLayout(BuildCoordinates(*details), 5, 0, 1, 2);
    grid->addLayout(BuildPlace(*details), 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(details, 3);
    columns->addSpacing(8);
    columns->addLayout(BuildSideColumn(*central), 2);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(promotion);
    layout->addLayout(columns);
}

QLineEdit* FrmMain::BuildNameBox(QWidget& details)
{
    txtName_ = Named(new QLineEdit(&details), "txtName");
    txtName_->setAccessibleDescription(QStringLiteral("letters only"));
    KeyFilter::Install(*txtName_, BoxRule::Name, program_.Services().dialogs);
    return txtName_;
}

QHBoxLayout* FrmMain::BuildDateLists(QWidget& details)
{
    cboMonth_ = DropDownList(&details, "cboMonth", "Month of birth");
    cboDate_ = DropDownList(&details, "cboDate", "Day of birth");
    cboYear_ = DropDownList(&details, "cboYear", "Year of birth");
    auto* date = new QHBoxLayout;
    date->addWidget(cboMonth_);
    date->addWidget(cboDate_);
    date->addWidget(cboYear_);
    date->addStretch(1);
    return date;
}

QHBoxLayout* FrmMain::BuildTimeLists(QWidget& details)
{
    cboHH_ = DropDownList(&details, "cboHH", "Hour of birth");
    cboMM_ = DropDownList(&details, "cboMM", "Minute of birth");
    cboSS_ = DropDownList(&details, "cboSS", "Second of birth (not used)");
    chkDST_ = Named(new QCheckBox(QStringLiteral("Daylight Saving Time"), &details), "chkDST");
    auto* time = new QHBoxLayout;
    time->addWidget(cboHH_);
    time->addWidget(Caption(QStringLiteral(":"), &details));
    time->addWidget(cboMM_);
    time->addWidget(Caption(QStringLiteral(":"), &details));
    time->addWidget(cboSS_);
    time->addWidget(Caption(QStringLiteral("HH:MM:SS"), &details));
    time->addStretch(1);
    return time;
}

QGroupBox* FrmMain::BuildZoneFrame(QWidget& details)
{
    auto* zoneFrame = Named(new QGroupBox(QStringLiteral("Zone"), &details), "fraZone");
    cmbTimeZone_ = DropDownList(zoneFrame, "cmbTimeZone", "Time zone");
    cmbTimeZone_->setMaxVisibleItems(20);
    lblClockNote_ = ClockNoteLabel(zoneFrame);
    auto* zoneLayout = new QVBoxLayout(zoneFrame);
    zoneLayout->addWidget(cmbTimeZone_);
    zoneLayout->addWidget(lblClockNote_);
    return zoneFrame;
}

QHBoxLayout* FrmMain::BuildCoordinates(QWidget& details)
{
    txtLonD_ = NumberBox(&details, "txtLonD", 3, "Longitude degrees");
    txtLonM_ = NumberBox(&details, "txtLonM", 2, "Longitude minutes");
    txtLatD_ = NumberBox(&details, "txtLatD", 2, "Latitude degrees");
    txtLatM_ = NumberBox(&details, "txtLatM", 2, "Latitude minutes");
    for (QLineEdit* box : {txtLonD_, txtLonM_, txtLatD_, txtLatM_})
        KeyFilter::Install(*box, BoxRule::Digits, program_.Services().dialogs);

    optEast_ = Named(new QRadioButton(QStringLiteral("East"), &details), "optLong_0");
    optWest_ = Named(new QRadioButton(QStringLiteral("West"), &details), "optLong_1");
    optNorth_ = Named(new QRadioButton(QStringLiteral("North"), &details), "optLat_0");
    optSouth_ = Named(new QRadioButton(QStringLiteral("South"), &details), "optLat_1");
    optLong_ = Named(new QButtonGroup(this), "optLong");
    optLong_->addButton(optEast_, 0);
    optLong_->addButton(optWest_, 1);
    optLat_ = Named(new QButtonGroup(this), "optLat");
    optLat_->addButton(optNorth_, 0);
    optLat_->addButton(optSouth_, 1);
    optEast_->setChecked(true);
    optNorth_->setChecked(true);

    auto* longitude = CoordinateFrame("Longitude", txtLonD_, txtLonM_, optEast_, optWest_, &details);
    longitude->setObjectName(QStringLiteral("fraLongitude"));
    auto* latitude = CoordinateFrame("Latitude", txtLatD_, txtLatM_, optNorth_, optSouth_, &details);
    latitude->setObjectName(QStringLiteral("fraLatitude"));
    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(longitude);
    coordinates->addWidget(latitude);
    return coordinates;
}

QGridLayout* FrmMain::BuildPlace(QWidget& details)
{
    txtMCity_ = Named(new QLineEdit(&details), "txtMCity");
    txtMState_ = Named(new QLineEdit(&details), "txtMState");
    txtMCountry_ = Named(new QLineEdit(&details), "txtMCountry");
    for (QLineEdit* box : {txtMCity_, txtMState_, txtMCountry_})
        box->setValidator(new PlainTextValidator(box));
    placeCompletion_ = new PlaceCompletion(*txtMCity_);
    cmdBrowser_ = Named(new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), &details),
                        "cmdBrowser");
    connect(cmdBrowser_, &QPushButton::clicked, this, &FrmMain::PlaceLookup);

    auto* place = new QGridLayout;
    place->addWidget(Caption(QStringLiteral("City"), *txtMCity_), 0, 0);
    place->addWidget(txtMCity_, 0, 1);
    place->addWidget(Caption(QStringLiteral("State"), *txtMState_), 1, 0);
    place->addWidget(txtMState_, 1, 1);
    place->addWidget(Caption(QStringLiteral("Country"), *txtMCountry_), 2, 0);
    place->addWidget(txtMCountry_, 2, 1);
    place->addWidget(cmdBrowser_, 3, 1);
    return place;
}

// About the program, the reading command and the offers.
QVBoxLayout* FrmMain::BuildSideColumn(QWidget& central)
{
    auto* description = Named(new QLabel(Latin1(text::Description), &central), "lblDescription");
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    cmdRashi_ = Named(new QPushButton(QStringLiteral("Find My Midpoint Astrology Reading"), &central), "cmdRashi");
    QFont rashiFont = cmdRashi_->font();
    rashiFont.setBold(true);
    cmdRashi_->setFont(rashiFont);
    cmdRashi_->setMinimumHeight(cmdRashi_->sizeHint().height() * 3 / 2);
    cmdRashi_->setAutoDefault(true);
    connect(cmdRashi_, &QPushButton::clicked, this, &FrmMain::RunReading);

    auto* cobrand = LinkLabel::Create(Latin1(text::CoBrandOffer), "lblCobrand", &central);
    connect(cobrand, &LinkLabel::clicked, this, [this] { program_.Links().OpenCoBrandPage(); });
    auto* fullBrand = LinkLabel::Create(Latin1(text::FullBrandOffer), "lblFullBrand", &central);
    connect(fullBrand, &LinkLabel::clicked, this, [this] { program_.Links().OpenFullBrandPage(); });

    auto* side = new QVBoxLayout;
    side->addWidget(description);
    side->addSpacing(12);
    side->addWidget(cmdRashi_);
    side->addStretch(1);
    side->addWidget(cobrand);
    side->addSpacing(8);
    side->addWidget(fullBrand);
    return side;
}

void FrmMain::SetTabOrder()
{
    const std::array<QWidget*, 22> order{txtName_, cboMonth_, cboDate_,  cboYear_,  cboHH_,     cboMM_,
                                         cboSS_,   chkDST_,   txtLonM_,  optEast_,  optWest_,   txtLatD_,
                                         txtLatM_, optNorth_, optSouth_, txtMCity_, txtMState_, txtMCountry_,
                                         cmdBrowser_, cmdRashi_, txtLonD_, cmbTimeZone_};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void FrmMain::Load()
{
    for (int month = 1; month <= 12; ++month)
        cboMonth_->addItem(QLocale::c().monthName(month));
    FillZoneList(*cmbTimeZone_);
    AddNumbers(*cboDate_, 1, 31);
    AddNumbers(*cboYear_, kFirstYear, kLastYear);
    AddNumbers(*cboHH_, 0, 23);
    AddNumbers(*cboMM_, 0, 59);
    AddNumbers(*cboSS_, 0, 59);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_, cboSS_})
        list->setCurrentIndex(0);
    cmbTimeZone_->setCurrentIndex(engine::DefaultZoneIndex);
}

engine::BirthInput FrmMain::CurrentInput() const
{
    engine::BirthInput input;
    input.Name = txtName_->text();
    input.MonthIndex = cboMonth_->currentIndex();
    input.DayIndex = cboDate_->currentIndex();
    input.Year = cboYear_->currentText().toInt();
    input.Hour = cboHH_->currentText().toInt();
    input.Minute = cboMM_->currentText().toInt();
    input.ZoneIndex = cmbTimeZone_->currentIndex();
    input.DaylightSaving = chkDST_->isChecked();
    input.LongitudeDegrees = txtLonD_->text();
    input.LongitudeMinutes = txtLonM_->text();
    input.LongitudeIsEast = optEast_->isChecked();
    input.LatitudeDegrees = txtLatD_->text();
    input.LatitudeMinutes = txtLatM_->text();
    input.LatitudeIsSouth = optSouth_->isChecked();
    input.City = txtMCity_->text();
    input.State = txtMState_->text();
    input.Country = txtMCountry_->text();
    input.Clock = placeClock_.GivenClockOn(BirthDate(), BirthTime());
    if (const std::optional<places::Place>& place = placeClock_.Place(); place && !zoneWithoutPlace_)
        input.Place = engine::AtlasPlace{place->name,     place->state,    place->country,
                                         place->timeZone, place->latitude, place->longitude};
    return input;
}

QDate FrmMain::BirthDate() const
{
    return {cboYear_->currentText().toInt(), cboMonth_->currentIndex() + 1, cboDate_->currentIndex() + 1};
}

QTime FrmMain::BirthTime() const { return {cboHH_->currentText().toInt(), cboMM_->currentText().toInt()}; }

void FrmMain::ConnectPlaceClock()
{
    connect(placeCompletion_, &PlaceCompletion::chosen, this, &FrmMain::ChoosePlace);
    for (QComboBox* list : {cboMonth_, cboDate_, cboYear_, cboHH_, cboMM_})
        connect(list, &QComboBox::currentIndexChanged, this, &FrmMain::FollowClock);
    connect(cmbTimeZone_, &QComboBox::currentIndexChanged, this, &FrmMain::ShowClockNote);
    connect(chkDST_, &QCheckBox::toggled, this, &FrmMain::ShowClockNote);
    // Only the user's own choices set the clock by hand; the window's own
    // changes in FollowClock() send neither signal.
    const auto byHand = [this] {
        placeClock_.SetByHand();
        ShowClockNote();
    };
    connect(cmbTimeZone_, &QComboBox::activated, this, byHand);
    connect(chkDST_, &QCheckBox::clicked, this, byHand);
    for (QLineEdit* box : {txtLonD_, txtLonM_, txtLatD_, txtLatM_})
        connect(box, &QLineEdit::textEdited, this, &FrmMain::ForgetPlaceIfMoved);
    for (QButtonGroup* pair : {optLong_, optLat_})
        connect(pair, &QButtonGroup::buttonClicked, this, &FrmMain::ForgetPlaceIfMoved);
    ShowClockNote();
}

void FrmMain::ChoosePlace(const places::Place& place)
{
    zoneWithoutPlace_ = false;
    const places::PlaceCoordinates at = places::CoordinatesOf(place);
    txtMCity_->setText(place.name);
    txtMState_->setText(place.state);
    txtMCountry_->setText(place.country);
    txtLonD_->setText(QString::number(at.longitudeDegrees));
    txtLonM_->setText(QString::number(at.longitudeMinutes));
    (at.longitudeIsEast ? optEast_ : optWest_)->setChecked(true);
    txtLatD_->setText(QString::number(at.latitudeDegrees));
    txtLatM_->setText(QString::number(at.latitudeMinutes));
    (at.latitudeIsSouth ? optSouth_ : optNorth_)->setChecked(true);
    placeClock_.Choose(place);
    FollowClock();
}

// New coordinates typed or a hemisphere clicked by hand: the place is
// forgotten once the boxes no longer hold its position.
void FrmMain::ForgetPlaceIfMoved()
{
    const std::optional<places::Place>& place = placeClock_.Place();
    if (!place)
        return;
    const places::PlaceCoordinates at = places::CoordinatesOf(*place);
    const bool stillThere = txtLonD_->text() == QString::number(at.longitudeDegrees)
                         && txtLonM_->text() == QString::number(at.longitudeMinutes)
                         && optEast_->isChecked() == at.longitudeIsEast
                         && txtLatD_->text() == QString::number(at.latitudeDegrees)
                         && txtLatM_->text() == QString::number(at.latitudeMinutes)
                         && optSouth_->isChecked() == at.latitudeIsSouth;
    if (stillThere)
        return;
    placeClock_.Forget();
    zoneWithoutPlace_ = false;
    ShowClockNote();
}

// With a place whose clock the reading follows, the zone list and the box
// show that clock for the date and time entered; where they cannot show it
// exactly, the note says the offset the reading takes.
void FrmMain::FollowClock()
{
    if (const std::optional<places::ZoneChoice> shown = placeClock_.ListChoiceOn(BirthDate(), BirthTime())) {
        if (shown->zoneIndex >= 0)
            cmbTimeZone_->setCurrentIndex(shown->zoneIndex);
        chkDST_->setChecked(shown->daylightSaving);
    }
    ShowClockNote();
}

void FrmMain::ShowClockNote()
{
    const QString note =
        placeClock_.Note(BirthDate(), BirthTime(), cmbTimeZone_->currentIndex(), chkDST_->isChecked());
    lblClockNote_->setText(note);
    lblClockNote_->setAccessibleDescription(note);
}

void FrmMain::RunReading()
{
    const std::variant<engine::Birth, engine::InputProblem> birth = engine::TakeBirth(CurrentInput());
    if (const auto* problem = std::get_if<engine::InputProblem>(&birth)) {
        ShowProblem(*problem);
        return;
    }
    presenter_.ShowReading(engine::RunReading(std::get<engine::Birth>(birth), chart_), *this);
}

void FrmMain::ShowProblem(const engine::InputProblem& problem)
{
    program_.Services().dialogs.ShowMessage(problem.Message, problem.Icon);
    if (QWidget* box = BoxFor(problem.Focus))
        box->setFocus(Qt::OtherFocusReason);
}

QWidget* FrmMain::BoxFor(engine::InputField field) const
{
    switch (field) {
    case engine::InputField::None: return nullptr;
    case engine::InputField::Name: return txtName_;
    case engine::InputField::LongitudeDegrees: return txtLonD_;
    case engine::InputField::LongitudeMinutes: return txtLonM_;
    case engine::InputField::LatitudeDegrees: return txtLatD_;
    case engine::InputField::LatitudeMinutes: return txtLatM_;
    }
    return nullptr;
}

void FrmMain::PlaceLookup()
{
    // These three take the boxes as they are: a box of blanks is not empty.
    const struct {
        QLineEdit* box;
        const char* message;
    } required[] = {{txtMCity_, text::EnterCity}, {txtMState_, text::EnterState}, {txtMCountry_, text::EnterCountry}};
    for (const auto& [box, message] : required) {
        if (box->text().isEmpty()) {
            program_.Services().dialogs.ShowMessage(Latin1(message), MessageIcon::Information);
            box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    program_.Links().PlaceSearch(txtMCity_->text() + u' ' + txtMState_->text() + u' ' + txtMCountry_->text()
                                 + QStringLiteral(" Latitude Longitude"));
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!program_.IsQuitting())
        program_.QuitProgram();
}

}  // namespace lunarys::ui
