#pragma once

#include <memory>

#include <QDate>
#include <QMainWindow>
#include <QTime>

#include "engine/birth_input.h"
#include "engine/chart_state.h"
#include "engine/input_check.h"
#include "places/atlas.h"
#include "places/place_clock.h"
#include "ui/shell/program.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace lunarys::places {
class AtlasLoader;
}

namespace lunarys::ui {

class PeopleShelf;
class PlaceCompletion;
class ReadingPresenter;

// The input window: the birth details, their key filters, the input check
// and the command that runs a reading.
class FrmMain : public QMainWindow {
    Q_OBJECT

public:
    FrmMain(Program& program, engine::ChartState& chart, ReadingPresenter& presenter, QWidget* parent = nullptr);

    // What the start-up calls to make the input window. With an atlas loader,
    // the window starts it and offers places in the City box once it is done.
    static Program::InputWindowFactory Factory(engine::ChartState& chart, ReadingPresenter& presenter,
                                               places::AtlasLoader* atlas = nullptr, PeopleShelf* people = nullptr);

    // The kept people this window offers (File › People…, the recent ones).
    void UsePeople(PeopleShelf& people);

    // Fills the window with a birth exactly as if it had been typed (the
    // place and its clock included) and shows its reading.
    void ShowBirth(const engine::Birth& birth);

    // File › People…: the dialog of kept people.
    void ShowPeople();

    // The atlas whose places the City box offers from now on.
    void UseAtlas(std::shared_ptr<const places::Atlas> atlas);

    // The details as the controls hold them now.
    engine::BirthInput CurrentInput() const;

    // Checks the details and, when they pass, shows the reading in place of
    // this window; otherwise tells what is wrong and moves the focus there.
    void RunReading();

    // Opens a map search for the city, state and country.
    void PlaceLookup();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void FillRecentPeople();
    // The controls, one group a function; each returns the group's layout.
    void BuildControls();
    QLineEdit* BuildNameBox(QWidget& details);
    QHBoxLayout* BuildDateLists(QWidget& details);
    QHBoxLayout* BuildTimeLists(QWidget& details);
    QGroupBox* BuildZoneFrame(QWidget& details);
    QHBoxLayout* BuildCoordinates(QWidget& details);
    QGridLayout* BuildPlace(QWidget& details);
    QVBoxLayout* BuildSideColumn(QWidget& central);
    void SetTabOrder();
    void Load();
    // The place from the atlas and its clock.
    void ConnectPlaceClock();
    void ChoosePlace(const places::Place& place);
    void ForgetPlaceIfMoved();
    void FollowClock();
    void ShowClockNote();
    QDate BirthDate() const;
    QTime BirthTime() const;
    void ShowProblem(const engine::InputProblem& problem);
    QWidget* BoxFor(engine::InputField field) const;

    Program& program_;
    engine::ChartState& chart_;
    ReadingPresenter& presenter_;

    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
    QComboBox* cboHH_ = nullptr;
    QComboBox* cboMM_ = nullptr;
    QComboBox* cboSS_ = nullptr;
    QCheckBox* chkDST_ = nullptr;
    QComboBox* cmbTimeZone_ = nullptr;
    QLineEdit* txtLonD_ = nullptr;
    QLineEdit* txtLonM_ = nullptr;
    QButtonGroup* optLong_ = nullptr;
    QRadioButton* optEast_ = nullptr;
    QRadioButton* optWest_ = nullptr;
    QLineEdit* txtLatD_ = nullptr;
    QLineEdit* txtLatM_ = nullptr;
    QButtonGroup* optLat_ = nullptr;
    QRadioButton* optNorth_ = nullptr;
    QRadioButton* optSouth_ = nullptr;
    QLineEdit* txtMCity_ = nullptr;
    QLineEdit* txtMState_ = nullptr;
    QLineEdit* txtMCountry_ = nullptr;
    QPushButton* cmdBrowser_ = nullptr;
    QPushButton* cmdRashi_ = nullptr;
    QLabel* lblClockNote_ = nullptr;
    PlaceCompletion* placeCompletion_ = nullptr;
    PeopleShelf* people_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* peopleAction_ = nullptr;
    QList<QAction*> recentActions_;
    // A birth opened with a time-zone name and no atlas place: its zone
    // stands in for a place, which the birth does not get.
    bool zoneWithoutPlace_ = false;
    places::PlaceClock placeClock_;
};

}  // namespace lunarys::ui
