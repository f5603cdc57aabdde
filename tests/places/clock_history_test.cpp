#include "places/clock_history.h"

#include <gtest/gtest.h>

#include "places/clock_note.h"
#include "places/day_clock_history.h"
#include "places/zone_choice.h"
#include "support/qstring_print.h"

namespace lunarys::places {
namespace {

// Historical clocks, each from the legal time of its place and date (not from
// the database): offset and standard offset in minutes east of Greenwich.
struct Birth {
    const char* what;
    QByteArray zone;
    QDate date;
    QTime time;
    int offset;
    int standard;
    bool daylight;
    LocalTimeKind kind;
    QDateTime universal;
};

QDateTime Ut(int y, int mo, int d, int h, int mi) { return QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC); }

TEST(ClockAt, HistoricalBirths)
{
    using enum LocalTimeKind;
    const Birth births[] = {
        {"Spain, summer time (CEST)", "Europe/Madrid", {1975, 7, 1}, {12, 0}, 120, 60, true, Normal, Ut(1975, 7, 1, 10, 0)},
        {"D-Day, British double summer time", "Europe/London", {1944, 6, 6}, {6, 30}, 120, 0, true, Normal, Ut(1944, 6, 6, 4, 30)},
        {"first step on the Moon, EDT", "America/New_York", {1969, 7, 20}, {22, 56}, -240, -300, true, Normal, Ut(1969, 7, 21, 2, 56)},
        {"Nepal time", "Asia/Kathmandu", {2024, 5, 1}, {9, 0}, 345, 345, false, Normal, Ut(2024, 5, 1, 3, 15)},
        {"Indian war time", "Asia/Kolkata", {1943, 6, 1}, {12, 0}, 390, 330, true, Normal, Ut(1943, 6, 1, 5, 30)},
        {"Indian standard time", "Asia/Kolkata", {1990, 7, 4}, {6, 30}, 330, 330, false, Normal, Ut(1990, 7, 4, 1, 0)},
        {"Amsterdam summer time, UT+1:19:32", "Europe/Amsterdam", {1935, 6, 15}, {12, 0}, 80, 20, true, Normal, Ut(1935, 6, 15, 10, 40)},
        {"clocks forward at 01:00 GMT", "Europe/London", {2021, 3, 28}, {1, 30}, 0, 0, false, Skipped, Ut(2021, 3, 28, 1, 30)},
        {"clocks back at 02:00 BST", "Europe/London", {2021, 10, 31}, {1, 30}, 60, 0, true, Repeated, Ut(2021, 10, 31, 0, 30)},
        {"Irish winter: GMT", "Europe/Dublin", {2020, 1, 15}, {12, 0}, 0, 0, false, Normal, Ut(2020, 1, 15, 12, 0)},
        {"Irish summer: IST", "Europe/Dublin", {2020, 7, 15}, {12, 0}, 60, 0, true, Normal, Ut(2020, 7, 15, 11, 0)},
        {"British summer after 2037, by today's law", "Europe/London", {2045, 7, 1}, {12, 0}, 60, 0, true, Normal, Ut(2045, 7, 1, 11, 0)},
        {"an old name of the database", "Europe/Kiev", {1990, 1, 10}, {12, 0}, 180, 180, false, Normal, Ut(1990, 1, 10, 9, 0)},
    };
    for (const Birth& b : births) {
        SCOPED_TRACE(b.what);
        const std::optional<BirthClock> clock = ClockAt(b.zone, b.date, b.time);
        ASSERT_TRUE(clock.has_value());
        EXPECT_EQ(clock->offsetMinutes, b.offset);
        EXPECT_EQ(clock->standardOffsetMinutes, b.standard);
        EXPECT_EQ(clock->daylightMinutes, b.offset - b.standard);
        EXPECT_EQ(clock->daylightSaving, b.daylight);
        EXPECT_EQ(clock->kind, b.kind);
        EXPECT_EQ(clock->universalTime, b.universal);
    }
}

TEST(ClockAt, OnlyZoneNamesOfTheDatabase)
{
    EXPECT_TRUE(IsKnownTimeZone("Asia/Kolkata"));
    EXPECT_TRUE(IsKnownTimeZone("America/Argentina/Buenos_Aires"));
    for (const char* name : {"", "Mars/Olympus_Mons", "XYZ3", "Foo", "../zoneinfo/Europe/London", "Europe//London",
                             "right/Europe/London", "europe/london"})
        EXPECT_FALSE(IsKnownTimeZone(name)) << name;
    EXPECT_FALSE(ClockAt("Mars/Olympus_Mons", {1990, 7, 4}, {6, 30}).has_value());
}

TEST(ClockNote, SaysWhichClockTheReadingUses)
{
    const struct {
        QByteArray zone;
        QDate date;
        QTime time;
        QString note;
    } cases[] = {
        {"Asia/Kolkata", {1990, 7, 4}, {6, 30},
         QStringLiteral("Asia/Kolkata on 4 July 1990 06:30: UT+5:30, no daylight saving \u2192 01:00 UT")},
        {"America/New_York", {1969, 7, 20}, {22, 56},
         QStringLiteral("America/New_York on 20 July 1969 22:56: UT-4:00, daylight saving \u2192 02:56 UT on 21 July 1969")},
        {"Europe/London", {1944, 6, 6}, {6, 30},
         QStringLiteral("Europe/London on 6 June 1944 06:30: UT+2:00, daylight saving of 2:00 \u2192 04:30 UT")},
        {"Europe/London", {2021, 3, 28}, {1, 30},
         QStringLiteral("Europe/London on 28 March 2021 01:30: UT+0:00, no daylight saving \u2192 01:30 UT (this "
                        "clock time did not exist: clocks were put forward; taken as before the change)")},
        {"Europe/London", {2021, 10, 31}, {1, 30},
         QStringLiteral("Europe/London on 31 October 2021 01:30: UT+1:00, daylight saving \u2192 00:30 UT (this "
                        "clock time happened twice: clocks were put back; taken as the first, before the change)")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClockNote(*ClockAt(c.zone, c.date, c.time)), c.note);

    const BirthClock madrid = *ClockAt("Europe/Madrid", {1975, 7, 1}, {12, 0});
    EXPECT_EQ(ClockMismatchNote(madrid, u"Madrid", 60),
              QStringLiteral("The time-zone database gives UT+2:00 (daylight saving) for Madrid on that date; the "
                             "list and box say UT+1:00."));
    EXPECT_TRUE(ClockMismatchNote(madrid, u"Madrid", 120).isEmpty());
}

// The zone list item of the standard offset and the box for daylight time.
TEST(ZoneChoiceFor, ListItemAndBoxOfAClock)
{
    const struct {
        QByteArray zone;
        QDate date;
        ZoneChoice choice;
    } cases[] = {
        {"Europe/Madrid", {1975, 7, 1}, {20, true, true}},    // Central European Time, box ticked
        {"Asia/Kolkata", {1990, 7, 4}, {34, false, true}},    // "Indian Time, IST, +5.3"
        {"America/New_York", {1969, 7, 20}, {27, true, true}},  // Eastern Standard Time, box ticked
        {"Europe/London", {1944, 6, 6}, {29, true, false}},   // GMT and the box give +1, not +2
        {"Asia/Kathmandu", {2024, 5, 1}, {-1, false, false}},  // no item for +5:45
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneChoiceFor(*ClockAt(c.zone, c.date, {12, 0})), c.choice) << c.zone.constData();
}

}  // namespace
}  // namespace lunarys::places

