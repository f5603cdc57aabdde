#include "export/birth_details.h"

#include <QDate>
#include <QStringList>

#include "engine/qt_text.h"
#include "engine/zodiac.h"
#include "engine/zones.h"
#include "presentation/reading_labels.h"

namespace lunarys::exports {

namespace {

QString Coordinate(int degrees, int minutes, QChar hemisphere)
{
    return QStringLiteral("%1\u00b0 %2' %3").arg(degrees).arg(minutes, 2, 10, QLatin1Char('0')).arg(hemisphere);
}

// The time-zone database's zone when it gave the clock, else the list's item.
QString ZoneText(const engine::Reading& r)
{
    if (!r.Clock.TimeZone.isEmpty())
        return r.Clock.TimeZone;
    const auto* list = std::get_if<engine::ListZoneClock>(&r.Birth.Clock);
    if (list && list->ZoneIndex >= 0 && list->ZoneIndex < static_cast<int>(engine::Zones.size()))
        return engine::ToQString(engine::Zones[static_cast<std::size_t>(list->ZoneIndex)].Item);
    return {};
}

}  // namespace

QList<DetailLine> BirthDetailLines(const engine::Reading& r)
{
    const engine::Birth& b = r.Birth;
    QList<DetailLine> lines;
    lines.append({QStringLiteral("Date of birth"), engine::DateText(QDate(b.Year, b.Month, b.Day))});
    lines.append({QStringLiteral("Time of birth"),
                  QStringLiteral("%1:%2").arg(b.Hour, 2, 10, QLatin1Char('0')).arg(b.Minute, 2, 10, QLatin1Char('0'))});
    const QString zone = ZoneText(r);
    if (!zone.isEmpty())
        lines.append({QStringLiteral("Time zone"), zone});
    lines.append({QStringLiteral("Daylight saving time"), r.Clock.DaylightSaving ? QStringLiteral("Yes") : QStringLiteral("No")});
    QStringList place;
    for (const QString& part : {b.City, b.State, b.Country})
        if (!part.trimmed().isEmpty())
            place << part.trimmed();
    if (!place.isEmpty())
        lines.append({QStringLiteral("Place"), place.join(QStringLiteral(", "))});
    lines.append({QStringLiteral("Longitude"),
                  Coordinate(b.LongitudeDegrees, b.LongitudeMinutes, b.LongitudeIsEast ? u'E' : u'W')});
    lines.append({QStringLiteral("Latitude"),
                  Coordinate(b.LatitudeDegrees, b.LatitudeMinutes, b.LatitudeIsSouth ? u'S' : u'N')});
    lines.append({QStringLiteral("Universal time used"), presentation::UniversalTimeText(r.Clock)});
    if (!r.Clock.Note.isEmpty())
        lines.append({QStringLiteral("Note"), r.Clock.Note});
    return lines;
}

QList<DetailLine> ChartDetailLines(const engine::Reading& r)
{
    using namespace presentation;
    const engine::Sign midpoint = r.Midpoint.Sign;
    return {
        {QStringLiteral("Sun"), QStringLiteral("%1 (%2)").arg(PositionText(r.Sun), SignName(r.Sun.Sign))},
        {QStringLiteral("Moon"), QStringLiteral("%1 (%2)").arg(PositionText(r.Moon), SignName(r.Moon.Sign))},
        {QStringLiteral("Ascendant"), AscendantText(r)},
        {QStringLiteral("Midpoint"), QStringLiteral("%1, %2, %3")
                                         .arg(MidpointCaption(r.Midpoint), ElementName(engine::ElementOf(midpoint)),
                                              TemperamentName(engine::TemperamentOf(midpoint)))},
        {QStringLiteral("House"), HouseName(r.House)},
    };
}

}  // namespace lunarys::exports
