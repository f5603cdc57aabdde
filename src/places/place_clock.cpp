#include "places/place_clock.h"

#include "engine/zones.h"
#include "places/clock_note.h"
#include "places/day_clock_history.h"

namespace lunarys::places {

engine::DatabaseClock DatabaseClockOf(const BirthClock& clock)
{
    return {clock.offsetMinutes, clock.daylightSaving, QString::fromUtf8(clock.timeZone), ClockNote(clock),
            DayClockAt(clock.timeZone, clock.localDate)};
}

std::optional<engine::DatabaseClock> DatabaseClockAt(QStringView timeZone, QDate localDate, QTime localTime)
{
    const QByteArray name = timeZone.toUtf8();
    if (!IsKnownTimeZone(name))
        return std::nullopt;
    const std::optional<BirthClock> clock = ClockAt(name, localDate, localTime);
    if (!clock)
        return std::nullopt;
    return DatabaseClockOf(*clock);
}

ZoneChoice ListChoiceFor(const BirthClock& clock)
{
    ZoneChoice choice = ZoneChoiceFor(clock);
    for (int apart = 1; choice.zoneIndex < 0 && apart <= 12 * 60; ++apart)
        for (const int offset : {clock.standardOffsetMinutes - apart, clock.standardOffsetMinutes + apart})
            if (choice.zoneIndex < 0)
                choice.zoneIndex = engine::StandardZoneIndex(offset);
    return choice;
}

bool ReadDatabaseClock(engine::Birth& birth)
{
    const engine::DatabaseClock* kept = engine::DatabaseClockOf(birth);
    if (!kept)
        return true;
    std::optional<engine::DatabaseClock> clock =
        DatabaseClockAt(kept->TimeZone, QDate(birth.Year, birth.Month, birth.Day), QTime(birth.Hour, birth.Minute));
    if (!clock)
        return false;
    birth.Clock = *std::move(clock);
    return true;
}


void PlaceClock::Choose(places::Place place)
{
    place_ = std::move(place);
    byHand_ = false;
}

void PlaceClock::Forget()
{
    place_.reset();
    byHand_ = false;
}

void PlaceClock::SetByHand() { byHand_ = true; }

std::optional<BirthClock> PlaceClock::ClockOn(QDate localDate, QTime localTime) const
{
    if (!place_)
        return std::nullopt;
    return ClockAt(place_->timeZone.toUtf8(), localDate, localTime);
}

std::optional<ZoneChoice> PlaceClock::ListChoiceOn(QDate localDate, QTime localTime) const
{
    const std::optional<BirthClock> clock = FollowsDatabase() ? ClockOn(localDate, localTime) : std::nullopt;
    if (!clock)
        return std::nullopt;
    return ListChoiceFor(*clock);
}

std::optional<engine::DatabaseClock> PlaceClock::GivenClockOn(QDate localDate, QTime localTime) const
{
    if (!FollowsDatabase())
        return std::nullopt;
    const std::optional<BirthClock> clock = ClockOn(localDate, localTime);
    if (!clock)
        return std::nullopt;
    return DatabaseClockOf(*clock);
}

QString PlaceClock::Note(QDate localDate, QTime localTime, int zoneIndex, bool daylightSaving) const
{
    if (!localDate.isValid())
        return QStringLiteral("No clock yet: the date does not exist.");
    const std::optional<BirthClock> clock = ClockOn(localDate, localTime);
    if (clock && !byHand_) {
        QString note = ClockNote(*clock);
        if (!ZoneChoiceFor(*clock).exact)
            note += QStringLiteral(". No list item and box give %1; the reading uses it all the same.")
                        .arg(OffsetText(clock->offsetMinutes));
        return note;
    }
    QString note = ListClockNote(zoneIndex, daylightSaving, localDate, localTime);
    if (clock && zoneIndex >= 0 && zoneIndex < static_cast<int>(engine::Zones.size())) {
        const QString warning =
            ClockMismatchNote(*clock, place_->name, engine::ZoneOffsetMinutes(zoneIndex, daylightSaving));
        if (!warning.isEmpty())
            note += QStringLiteral(". ") + warning;
    }
    return note;
}

}  // namespace lunarys::places
