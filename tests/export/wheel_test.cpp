// The chart wheel of the HTML document, read back from its SVG: every mark
// must stand at its longitude as astrologers draw it (the ascendant at the
// left, longitudes increasing counter-clockwise), and the midpoint inside the
// house the reading names.
#include <cmath>
#include <numbers>
#include <ostream>

#include <QPointF>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include "export/chart_wheel.h"
#include "export/reading_html.h"
#include "support/reading.h"
#include "support/worked_example.h"

namespace lunarys::engine {
void PrintTo(const Reading& reading, std::ostream* out) { *out << reading.Birth.Name.toStdString(); }
}  // namespace lunarys::engine

namespace {

using lunarys::engine::Reading;

struct Point {
    double x = NAN;
    double y = NAN;
};

// The element whose id is given, as written in the document.
QString Element(const QString& svg, const QString& id)
{
    const QRegularExpression element(QStringLiteral("<[a-z]+ [^>]*id=\"%1\"[^>]*>").arg(id));
    return element.match(svg).captured(0);
}

double Attribute(const QString& element, const char* name)
{
    const QRegularExpression attribute(QStringLiteral("\\b%1=\"(-?[0-9.]+)\"").arg(QLatin1String(name)));
    const auto match = attribute.match(element);
    return match.hasMatch() ? match.captured(1).toDouble() : NAN;
}

Point CircleCentre(const QString& svg, const QString& id)
{
    const QString circle = Element(svg, id);
    return {Attribute(circle, "cx"), Attribute(circle, "cy")};
}

// A cusp line's end on the zodiac ring.
Point CuspEnd(const QString& svg, int house)
{
    const QString line = Element(svg, QStringLiteral("cusp-%1").arg(house));
    return {Attribute(line, "x2"), Attribute(line, "y2")};
}

// Degrees counter-clockwise from three o'clock, as seen on a screen whose y
// grows downwards.
double ScreenAngle(const Point& centre, const Point& p)
{
    const double degrees = std::atan2(-(p.y - centre.y), p.x - centre.x) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double Wrapped(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

// The ascendant at 180 degrees, every other longitude as far round from it.
double ExpectedAngle(double longitude, double ascendant) { return Wrapped(180 + longitude - ascendant); }

double AngularDistance(double a, double b)
{
    const double d = Wrapped(a - b);
    return std::isfinite(d) ? std::min(d, 360 - d) : INFINITY;
}

lunarys::engine::BirthInput SaoPaulo()
{
    lunarys::engine::BirthInput in;
    in.Name = QStringLiteral("ANA LUCIA");
    in.MonthIndex = 1;
    in.DayIndex = 13;
    in.Year = 1975;
    in.Hour = 22;
    in.Minute = 5;
    in.ZoneIndex = lunarys::engine::ZoneIndexOfItem("Brazil Zone 2,BZT2,-3.0");
    in.DaylightSaving = true;
    in.LongitudeDegrees = QStringLiteral("46");
    in.LongitudeMinutes = QStringLiteral("38");
    in.LongitudeIsEast = false;
    in.LatitudeDegrees = QStringLiteral("23");
    in.LatitudeMinutes = QStringLiteral("33");
    in.LatitudeIsSouth = true;
    return in;
}

class WheelMarks : public ::testing::TestWithParam<Reading> {};

TEST_P(WheelMarks, StandAtTheirLongitudesWithTheAscendantAtTheLeft)
{
    const Reading& r = GetParam();
    const QString svg = QString::fromUtf8(lunarys::exports::ReadingAsHtml(r, {}));
    const Point centre = CircleCentre(svg, QStringLiteral("wheel-hub"));
    ASSERT_TRUE(std::isfinite(centre.x) && std::isfinite(centre.y));

    const struct {
        const char* id;
        double longitude;
    } marks[] = {
        {"mark-sun", r.Sun.Longitude},
        {"mark-moon", r.Moon.Longitude},
        {"mark-midpoint", static_cast<double>(r.Midpoint.Degree)},
        {"mark-ascendant", r.AscendantLongitude},
    };
    for (const auto& mark : marks) {
        const double angle = ScreenAngle(centre, CircleCentre(svg, QString::fromLatin1(mark.id)));
        EXPECT_LT(AngularDistance(angle, ExpectedAngle(mark.longitude, r.AscendantLongitude)), 0.05)
            << mark.id << " drawn at " << angle << " degrees";
    }
    const Point ascendant = CircleCentre(svg, QStringLiteral("mark-ascendant"));
    EXPECT_LT(ascendant.x, centre.x) << "the ascendant is at the left";

    // Going counter-clockwise from the cusp of the reading's house, the
    // midpoint comes before the next cusp.
    const int house = r.House;
    const double from = ScreenAngle(centre, CuspEnd(svg, house));
    const double to = ScreenAngle(centre, CuspEnd(svg, house % 12 + 1));
    const double midpoint = ScreenAngle(centre, CircleCentre(svg, QStringLiteral("mark-midpoint")));
    EXPECT_NEAR(Wrapped(to - from), 30, 0.05);
    EXPECT_LT(Wrapped(midpoint - from), 30) << "house " << house;
}

INSTANTIATE_TEST_SUITE_P(TwoBirths, WheelMarks,
                         ::testing::Values(lunarys::testing::MustRead(lunarys::testing::MaryAnn()),
                                           lunarys::testing::MustRead(SaoPaulo())));

}  // namespace

// The midpoint's name, 12-pixel bold text about 55 pixels wide, covers
// neither its own dot nor a house number (11 pixels, at most two digits): a sweep of midpoints all
// round the wheel for ascendants all round it, the midpoint near the
// ascendant among them.
TEST(WheelLabels, TheMidpointNameLeavesTheHouseNumbersClear)
{
    const auto box = [](const QPointF& centre, double width, double height) {
        return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
    };
    int checked = 0;
    for (double ascendant = 0.5; ascendant < 360; ascendant += 7.3)
        for (int midpoint = 0; midpoint < 360; ++midpoint) {
            Reading r;
            r.AscendantLongitude = ascendant;
            r.Midpoint.Degree = midpoint;
            r.Sun.Longitude = std::fmod(midpoint + 320.0, 360.0);
            r.Moon.Longitude = std::fmod(midpoint + 40.0, 360.0);
            const lunarys::exports::ChartWheel w = lunarys::exports::WheelOf(r);
            for (const auto& mark : w.Marks) {
                if (mark.Body != lunarys::exports::WheelBody::Midpoint)
                    continue;
                const QRectF name = box(mark.LabelCentre, 56, 14);
                EXPECT_FALSE(name.contains(mark.Dot)) << "ascendant " << ascendant << ", midpoint " << midpoint;
                for (const auto& house : w.Houses)
                    ASSERT_FALSE(name.intersects(box(house.LabelCentre, 14, 11)))
                        << "ascendant " << ascendant << ", midpoint " << midpoint << ", house " << house.Number;
                ++checked;
            }
        }
    EXPECT_EQ(checked, 50 * 360);
}