namespace lunarys::places {
namespace {

// The clock of a whole day: the minutes the clocks skipped are left out, a
// repeated hour counts at its first (daylight) occurrence.
TEST(DayClockAt, ClockChangesWithinADay)
{
    using engine::ClockPiece;
    const auto piece = [](int from, int to, int offset) { return ClockPiece{from, to, SettingOfOffset(offset)}; };
    const struct {
        const char* what;
        QByteArray zone;
        QDate date;
        std::vector<ClockPiece> pieces;
    } days[] = {
        {"London, clocks forward at 01:00 GMT", "Europe/London", {2021, 3, 28}, {piece(0, 59, 0), piece(120, 1439, 60)}},
        {"London, clocks back at 02:00 BST", "Europe/London", {2021, 10, 31}, {piece(0, 119, 60), piece(120, 1439, 0)}},
        {"New York, 2 April 1990 is an ordinary day", "America/New_York", {1990, 4, 2}, {piece(0, 1439, -240)}},
        {"New York, clocks forward at 02:00 EST", "America/New_York", {1990, 4, 1}, {piece(0, 119, -300), piece(180, 1439, -240)}},
        {"Kathmandu", "Asia/Kathmandu", {2024, 5, 1}, {piece(0, 1439, 345)}},
        {"an unknown zone", "Mars/Olympus_Mons", {2024, 5, 1}, {}},
    };
    for (const auto& d : days)
        EXPECT_EQ(DayClockAt(d.zone, d.date).Pieces, d.pieces) << d.what;
}

}  // namespace
}  // namespace lunarys::places
