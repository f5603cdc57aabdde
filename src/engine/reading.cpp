#include "engine/reading.h"

#include <cmath>
#include <cstdlib>

#include "astro/ascendant.h"
#include "astro/birth_moment.h"
#include "astro/moon.h"
#include "astro/sun.h"
#include "engine/birth_time_ranges.h"
#include "engine/day_clock.h"
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
}

void AscendantStep(ChartState& chart, const astro::BirthMoment& moment)
{
    chart.AscendantLongitude = astro::AscendantLongitude(
        astro::JulianCenturiesSince(moment, astro::J1900Jdn), astro::UniversalHoursOnLocalDate(moment),
        LongitudeWestDeg(chart), LatitudeNorthDeg(chart));
}

void MoonStep(ChartState& chart, const astro::BirthMoment& moment)
{
    chart.MoonLongitude = astro::MoonLongitude(astro::JulianCenturiesSince(moment, astro::J2000Jdn));
    chart.MoonLongitudeWhole = static_cast<std::int16_t>(std::floor(chart.MoonLongitude));
}

// A database clock stands in for the list item and the box: its whole offset,
// daylight saving included, goes into the zone values (negated, hours and
// minutes with the same sign, as a list item's are), and no daylight hour is
// taken off on top, so both time conversions use exactly the database's
// offset, whether or not the list has an item for it.
void UseGivenClock(const GivenClock& clock, ChartState& chart)
{
    chart.TimeZoneHours = static_cast<std::int16_t>(-(clock.OffsetMinutes / 60));
    chart.TimeZoneMinutes = static_cast<std::int16_t>(-(clock.OffsetMinutes % 60));
    chart.DaylightSaving = false;
}

ClockUsed ClockOf(const ChartState& chart)
{
    ClockUsed clock;
    clock.ZoneHours = chart.TimeZoneHours;
    clock.ZoneMinutes = chart.TimeZoneMinutes;
    clock.DaylightSaving = chart.DaylightSaving;
    clock.UtcOffsetMinutes = -(60 * chart.TimeZoneHours + chart.TimeZoneMinutes) + (chart.DaylightSaving ? 60 : 0);
    clock.UniversalTime = astro::UniversalDateTime(MomentOf(chart));
    return clock;
}

}  // namespace

void FormMidpoint(ChartState& chart)
{
    chart.MidpointDegree = static_cast<std::int16_t>(
        MidpointOf(static_cast<int>(chart.SunLongitudeWhole), chart.MoonLongitudeWhole));
    // The sign that holds the longitude MidpointDegree, so that a midpoint at
    // 30 reads 0 degrees Taurus. The degree table, which names the sign of the
    // whole degrees 30k+1 .. 30k+30, gives the same sign one entry on:
    // DegreeSign[MidpointDegree + 1].
    chart.MidpointSign = SignOfLongitude(chart.MidpointDegree);
    const int ascendantWhole = static_cast<int>(std::floor(chart.AscendantLongitude));
    chart.MidpointHouse = MidpointHouse(ascendantWhole, chart.MidpointDegree);
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
    ComputeSun(chart);
    ComputeAscendant(chart);
    ComputeMoon(chart);
    FillDegreeSigns(chart.DegreeSign);
    FormMidpoint(chart);
}

void ComputeSun(ChartState& chart)
{
    SunStep(chart, MomentOf(chart));
    chart.SunSign = SignOfLongitude(static_cast<int>(chart.SunLongitudeWhole));
}

void ComputeMoon(ChartState& chart)
{
    MoonStep(chart, MomentOf(chart));
    chart.MoonSign = SignOfLongitude(chart.MoonLongitudeWhole);
}

void ComputeAscendant(ChartState& chart) { AscendantStep(chart, MomentOf(chart)); }

Reading ReadingOf(const ChartState& chart, const BirthInput& input)
{
    Reading reading;
    BirthDetails& birth = reading.Birth;
    birth.Name = input.Name;
    birth.Year = chart.BirthYear;
    birth.Month = chart.BirthMonth;
    birth.Day = chart.BirthDay;
    birth.Hour = chart.BirthHour;
    birth.Minute = chart.BirthMinute;
    birth.ZoneIndex = input.ZoneIndex;
    birth.DaylightSaving = input.DaylightSaving;
    birth.LongitudeDegrees = chart.LongitudeDegrees;
    birth.LongitudeMinutes = chart.LongitudeMinutes;
    birth.LongitudeIsEast = chart.LongitudeIsEast;
    birth.LatitudeDegrees = chart.LatitudeDegrees;
    birth.LatitudeMinutes = chart.LatitudeMinutes;
    birth.LatitudeIsSouth = chart.LatitudeIsSouth;
    birth.City = input.City;
    birth.State = input.State;
    birth.Country = input.Country;
    birth.Place = input.Place;

    reading.Clock = ClockOf(chart);
    if (input.Clock) {
        reading.Clock.DaylightSaving = input.Clock->DaylightSaving;
        reading.Clock.TimeZone = input.Clock->TimeZone;
        reading.Clock.Note = input.Clock->Note;
    }
    reading.Sun = {chart.SunLongitude, static_cast<int>(chart.SunLongitudeWhole), chart.SunSign};
    reading.Moon = {chart.MoonLongitude, chart.MoonLongitudeWhole, chart.MoonSign};
    reading.AscendantLongitude = chart.AscendantLongitude;
    reading.Midpoint = {chart.MidpointDegree, chart.MidpointSign};
    reading.House = chart.MidpointHouse;
    return reading;
}

std::variant<Reading, InputProblem> RunReading(const BirthInput& input, ChartState& chart)
{
    if (std::optional<InputProblem> problem = CheckInput(input))
        return *std::move(problem);
    Zone_Calculation(chart, input.ZoneIndex);
    CopyInput(input, chart);
    if (input.Clock)
        UseGivenClock(*input.Clock, chart);
    ComputeChart(chart);
    Reading reading = ReadingOf(chart, input);
    const DayClock day = input.Clock && input.Clock->Day ? *input.Clock->Day : FixedOffsetClock(chart);
    if (const std::optional<TimeRange> range = RangeHolding(chart, day))
        reading.Holds = MinuteSpan{range->From, range->To};
    return reading;
}

}  // namespace lunarys::engine
