#include "people/people_file.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/reading.h"
#include "places/place_clock.h"
#include "support/qstring_print.h"

namespace lunarys::people {
namespace {

engine::Birth Born(const char* name, int year, int month, int day, int hour, int minute)
{
    engine::Birth b;
    b.Name = QString::fromUtf8(name);
    b.Year = year;
    b.Month = month;
    b.Day = day;
    b.Hour = hour;
    b.Minute = minute;
    return b;
}

// One birth with each kind of clock: a list zone with daylight saving, a
// database zone, and an atlas place whose clock (+5:45) no list item has.
std::vector<engine::Birth> Births()
{
    engine::Birth list = Born("MARY ANN", 1990, 7, 4, 6, 30);
    list.Clock = engine::ListZoneClock{34, true};
    list.LongitudeDegrees = 72, list.LongitudeMinutes = 50, list.LatitudeDegrees = 18, list.LatitudeMinutes = 57;
    list.City = QStringLiteral("Mumbai");

    engine::Birth zone = Born("ANA", 1975, 7, 1, 12, 0);
    zone.Clock = *places::DatabaseClockAt(u"Europe/Madrid", {1975, 7, 1}, {12, 0});
    zone.LongitudeDegrees = 3, zone.LongitudeMinutes = 42, zone.LongitudeIsEast = false;
    zone.LatitudeDegrees = 40, zone.LatitudeMinutes = 25;

    engine::Birth place = Born("RAM", 1990, 7, 4, 6, 30);
    place.Clock = *places::DatabaseClockAt(u"Asia/Kathmandu", {1990, 7, 4}, {6, 30});
    place.LongitudeDegrees = 85, place.LongitudeMinutes = 19, place.LatitudeDegrees = 27, place.LatitudeMinutes = 42;
    place.City = QStringLiteral("Kathmandu"), place.State = QStringLiteral("Bagmati"), place.Country = QStringLiteral("Nepal");
    place.Place = engine::AtlasPlace{place.City, place.State, place.Country, QStringLiteral("Asia/Kathmandu"),
                                     27.70169, 85.3206};
    return {list, zone, place};
}

std::unique_ptr<PeopleFile> MustOpen(const QString& path)
{
    auto opened = PeopleFile::Open(path);
    if (auto* problem = std::get_if<QString>(&opened))
        ADD_FAILURE() << problem->toStdString();
    return std::holds_alternative<QString>(opened) ? nullptr : std::move(std::get<std::unique_ptr<PeopleFile>>(opened));
}

TEST(PeopleFile, EveryKindOfClockComesBackWithTheSameReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/people.sqlite"));
    {
        const auto file = MustOpen(path);
        ASSERT_TRUE(file);
        for (const engine::Birth& birth : Births())
            EXPECT_EQ(std::get<Kept>(file->Keep(birth)), Kept::New);
        // Kept again under the same name in another case: replaced.
        engine::Birth again = Births()[0];
        again.Name = QStringLiteral("mary ann");
        EXPECT_EQ(std::get<Kept>(file->Keep(again)), Kept::Replaced);
        EXPECT_EQ(std::get<Kept>(file->Keep(Births()[0])), Kept::Replaced);
    }
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    const auto file = MustOpen(path);   // opened again, as by another run
    ASSERT_TRUE(file);
    const auto people = std::get<std::vector<Person>>(file->List());
    ASSERT_EQ(people.size(), 3u);
    EXPECT_EQ(people[0].Birth.Name, QStringLiteral("ANA"));   // sorted by name
    for (const engine::Birth& original : Births()) {
        std::optional<Person> found = std::get<std::optional<Person>>(file->Find(original.Name.toLower()));
        ASSERT_TRUE(found) << original.Name.toStdString();
        engine::Birth back = found->Birth;
        ASSERT_TRUE(places::ReadDatabaseClock(back));
        EXPECT_TRUE(back == original) << original.Name.toStdString();
        engine::ChartState a, b;
        const engine::Reading before = engine::RunReading(original, a);
        const engine::Reading after = engine::RunReading(back, b);
        EXPECT_EQ(after.Clock.UtcOffsetMinutes, before.Clock.UtcOffsetMinutes);
        EXPECT_EQ(after.AscendantLongitude, before.AscendantLongitude);
        EXPECT_EQ(after.Midpoint.Degree, before.Midpoint.Degree);
        EXPECT_EQ(after.House, before.House);
        EXPECT_EQ(after.Holds, before.Holds);
    }
    EXPECT_EQ(std::get<std::vector<Person>>(file->List(u"an")).size(), 2u);   // ANA, MARY ANN
    EXPECT_TRUE(std::get<bool>(file->Rename(u"ana", u"Ana Lucia")));
    EXPECT_FALSE(std::holds_alternative<bool>(file->Rename(u"ANA LUCIA", u"ram")));   // taken
    EXPECT_TRUE(std::get<bool>(file->Forget(u"ram")));
    EXPECT_FALSE(std::get<bool>(file->Forget(u"ram")));
    EXPECT_EQ(file->Recent(5), (QStringList{QStringLiteral("MARY ANN"), QStringLiteral("ANA LUCIA")}));
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another program's database, or ours with a later version.
void MakeDatabase(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& statement : statements)
            ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

TEST(PeopleFile, AFileNotOursIsLeftByteForByte)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.sqlite"));
    {
        QFile file(damaged);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("SQLite format 3") + QByteArray(4000, '\x5a'));
    }
    const QString foreign = dir.filePath(QStringLiteral("foreign.sqlite"));
    MakeDatabase(foreign, {QStringLiteral("CREATE TABLE notes (text TEXT)"),
                           QStringLiteral("INSERT INTO notes VALUES ('mine')")});
    const QString newer = dir.filePath(QStringLiteral("newer.sqlite"));
    {
        const auto file = MustOpen(newer);
        ASSERT_TRUE(file);
        file->Keep(Births()[0]);
    }
    MakeDatabase(newer, {QStringLiteral("PRAGMA user_version=2")});

    const struct {
        QString path;
        const char* says;
    } cases[] = {{damaged, "is not a Lunarys people file"},
                 {foreign, "is not a Lunarys people file"},
                 {newer, "was written by a newer Lunarys (people file version 2)"}};
    for (const auto& c : cases) {
        const QByteArray before = Bytes(c.path);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
        const auto opened = PeopleFile::Open(c.path);
        ASSERT_TRUE(std::holds_alternative<QString>(opened)) << c.path.toStdString();
        const QString problem = std::get<QString>(opened);
        EXPECT_TRUE(problem.contains(c.path)) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String(c.says))) << problem.toStdString();
        EXPECT_FALSE(problem.contains(u'\n'));
        EXPECT_EQ(Bytes(c.path), before) << c.path.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore) << c.path.toStdString();
    }
}

}  // namespace
}  // namespace lunarys::people
