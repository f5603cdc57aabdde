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

QString MidpointLabel(const engine::MidpointPosition& midpoint) { return ToQString(MidpointLabelUtf8(midpoint)); }

QString MidpointCaption(const engine::MidpointPosition& midpoint) { return ToQString(MidpointCaptionUtf8(midpoint)); }

QString HouseName(int house) { return ToQString(HouseNameUtf8(house)); }

QString HouseHeading(int house)
{
    if (house < 1 || house > static_cast<int>(engine::Houses.size()))
        return {};
    return ToQString(engine::Houses[static_cast<std::size_t>(house - 1)].Heading);
}

QString UniversalTimeText(const engine::ClockUsed& clock)
{
    return QString::fromLatin1(UniversalTimeUtf8(clock));
}

std::string UniversalTimeUtf8(const engine::ClockUsed& clock)
{
    const astro::CivilDateTime& ut = clock.UniversalTime;
    std::string text = "0000-00-00T00:00Z";
    const auto put = [&text](std::size_t at, int value, int digits) {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            text[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    };
    put(0, ut.year, 4);
    put(5, ut.month, 2);
    put(8, ut.day, 2);
    put(11, ut.hour, 2);
    put(14, ut.minute, 2);
    return text;
}

QString MinuteOfDayText(int minute) { return ToQString(MinuteOfDayUtf8(minute)); }

std::string MidpointLabelUtf8(const engine::MidpointPosition& midpoint)
{
    const int degree = midpoint.DegreeInSign();
    std::string label{static_cast<char>('0' + degree / 10), static_cast<char>('0' + degree % 10), ' '};
    label += engine::Signs[static_cast<std::size_t>(midpoint.Sign)].Abbreviation;
    return label;
}

std::string MidpointCaptionUtf8(const engine::MidpointPosition& midpoint)
{
    std::string caption = std::to_string(midpoint.DegreeInSign());
    caption += "\xc2\xba ";  // the masculine ordinal º, as the result window shows it
    caption += engine::NameOf(midpoint.Sign);
    return caption;
}

std::string_view HouseNameUtf8(int house)
{
    if (house < 1 || house > static_cast<int>(engine::Houses.size()))
        return {};
    return engine::Houses[static_cast<std::size_t>(house - 1)].Name;
}

std::string MinuteOfDayUtf8(int minute)
{
    const int hour = minute / 60;
    const int minutes = minute % 60;
    return {static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10), ':',
            static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10)};
}

}  // namespace lunarys::presentation
