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

void CopyBirth(const Birth& in, ChartState& chart)
{
    chart.BirthMonth = static_cast<std::int16_t>(in.Month);
    chart.BirthDay = static_cast<std::int16_t>(in.Day);
    chart.BirthYear = static_cast<std::int16_t>(in.Year);
    chart.BirthHour = static_cast<std::int16_t>(in.Hour);
    chart.BirthMinute = static_cast<std::int16_t>(in.Minute);
    chart.LongitudeDegrees = static_cast<std::int16_t>(in.LongitudeDegrees);
    chart.LongitudeMinutes = static_cast<std::int16_t>(in.LongitudeMinutes);
    chart.LatitudeDegrees = static_cast<std::int16_t>(in.LatitudeDegrees);
    chart.LatitudeMinutes = static_cast<std::int16_t>(in.LatitudeMinutes);
    chart.LongitudeIsEast = in.LongitudeIsEast;
    chart.LatitudeIsSouth = in.LatitudeIsSouth;
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

// The clock into the chart's zone values. A list zone sets them from its item
// and the box; a database clock's whole offset, daylight saving included, goes
// into them with no daylight hour taken off on top, so both time conversions
// use exactly the database's offset, whether or not the list has an item for it.
void SetClock(const Birth& birth, ChartState& chart)
{
    if (const auto* list = std::get_if<ListZoneClock>(&birth.Clock)) {
        Zone_Calculation(chart, list->ZoneIndex);
        chart.DaylightSaving = list->DaylightSaving;
        return;
    }
    const ClockSetting setting = SettingOfOffset(std::get<DatabaseClock>(birth.Clock).UtcOffsetMinutes);
    chart.TimeZoneHours = setting.ZoneHours;
    chart.TimeZoneMinutes = setting.ZoneMinutes;
    chart.DaylightSaving = false;
}

ClockUsed ClockOf(const ChartState& chart)
{
    ClockUsed clock;
    clock.ZoneOffsetMinutes = UtcOffsetMinutesOf({chart.TimeZoneHours, chart.TimeZoneMinutes, false});
    clock.DaylightSaving = chart.DaylightSaving;
    clock.UtcOffsetMinutes = UtcOffsetMinutesOf({chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving});
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

double SiderealAngleDeg(const ChartState& chart)
{
    const astro::BirthMoment moment = MomentOf(chart);
    return astro::RamcDegrees(astro::JulianCenturiesSince(moment, astro::J1900Jdn),
                              astro::UniversalHoursOnLocalDate(moment), LongitudeWestDeg(chart));
}

double AscendantRateBound(const ChartState& chart, double fromDeg, double toDeg)
{
    return astro::AscendantRateBound(astro::JulianCenturiesSince(MomentOf(chart), astro::J1900Jdn), fromDeg, toDeg,
                                     LatitudeNorthDeg(chart));
}

Reading ReadingOf(const ChartState& chart, const Birth& birth)
{
    Reading reading;
    reading.Birth = birth;
    reading.Clock = ClockOf(chart);
    if (const DatabaseClock* clock = DatabaseClockOf(birth)) {
        reading.Clock.DaylightSaving = clock->DaylightSaving;
        reading.Clock.TimeZone = clock->TimeZone;
        reading.Clock.Note = clock->Note;
    }
    reading.Sun = {chart.SunLongitude, static_cast<int>(chart.SunLongitudeWhole), chart.SunSign};
    reading.Moon = {chart.MoonLongitude, chart.MoonLongitudeWhole, chart.MoonSign};
    reading.AscendantLongitude = chart.AscendantLongitude;
    reading.Midpoint = {chart.MidpointDegree, chart.MidpointSign};
    reading.House = chart.MidpointHouse;
    return reading;
}

Reading RunReading(const Birth& birth, ChartState& chart)
{
    SetClock(birth, chart);
    CopyBirth(birth, chart);
    ComputeChart(chart);
    Reading reading = ReadingOf(chart, birth);
    const DatabaseClock* clock = DatabaseClockOf(birth);
    const DayClock day = clock && clock->Day ? *clock->Day : FixedOffsetClock(chart);
    if (const std::optional<TimeRange> range = RangeHolding(chart, day))
        reading.Holds = MinuteSpan{range->From, range->To};
    const int birthMinute = 60 * chart.BirthHour + chart.BirthMinute;
    for (const ClockChange& change : day.Changes())
        if (change.kind == ClockChange::Kind::Skipped && birthMinute >= change.From && birthMinute <= change.To)
            reading.Skipped = MinuteSpan{change.From, change.To};
    return reading;
}

std::variant<Reading, InputProblem> RunReading(const BirthInput& input, ChartState& chart)
{
    std::variant<Birth, InputProblem> birth = TakeBirth(input);
    if (auto* problem = std::get_if<InputProblem>(&birth))
        return *std::move(problem);
    return RunReading(std::get<Birth>(birth), chart);
}

}  // namespace lunarys::engine
