#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QStringView>
#include <QTime>

#include "engine/birth.h"
#include "places/clock_history.h"
#include "places/place.h"
#include "places/zone_choice.h"

namespace lunarys::places {

// The clock a reading takes from the time-zone database: the offset and
// daylight saving at the birth's local date and time, the note that says so,
// and the clock of the whole birth day.
engine::DatabaseClock DatabaseClockOf(const BirthClock& clock);

// The database clock of a zone name at a local date and time; nothing for an
// unknown name or a date that does not exist.
std::optional<engine::DatabaseClock> DatabaseClockAt(QStringView timeZone, QDate localDate, QTime localTime);

// How the zone list and the box show a database clock: the item of the
// standard offset and the box ticked for daylight saving; where no item has
// that offset (Nepal's +5:45, local mean time), the item nearest to it.
ZoneChoice ListChoiceFor(const BirthClock& clock);

// Reads a birth's database clock again for its date and time, from its zone's
// name alone (a kept birth). False, and the birth unchanged, when the
// database does not know the name or the date does not exist.
bool ReadDatabaseClock(engine::Birth& birth);

// The place chosen from the atlas and the clock that goes with it, as the
// input window keeps them. While a place is remembered and the zone list and
// the box have not been set by hand, the reading takes the time-zone
// database's clock; otherwise the list's and the box's.
class PlaceClock {
public:
    // Remembers the place; the list and the box follow the database again.
    void Choose(places::Place place);
    void Forget();
    // The user set the zone list or the box: they count from now on, until a
    // place is chosen again.
    void SetByHand();

    const std::optional<places::Place>& Place() const { return place_; }
    // Whether the reading takes the database's clock.
    bool FollowsDatabase() const { return place_.has_value() && !byHand_; }

    // The database's clock of the remembered place at a local date and time;
    // nothing without a place or for a date that does not exist.
    std::optional<BirthClock> ClockOn(QDate localDate, QTime localTime) const;

    // How the zone list and the box show the database's clock while they
    // follow it: the item of the standard offset and the box ticked for
    // daylight saving. Where no item has that offset (Nepal's +5:45, local
    // mean time), the item nearest to it. Nothing when they do not follow.
    std::optional<ZoneChoice> ListChoiceOn(QDate localDate, QTime localTime) const;

    // The clock for the reading when it is the database's, else nothing.
    std::optional<engine::DatabaseClock> GivenClockOn(QDate localDate, QTime localTime) const;

    // The one line that says which clock the reading will use, with the list
    // item and box given: the database's (saying so when the list and the box
    // cannot show its offset), or the list's followed by a warning when a
    // place's database clock differs from it.
    QString Note(QDate localDate, QTime localTime, int zoneIndex, bool daylightSaving) const;

private:
    std::optional<places::Place> place_;
    bool byHand_ = false;
};

}  // namespace lunarys::places
