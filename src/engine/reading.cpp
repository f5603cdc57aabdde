#include "engine/reading.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "astro/ascendant.h"
#include "astro/birth_moment.h"
#include "astro/moon.h"
#include "astro/position_text.h"
#include "astro/sun.h"
#include "engine/house.h"
#include "engine/zones.h"

namespace lunarys::engine {

namespace {

void CopyInput(const BirthInput& in, ChartState& chart)
{
    chart.BirthMonth = static_cast<std::int16_t>(in.MonthIndex + 1);
    chart.BirthDay = static_cast<std::int16_t>(in.DayIndex + 1);
    chart.BirthYear = static_cast<std::int16_t>(in.Year);
    chart.BirthHour = static_cast<std::int16_t>(in.Hour);
    chart.BirthMinute = static_cast<std::int16_t>(in.Minute);
    chart.LongitudeDegrees = static_cast<std::int16_t>(CoordinateValue(in.LongitudeDegrees));
    chart.LongitudeMinutes = static_cast<std::int16_t>(CoordinateValue(in.LongitudeMinutes));
    chart.LatitudeDegrees = static_cast<std::int16_t>(CoordinateValue(in.LatitudeDegrees));
    chart.LatitudeMinutes = static_cast<std::int16_t>(CoordinateValue(in.LatitudeMinutes));
    chart.LongitudeIsEast = in.LongitudeIsEast;
    chart.LatitudeIsSouth = in.LatitudeIsSouth;
    chart.DaylightSaving = in.DaylightSaving;
}

astro::BirthMoment MomentOf(const ChartState& chart)
{
    return {chart.BirthYear, chart.BirthMonth,     chart.BirthDay,        chart.BirthHour,
            chart.BirthMinute, chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving};
}

// Place longitude positive west, latitude positive north, in degrees.
double LongitudeWestDeg(const ChartState& chart)
{
    const double magnitude = chart.LongitudeDegrees + chart.LongitudeMinutes / 60.0;
    return chart.LongitudeIsEast ? -magnitude : magnitude;
}

double LatitudeNorthDeg(const ChartState& chart)
{
    const double magnitude = chart.LatitudeDegrees + chart.LatitudeMinutes / 60.0;
    return chart.LatitudeIsSouth ? -magnitude : magnitude;
}

void SunStep(ChartState& chart, const astro::BirthMoment& moment)
{
    const double d = astro::DayCountSinceJ2000(astro::UniversalDateTime(moment));
    chart.SunLongitude = astro::SunLongitude(d);
    chart.SunLongitudeWhole = std::floor(chart.SunLongitude);
    chart.SunPositionText = astro::PositionText(chart.SunLongitude);
}

void AscendantStep(ChartState& chart, const astro::BirthMoment& moment)
{
    chart.AscendantLongitude = astro::AscendantLongitude(
        astro::JulianCenturiesSince(moment, astro::J1900Jdn), astro::UniversalHoursOnLocalDate(moment),
        LongitudeWestDeg(chart), LatitudeNorthDeg(chart));
    chart.AscendantText = astro::AscendantText(chart.AscendantLongitude);
}

void MoonStep(ChartState& chart, const astro::BirthMoment& moment)
{
    chart.MoonLongitude = astro::MoonLongitude(astro::JulianCenturiesSince(moment, astro::J2000Jdn));
    chart.MoonLongitudeWhole = static_cast<std::int16_t>(std::floor(chart.MoonLongitude));
    chart.MoonPositionText = astro::PositionText(chart.MoonLongitude);
}

}  // namespace

void FormMidpoint(ChartState& chart)
{
    chart.MidpointDegree = static_cast<std::int16_t>(
        MidpointOf(static_cast<int>(chart.SunLongitudeWhole), chart.MoonLongitudeWhole));
    // The sign that holds the longitude MidpointDegree, so that a midpoint at
    // 30 reads 0 degrees Taurus.
    const std::string_view signName = chart.DegreeSign[chart.MidpointDegree + 1];
    chart.MidpointSign = SignFromFullName(signName);
    const int inSign = chart.MidpointDegree % 30;
    chart.MidpointSignAbbrev =
        chart.MidpointSign == NoSign ? std::string() : std::string(Signs[chart.MidpointSign].Abbreviation);
    char label[16];
    std::snprintf(label, sizeof label, "%02d ", inSign);
    chart.MidpointLabel = label + chart.MidpointSignAbbrev;
    std::snprintf(label, sizeof label, "%d\u00ba ", inSign);
    chart.MidpointCaption = label + std::string(signName);

    chart.MidpointHouse = MidpointHouse(chart.AscendantText, chart.MidpointLabel);
    chart.MidpointHouseName =
        chart.MidpointHouse == 0 ? std::string() : std::string(Houses[chart.MidpointHouse - 1].Name);
}

int MidpointOf(int sunWhole, int moonWhole)
{
    int mid = static_cast<int>(std::nearbyint((sunWhole + moonWhole) / 2.0));  // halves to even
    if (std::abs(sunWhole - moonWhole) > 180)
        mid += 180;
    return ((mid % 360) + 360) % 360;
}

void ComputeChart(ChartState& chart)
{
    const astro::BirthMoment moment = MomentOf(chart);
    SunStep(chart, moment);
    AscendantStep(chart, moment);
    MoonStep(chart, moment);
    FillDegreeSigns(chart.DegreeSign);
    chart.SunSign = SignOfPositionText(chart.SunPositionText);
    chart.MoonSign = SignOfPositionText(chart.MoonPositionText);
    FormMidpoint(chart);
}

std::optional<InputProblem> RunReading(const BirthInput& input, ChartState& chart)
{
    if (std::optional<InputProblem> problem = CheckInput(input))
        return problem;
    Zone_Calculation(chart, input.ZoneIndex);
    CopyInput(input, chart);
    ComputeChart(chart);
    return std::nullopt;
}

}  // namespace lunarys::engine
