#include "export/chart_wheel.h"

#include <cmath>
#include <numbers>

#include "engine/house.h"
#include "engine/qt_text.h"
#include "engine/zodiac.h"

namespace lunarys::exports {

namespace {

// The box and the rings, in wheel units.
constexpr double kSize = 440;
constexpr double kOuter = 180;
constexpr double kZodiac = 146;
constexpr double kHub = 26;
constexpr double kHouseNumbers = 40;
constexpr double kTick = 10;
constexpr double kDot = 4.5;
// The Sun and Moon share a circle unless they are close; the midpoint has
// its own, further in. The ascendant is marked on the ring's outer edge with
// its label outside, clear of the sign names.
constexpr double kSunMoon = 124;
constexpr double kMoonWhenClose = 102;
constexpr double kCloseDegrees = 12;
constexpr double kMidpoint = 80;
constexpr double kLabelInward = 18;
constexpr double kAscendantLabel = 203;
constexpr double kAscendantTick = 7;

double Normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

double Separation(double a, double b)
{
    const double d = Normalised(a - b);
    return d > 180 ? 360 - d : d;
}

}  // namespace

double ChartWheel::ScreenAngle(double longitude) const { return Normalised(180.0 + longitude - AscendantLongitude); }

QPointF ChartWheel::At(double longitude, double radius) const
{
    const double radians = ScreenAngle(longitude) * std::numbers::pi / 180.0;
    return {Centre.x() + radius * std::cos(radians), Centre.y() - radius * std::sin(radians)};
}

const char* BodyId(WheelBody body)
{
    switch (body) {
    case WheelBody::Sun: return "sun";
    case WheelBody::Moon: return "moon";
    case WheelBody::Midpoint: return "midpoint";
    case WheelBody::Ascendant: return "ascendant";
    }
    return "";
}

const char* ElementFill(engine::Element element)
{
    switch (element) {
    case engine::Element::Fire: return "#fbe0d0";
    case engine::Element::Earth: return "#ece6d2";
    case engine::Element::Air: return "#e0ecf7";
    case engine::Element::Water: return "#d9efe8";
    }
    return "#ffffff";
}

const char* MarkColour(WheelBody body)
{
    switch (body) {
    case WheelBody::Sun: return "#c0660a";
    case WheelBody::Moon: return "#2f5d8c";
    case WheelBody::Midpoint: return "#7b2d8e";
    case WheelBody::Ascendant: return "#b3202a";
    }
    return "#000000";
}

ChartWheel WheelOf(const engine::Reading& reading)
{
    ChartWheel w;
    w.Size = kSize;
    w.Centre = {kSize / 2, kSize / 2};
    w.OuterRadius = kOuter;
    w.ZodiacRadius = kZodiac;
    w.HubRadius = kHub;
    w.DotRadius = kDot;
    w.AscendantLongitude = reading.AscendantLongitude;

    for (int i = 0; i < 12; ++i) {
        WheelSign& sign = w.Signs[static_cast<std::size_t>(i)];
        sign.Sign = static_cast<engine::Sign>(i);
        sign.StartLongitude = 30.0 * i;
        sign.Label = engine::ToQString(engine::Signs[static_cast<std::size_t>(i)].Abbreviation);
        sign.LabelCentre = w.At(sign.StartLongitude + 15, (kOuter + kZodiac) / 2);
    }

    const int ascendantWhole = static_cast<int>(std::floor(reading.AscendantLongitude));
    for (int i = 0; i < 12; ++i) {
        WheelHouse& house = w.Houses[static_cast<std::size_t>(i)];
        house.Number = i + 1;
        house.CuspLongitude = Normalised(ascendantWhole + 30.0 * i);
        house.CuspInner = w.At(house.CuspLongitude, kHub);
        house.CuspOuter = w.At(house.CuspLongitude, kZodiac);
        house.LabelCentre = w.At(house.CuspLongitude + 15, kHouseNumbers);
    }

    const bool close = Separation(reading.Sun.Longitude, reading.Moon.Longitude) < kCloseDegrees;
    const struct {
        WheelBody body;
        double longitude;
        const char* label;
        double radius;
        double labelRadius;
    } marks[] = {
        {WheelBody::Sun, reading.Sun.Longitude, "Sun", kSunMoon, kSunMoon - kLabelInward},
        {WheelBody::Moon, reading.Moon.Longitude, "Moon", close ? kMoonWhenClose : kSunMoon,
         (close ? kMoonWhenClose : kSunMoon) - kLabelInward},
        {WheelBody::Midpoint, static_cast<double>(reading.Midpoint.Degree), "Midpoint", kMidpoint,
         kMidpoint - kLabelInward},
        {WheelBody::Ascendant, reading.AscendantLongitude, "Asc", kOuter, kAscendantLabel},
    };
    for (std::size_t i = 0; i < w.Marks.size(); ++i) {
        WheelMark& mark = w.Marks[i];
        mark.Body = marks[i].body;
        mark.Longitude = marks[i].longitude;
        mark.Label = QString::fromLatin1(marks[i].label);
        mark.Dot = w.At(mark.Longitude, marks[i].radius);
        if (mark.Body == WheelBody::Ascendant) {
            mark.TickFrom = w.At(mark.Longitude, kOuter);
            mark.TickTo = w.At(mark.Longitude, kOuter + kAscendantTick);
        } else {
            mark.TickFrom = w.At(mark.Longitude, kZodiac);
            mark.TickTo = w.At(mark.Longitude, kZodiac - kTick);
        }
        mark.LabelCentre = w.At(mark.Longitude, marks[i].labelRadius);
    }
    return w;
}

}  // namespace lunarys::exports
