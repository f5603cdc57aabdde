#include "presentation/reading_labels.h"

#include "astro/position_text.h"
#include "engine/house.h"
#include "engine/qt_text.h"

namespace lunarys::presentation {

using engine::ToQString;

QString SignName(engine::Sign sign) { return ToQString(engine::NameOf(sign)); }
QString ElementName(engine::Element element) { return ToQString(engine::NameOf(element)); }
QString TemperamentName(engine::Temperament t) { return ToQString(engine::NameOf(t)); }

QString PositionText(const engine::BodyPosition& body) { return ToQString(astro::PositionText(body.Longitude)); }

QString AscendantText(const engine::Reading& reading)
{
    return ToQString(astro::AscendantText(reading.AscendantLongitude));
}

QString MidpointLabel(const engine::MidpointPosition& midpoint)
{
    const std::string_view abbreviation = engine::Signs[static_cast<std::size_t>(midpoint.Sign)].Abbreviation;
    return QStringLiteral("%1 %2").arg(midpoint.DegreeInSign(), 2, 10, QLatin1Char('0')).arg(ToQString(abbreviation));
}

QString MidpointCaption(const engine::MidpointPosition& midpoint)
{
    return QStringLiteral("%1\u00ba %2").arg(midpoint.DegreeInSign()).arg(SignName(midpoint.Sign));
}

QString HouseName(int house)
{
    if (house < 1 || house > static_cast<int>(engine::Houses.size()))
        return {};
    return ToQString(engine::Houses[static_cast<std::size_t>(house - 1)].Name);
}

QString HouseHeading(int house)
{
    if (house < 1 || house > static_cast<int>(engine::Houses.size()))
        return {};
    return ToQString(engine::Houses[static_cast<std::size_t>(house - 1)].Heading);
}

QString UniversalTimeText(const engine::ClockUsed& clock)
{
    const astro::CivilDateTime& ut = clock.UniversalTime;
    return QStringLiteral("%1-%2-%3T%4:%5Z")
        .arg(ut.year, 4, 10, QLatin1Char('0'))
        .arg(ut.month, 2, 10, QLatin1Char('0'))
        .arg(ut.day, 2, 10, QLatin1Char('0'))
        .arg(ut.hour, 2, 10, QLatin1Char('0'))
        .arg(ut.minute, 2, 10, QLatin1Char('0'));
}

}  // namespace lunarys::presentation
