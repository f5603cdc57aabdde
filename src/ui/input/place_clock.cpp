#include "ui/input/place_clock.h"

#include "engine/zones.h"
#include "places/clock_note.h"
#include "places/day_clock_history.h"

namespace lunarys::ui {

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

std::optional<places::BirthClock> PlaceClock::ClockOn(QDate localDate, QTime localTime) const
{
    if (!place_)
        return std::nullopt;
    return places::ClockAt(place_->timeZone.toUtf8(), localDate, localTime);
}

std::optional<places::ZoneChoice> PlaceClock::ListChoiceOn(QDate localDate, QTime localTime) const
{
    const std::optional<places::BirthClock> clock = FollowsDatabase() ? ClockOn(localDate, localTime) : std::nullopt;
    if (!clock)
        return std::nullopt;
    places::ZoneChoice choice = places::ZoneChoiceFor(*clock);
    for (int apart = 1; choice.zoneIndex < 0 && apart <= 12 * 60; ++apart)
        for (const int offset : {clock->standardOffsetMinutes - apart, clock->standardOffsetMinutes + apart})
            if (choice.zoneIndex < 0)
                choice.zoneIndex = engine::StandardZoneIndex(offset);
    return choice;
}

std::optional<engine::GivenClock> PlaceClock::GivenClockOn(QDate localDate, QTime localTime) const
{
    if (!FollowsDatabase())
        return std::nullopt;
    const std::optional<places::BirthClock> clock = ClockOn(localDate, localTime);
    if (!clock)
        return std::nullopt;
    return engine::GivenClock{clock->offsetMinutes, clock->daylightSaving, place_->timeZone, places::ClockNote(*clock),
                              places::DayClockAt(clock->timeZone, localDate)};
}

QString PlaceClock::Note(QDate localDate, QTime localTime, int zoneIndex, bool daylightSaving) const
{
    if (!localDate.isValid())
        return QStringLiteral("No clock yet: the date does not exist.");
    const std::optional<places::BirthClock> clock = ClockOn(localDate, localTime);
    if (clock && !byHand_) {
        QString note = places::ClockNote(*clock);
        if (!places::ZoneChoiceFor(*clock).exact)
            note += QStringLiteral(". No list item and box give %1; the reading uses it all the same.")
                        .arg(places::OffsetText(clock->offsetMinutes));
        return note;
    }
    QString note = places::ListClockNote(zoneIndex, daylightSaving, localDate, localTime);
    if (clock && zoneIndex >= 0 && zoneIndex < static_cast<int>(engine::Zones.size())) {
        const QString warning =
            places::ClockMismatchNote(*clock, place_->name, engine::ZoneOffsetMinutes(zoneIndex, daylightSaving));
        if (!warning.isEmpty())
            note += QStringLiteral(". ") + warning;
    }
    return note;
}

}  // namespace lunarys::ui
