#pragma once

#include <optional>

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QTime>

namespace lunarys::places {

// How a local clock time stood to the clock changes of its zone.
enum class LocalTimeKind {
    Normal,
    Skipped,   // did not exist: clocks were put forward over it
    Repeated,  // happened twice: clocks were put back over it
};

// The clock of a birth: what the time-zone database says of a local date and
// time in an IANA zone. Offsets are local time minus universal time, in whole
// minutes, as the reading uses them (Amsterdam in June 1935 was UT+1:19:32,
// taken as +1:20).
struct BirthClock {
    QByteArray timeZone;       // IANA name, e.g. "Asia/Kolkata"
    QDate localDate;
    QTime localTime;           // to the minute
    int offsetMinutes = 0;
    int standardOffsetMinutes = 0;
    int daylightMinutes = 0;   // offsetMinutes - standardOffsetMinutes
    bool daylightSaving = false;
    LocalTimeKind kind = LocalTimeKind::Normal;
    QDateTime universalTime;   // UTC, localDate/localTime less offsetMinutes

    friend bool operator==(const BirthClock&, const BirthClock&) = default;
};

// The clock at a local date and time (seconds are dropped) in an IANA zone,
// nullopt for a name the database does not know. A clock time that was
// skipped or repeated takes the offset in force before the change, which for
// a repeated time is its first (daylight) occurrence.
//
// Daylight saving is read as the database's rearguard form does: where a zone
// writes its winter as negative daylight saving (Dublin since 1971, Windhoek
// 1994-2017, Casablanca since 2018), the lower offset counts as standard time
// and the higher one as daylight saving.
std::optional<BirthClock> ClockAt(QByteArrayView ianaId, QDate localDate, QTime localTime);

// Whether the name is one of the database's zones: a catalogued zone or an
// older name kept for it ("Europe/Kiev"), in the form Area/Location. Rejects
// what QTimeZone alone would take as a zone (a POSIX rule such as "XYZ3", a
// path, an empty name).
bool IsKnownTimeZone(QByteArrayView ianaId);

}  // namespace lunarys::places
