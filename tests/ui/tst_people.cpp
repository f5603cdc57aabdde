// Kept people in the windows: keeping the reading shown, the People dialog
// opening a person into the input window, deleting from the keyboard, and a
// people file that is not ours.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include "engine/reading.h"
#include "people/people_file.h"
#include "places/place_clock.h"
#include "support.h"
#include "ui/input/people_dialog.h"
#include "ui/shell/people_shelf.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

// The program as main() builds it, with its people in a file of the test's.
struct ProgramWithPeople {
    explicit ProgramWithPeople(const QString& path) : shelf(fakes.services.dialogs, path) {}
    FakePlatform fakes;
    engine::ChartState chart;
    Program program{fakes.services};
    PeopleShelf shelf;
    ResultWindows results{program, &shelf};
    FrmMain& Start()
    {
        program.StartProgram(FrmMain::Factory(chart, results, nullptr, &shelf));
        return *qobject_cast<FrmMain*>(program.InputWindow());
    }
};

// Runs the People dialog through the fake platform: `use` drives it.
void WithPeopleDialog(ProgramWithPeople& p, FrmMain& input, const std::function<void(PeopleDialog&)>& use)
{
    p.fakes.dialogs.onModal = [&use](QDialog& dialog) {
        if (auto* people = qobject_cast<PeopleDialog*>(&dialog))
            use(*people);
    };
    Control<QAction>(input, "mnuFilePeople").trigger();
    p.fakes.dialogs.onModal = nullptr;
}

}  // namespace

class PeopleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DeleteLaterNow(); }

    void keptThenOpenedAsTyped()
    {
        QTemporaryDir dir;
        ProgramWithPeople p(dir.filePath(QStringLiteral("people.sqlite")));
        FrmMain& input = p.Start();
        Enter(input, kExample);
        input.RunReading();
        QVERIFY(p.results.ResultWindow());
        Control<QAction>(*p.results.ResultWindow(), "mnuFileKeep").trigger();
        QCOMPARE(Control<QLabel>(*p.results.ResultWindow(), "lblKept").text(), QStringLiteral("Kept MARY ANN"));
        const engine::BirthInput typed = input.CurrentInput();

        // A person with a place whose clock no list item gives (+5:45).
        engine::Birth ram;
        ram.Name = QStringLiteral("RAM");
        ram.Year = 1990, ram.Month = 7, ram.Day = 4, ram.Hour = 6, ram.Minute = 30;
        ram.Clock = *places::DatabaseClockAt(u"Asia/Kathmandu", {1990, 7, 4}, {6, 30});
        ram.LongitudeDegrees = 85, ram.LongitudeMinutes = 19, ram.LatitudeDegrees = 27, ram.LatitudeMinutes = 42;
        ram.City = QStringLiteral("Kathmandu"), ram.Country = QStringLiteral("Nepal");
        ram.Place = engine::AtlasPlace{ram.City, {}, ram.Country, QStringLiteral("Asia/Kathmandu"), 27.70169, 85.3206};
        QVERIFY(!p.shelf.Keep(ram).isEmpty());

        // Typed over, then opened from the dialog by searching and Enter.
        Enter(input, Birth{QStringLiteral("Jo"), 0, 0, QStringLiteral("2000"), QStringLiteral("12"),
                           QStringLiteral("0"), 14, QStringLiteral("58"), QStringLiteral("22"), true,
                           QStringLiteral("34"), QStringLiteral("36"), true});
        WithPeopleDialog(p, input, [](PeopleDialog& dialog) {
            QCOMPARE(dialog.List().model()->rowCount(), 2);
            QTest::keyClicks(&dialog.Search(), QStringLiteral("ary"));
            QCOMPARE(dialog.List().model()->rowCount(), 1);
            QTest::keyClick(&dialog.Search(), Qt::Key_Return);
        });
        const engine::BirthInput opened = input.CurrentInput();
        QCOMPARE(opened.Name, typed.Name);
        QCOMPARE(opened.MonthIndex, typed.MonthIndex);
        QCOMPARE(opened.DayIndex, typed.DayIndex);
        QCOMPARE(opened.Year, typed.Year);
        QCOMPARE(opened.Hour, typed.Hour);
        QCOMPARE(opened.Minute, typed.Minute);
        QCOMPARE(opened.ZoneIndex, typed.ZoneIndex);
        QCOMPARE(opened.LongitudeDegrees, typed.LongitudeDegrees);
        QCOMPARE(opened.LatitudeMinutes, typed.LatitudeMinutes);
        QCOMPARE(opened.LongitudeIsEast, typed.LongitudeIsEast);
        QVERIFY(p.results.ResultWindow());   // and the reading is shown
        QVERIFY(!input.isVisible());

        // The place person: the place and the database's clock come back.
        WithPeopleDialog(p, input, [](PeopleDialog& dialog) {
            QTest::keyClick(&dialog.List(), Qt::Key_Down);
            QTest::keyClick(&dialog.List(), Qt::Key_Return);
        });
        const engine::BirthInput placed = input.CurrentInput();
        QCOMPARE(placed.Name, QStringLiteral("RAM"));
        QVERIFY(placed.Clock && placed.Place);
        QCOMPARE(placed.Clock->UtcOffsetMinutes, 345);
        QCOMPARE(placed.Place->TimeZone, QStringLiteral("Asia/Kathmandu"));
        QVERIFY(Control<QLabel>(input, "lblClockNote").text().startsWith(QStringLiteral("Asia/Kathmandu on 4 July 1990 06:30: UT+5:45")));

        // The File menu lists them, the one opened last first.
        Control<QMenu>(input, "mnuFile").popup({0, 0});
        QCOMPARE(Control<QAction>(input, "mnuFileRecent1").text(), QStringLiteral("&1 RAM"));
        QCOMPARE(Control<QAction>(input, "mnuFileRecent2").text(), QStringLiteral("&2 MARY ANN"));
        Control<QMenu>(input, "mnuFile").hide();

        // Delete from the keyboard, after the question.
        p.fakes.dialogs.answerYes = true;
        WithPeopleDialog(p, input, [](PeopleDialog& dialog) {
            QTest::keyClick(&dialog.List(), Qt::Key_Delete);
            QCOMPARE(dialog.List().model()->rowCount(), 1);
        });
        QCOMPARE(p.fakes.dialogs.questions.size(), 1);
        QCOMPARE(std::get<std::vector<people::Person>>(p.shelf.File()->List()).size(), std::size_t(1));
    }

    void aFileNotOursIsToldOnceAndLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("people.sqlite"));
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a database");
        damaged.close();
        ProgramWithPeople p(path);
        FrmMain& input = p.Start();
        Control<QAction>(input, "mnuFilePeople").trigger();
        Control<QMenu>(input, "mnuFile").popup({0, 0});
        Control<QMenu>(input, "mnuFile").hide();
        Enter(input, kExample);
        input.RunReading();
        Control<QAction>(*p.results.ResultWindow(), "mnuFileKeep").trigger();
        QCOMPARE(p.fakes.dialogs.messages.size(), 1);
        QVERIFY(p.fakes.dialogs.messages[0].text.contains(path));
        QCOMPARE(p.fakes.dialogs.modalRuns, 0);
        QVERIFY(damaged.open(QIODevice::ReadOnly));
        QCOMPARE(damaged.readAll(), QByteArray("not a database"));
    }
};

QTEST_MAIN(PeopleTest)
#include "tst_people.moc"
