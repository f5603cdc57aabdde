#include "export/chart_wheel.h"

#include <cmath>
#include <numbers>

#include <QRectF>

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

// Room a label takes, about its centre: a mark's name in 12-pixel bold
// ("Midpoint" the widest), a house number in 11 pixels.
constexpr double kMarkLabelHalfWidth = 30;
constexpr double kMarkLabelHalfHeight = 8;
constexpr double kHouseNumberHalfWidth = 9;
constexpr double kHouseNumberHalfHeight = 7;

QRectF Around(const QPointF& centre, double halfWidth, double halfHeight)
{
    return {centre.x() - halfWidth, centre.y() - halfHeight, 2 * halfWidth, 2 * halfHeight};
}

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

namespace {

QRectF MarkLabelBox(const QPointF& centre) { return Around(centre, kMarkLabelHalfWidth, kMarkLabelHalfHeight); }

QRectF HouseNumberBox(const QPointF& centre) { return Around(centre, kHouseNumberHalfWidth, kHouseNumberHalfHeight); }

// The midpoint's name goes inside its dot unless it would cover a house
// number, another mark or the dot itself there; then outside it, then a
// little to either side.
void PlaceMidpointLabel(ChartWheel& w)
{
    WheelMark* midpoint = nullptr;
    for (WheelMark& mark : w.Marks)
        if (mark.Body == WheelBody::Midpoint)
            midpoint = &mark;
    if (!midpoint)
        return;
    const auto free = [&w, midpoint](const QPointF& centre) {
        const QRectF box = MarkLabelBox(centre);
        if (box.intersects(Around(midpoint->Dot, kDot, kDot)))
            return false;
        for (const WheelHouse& house : w.Houses)
            if (box.intersects(HouseNumberBox(house.LabelCentre)))
                return false;
        for (const WheelMark& mark : w.Marks)
            if (&mark != midpoint && (box.intersects(MarkLabelBox(mark.LabelCentre)) || box.contains(mark.Dot)))
                return false;
        return true;
    };
    for (const double offset : {0.0, 10.0, -10.0, 20.0, -20.0, 30.0, -30.0})
        for (const double radius : {kMidpoint - kLabelInward, kMidpoint + kLabelInward, kMidpoint + 2 * kLabelInward}) {
            const QPointF centre = w.At(midpoint->Longitude + offset, radius);
            if (free(centre)) {
                midpoint->LabelCentre = centre;
                return;
            }
        }
}

}  // namespace

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
    PlaceMidpointLabel(w);
    return w;
}

}  // namespace lunarys::exports
