#include "places/clock_note.h"

#include <array>
#include <cstdlib>

#include <QDate>
#include <QTime>

#include "engine/qt_text.h"
#include "engine/zones.h"
#include "places/clock_history.h"

namespace lunarys::places {

namespace {

QString TimeText(QTime time) { return time.toString(QStringLiteral("HH:mm")); }

// "2:00": hours and two-digit minutes of an amount of minutes, unsigned.
QString HoursMinutes(int minutes)
{
    const int magnitude = std::abs(minutes);
    return QStringLiteral("%1:%2").arg(magnitude / 60).arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QString DaylightText(const BirthClock& clock)
{
    if (!clock.daylightSaving)
        return QStringLiteral("no daylight saving");
    if (clock.daylightMinutes == 60)
        return QStringLiteral("daylight saving");
    return QStringLiteral("daylight saving of %1").arg(HoursMinutes(clock.daylightMinutes));
}

QString ChangeText(LocalTimeKind kind)
{
    switch (kind) {
    case LocalTimeKind::Skipped:
        return QStringLiteral(" (this clock time did not exist: clocks were put forward; taken as before the change)");
    case LocalTimeKind::Repeated:
        return QStringLiteral(" (this clock time happened twice: clocks were put back; taken as the first, before the change)");
    case LocalTimeKind::Normal:
        break;
    }
    return {};
}

QString ClockNoteNamed(const QString& clockName, const BirthClock& clock)
{
    const QDate utDate = clock.universalTime.date();
    QString universal = TimeText(clock.universalTime.time()) + QStringLiteral(" UT");
    if (utDate != clock.localDate)
        universal += QStringLiteral(" on ") + engine::DateText(utDate);
    return QStringLiteral("%1 on %2 %3: %4, %5 \u2192 %6%7")
        .arg(clockName, engine::DateText(clock.localDate), TimeText(clock.localTime), OffsetText(clock.offsetMinutes),
             DaylightText(clock), universal, ChangeText(clock.kind));
}

}  // namespace

QString OffsetText(int offsetMinutes)
{
    return QStringLiteral("UT%1%2").arg(QChar(offsetMinutes < 0 ? u'-' : u'+')).arg(HoursMinutes(offsetMinutes));
}

QString ClockNote(const BirthClock& clock) { return ClockNoteNamed(QString::fromUtf8(clock.timeZone), clock); }

QString ListClockNote(int zoneIndex, bool daylightSaving, QDate localDate, QTime localTime)
{
    if (zoneIndex < 0 || zoneIndex >= static_cast<int>(engine::Zones.size()) || !localDate.isValid()
        || !localTime.isValid())
        return {};
    BirthClock clock;
    clock.localDate = localDate;
    clock.localTime = QTime(localTime.hour(), localTime.minute());
    clock.offsetMinutes = engine::ZoneOffsetMinutes(zoneIndex, daylightSaving);
    clock.daylightMinutes = daylightSaving ? 60 : 0;
    clock.standardOffsetMinutes = clock.offsetMinutes - clock.daylightMinutes;
    clock.daylightSaving = daylightSaving;
    clock.universalTime = QDateTime(localDate, clock.localTime, Qt::UTC).addSecs(-60LL * clock.offsetMinutes);
    const std::string_view item = engine::Zones[static_cast<std::size_t>(zoneIndex)].Item;
    return ClockNoteNamed(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())), clock);
}

QString ClockMismatchNote(const BirthClock& clock, QStringView placeName, int listOffsetMinutes)
{
    if (listOffsetMinutes == clock.offsetMinutes)
        return {};
    return QStringLiteral("The time-zone database gives %1 (%2) for %3 on that date; the list and box say %4.")
        .arg(OffsetText(clock.offsetMinutes), clock.daylightSaving ? QStringLiteral("daylight saving") : QStringLiteral("no daylight saving"),
             placeName.toString(), OffsetText(listOffsetMinutes));
}

}  // namespace lunarys::places
