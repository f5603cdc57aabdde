#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

namespace lunarys::places {

struct BirthClock;

// An offset from universal time, local minus UT in minutes: "UT+5:30",
// "UT-4:00", "UT+0:00".
QString OffsetText(int offsetMinutes);

// The one line that says which clock a reading uses:
//   "Asia/Kolkata on 4 July 1990 06:30: UT+5:30, no daylight saving → 01:00 UT"
// with the UT date added when it is another day ("→ 00:17 UT on 21 July
// 1969"), the amount of daylight saving when it is not one hour ("daylight
// saving of 2:00"), and a word on a clock time that was skipped or repeated.
QString ClockNote(const BirthClock& clock);

// The same line for the clock of a zone list item and the Daylight Saving
// Time box, which takes off one hour more:
//   "Indian Time, IST, +5.3 on 4 July 1990 06:30: UT+5:30, no daylight saving → 01:00 UT"
// Empty for an index outside the list or an impossible date.
QString ListClockNote(int zoneIndex, bool daylightSaving, QDate localDate, QTime localTime);

// The warning for a zone list item and Daylight Saving Time box set by hand
// to another offset than the database's (listOffsetMinutes, local minus UT):
//   "The time-zone database gives UT+2:00 (daylight saving) for Madrid on that
//    date; the list and box say UT+1:00."
// Empty when the two agree.
QString ClockMismatchNote(const BirthClock& clock, QStringView placeName, int listOffsetMinutes);

}  // namespace lunarys::places
