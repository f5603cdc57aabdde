#pragma once

#include <array>

#include <QPointF>
#include <QString>

#include "engine/reading_model.h"

namespace lunarys::exports {

// The chart wheel of a reading, as astrologers draw it: the ascendant at the
// left (nine o'clock) and longitudes increasing counter-clockwise, so that the
// first house lies just below the ascendant and the tenth near the top. The
// zodiac ring holds the twelve signs; twelve equal houses of 30 degrees start
// at the ascendant's whole degree, as the reading counts them; the Sun, Moon,
// midpoint and ascendant are marked at their longitudes.
//
// Coordinates are in a square box of Size units, y growing downwards (as in
// SVG and QPainter). The SVG writer and the painter draw only what is here.

enum class WheelBody { Sun, Moon, Midpoint, Ascendant };

struct WheelSign {
    engine::Sign Sign = engine::Sign::Aries;
    double StartLongitude = 0;   // the sign's first degree
    QString Label;               // "Ari"
    QPointF LabelCentre;
};

struct WheelHouse {
    int Number = 1;
    double CuspLongitude = 0;    // where the house begins
    QPointF CuspInner, CuspOuter;
    QPointF LabelCentre;
};

struct WheelMark {
    WheelBody Body = WheelBody::Sun;
    double Longitude = 0;
    QString Label;               // "Sun"
    QPointF Dot;                 // the mark itself
    QPointF TickFrom, TickTo;  // a short line at the zodiac ring: inside it, outside for the ascendant
    QPointF LabelCentre;
};

struct ChartWheel {
    double Size = 0;
    QPointF Centre;
    double OuterRadius = 0;      // the zodiac ring's outer edge
    double ZodiacRadius = 0;     // its inner edge, where the houses begin
    double HubRadius = 0;        // the small circle in the middle
    double DotRadius = 0;
    double AscendantLongitude = 0;
    std::array<WheelSign, 12> Signs;
    std::array<WheelHouse, 12> Houses;
    std::array<WheelMark, 4> Marks;  // Sun, Moon, midpoint, ascendant

    // The point at this longitude and distance from the centre.
    QPointF At(double longitude, double radius) const;
    // The direction of a longitude in degrees counter-clockwise from three
    // o'clock: the ascendant is at 180.
    double ScreenAngle(double longitude) const;
};

ChartWheel WheelOf(const engine::Reading& reading);

const char* BodyId(WheelBody body);   // "sun", "moon", "midpoint", "ascendant"

// The wheel's colours as "#rrggbb", the same in every output: a light tint
// for each element's signs, one colour for each mark, the ink of the lines.
const char* ElementFill(engine::Element element);
const char* MarkColour(WheelBody body);
inline constexpr const char* WheelInk = "#444444";

}  // namespace lunarys::exports
