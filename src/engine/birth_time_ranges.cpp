#include "engine/birth_time_ranges.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/chart_state.h"
#include "engine/house.h"
#include "engine/reading.h"

// How the ranges are found without computing every minute.
//
// The four quantities come from three whole degrees: the Sun's and the Moon's
// (which give both signs and the midpoint) and the ascendant's (which, with
// the midpoint, gives the house). Each is the floor of a longitude that only
// ever grows with universal time, counted on past 360 instead of wrapping:
// - the Sun and the Moon never move backwards (the Moon's periodic terms
//   change its speed by less than its mean motion) and go round far less than
//   once in a day;
// - the ascendant always moves forward where the ecliptic cannot lie in the
//   horizon, that is within 66.5 degrees of the equator (its rate against
//   sidereal time, (cos e + tan(lat) sin e sin RAMC) / (...), stays positive
//   there, at least 0.47). Nearer the poles it can stand still and turn back,
//   and there it is looked at minute by minute.
// Universal time itself never runs backwards from one minute of the clock to
// the next. So a whole degree counted on is a non-decreasing step function of
// the minute, and the first minute at which it reaches a value can be found
// by bisection, steered by the longitudes themselves: equal values at two
// minutes mean no change between them. The house is the step function
// floor((ascendant - midpoint - 1) / 30) of the counted ascendant while the
// midpoint stays put, so house changes are looked for between changes of the
// Sun and the Moon.
//
// Counting on past 360 needs two samples less than a turn apart: the Sun and
// the Moon move less than 16 degrees a day; the ascendant is sampled at most
// kAscendantStep minutes (plus a clock change's hour) apart, about 75 degrees
// of sidereal time, over which it moves at most 360 - 0.47 * 285 = 226
// degrees.

namespace lunarys::engine {

namespace {

constexpr double kPolarLatitudeDeg = 66.5;
constexpr int kAscendantStep = 240;

int Whole(double longitude) { return static_cast<int>(std::floor(longitude)); }
int Mod360(int degrees) { return ((degrees % 360) + 360) % 360; }
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The minutes the clock has, numbered 0..Count()-1 in order.
class ClockMinutes {
public:
    explicit ClockMinutes(const DayClock& clock) : clock_(clock)
    {
        for (const ClockPiece& piece : clock.Pieces)
            count_ += piece.To - piece.From + 1;
    }
    int Count() const { return count_; }

    const ClockPiece& Piece(int position, int& minute) const
    {
        for (const ClockPiece& piece : clock_.Pieces) {
            const int length = piece.To - piece.From + 1;
            if (position < length) {
                minute = piece.From + position;
                return piece;
            }
            position -= length;
        }
        minute = clock_.Pieces.back().To;
        return clock_.Pieces.back();
    }
    int MinuteAt(int position) const
    {
        int minute = 0;
        Piece(position, minute);
        return minute;
    }
    std::optional<int> PositionOf(int minute) const
    {
        int before = 0;
        for (const ClockPiece& piece : clock_.Pieces) {
            if (minute >= piece.From && minute <= piece.To)
                return before + minute - piece.From;
            before += piece.To - piece.From + 1;
        }
        return std::nullopt;
    }

private:
    const DayClock& clock_;
    int count_ = 0;
};

enum Body { Sun, Moon, Ascendant, BodyCount };

// The longitudes of the chart's day at any minute of the clock, each computed
// alone by the engine on a copy of the chart. The searches come back to the
// same minutes, so the last few results of each body are kept.
class Sky {
public:
    Sky(const ChartState& chart, const ClockMinutes& minutes) : chart_(chart), minutes_(minutes) {}

    // Takes a computed chart's results for its birth minute.
    void Know(int position, const ChartState& computed)
    {
        Keep(Sun, position, computed.SunLongitude);
        Keep(Moon, position, computed.MoonLongitude);
        Keep(Ascendant, position, computed.AscendantLongitude);
    }

    double Longitude(Body body, int position)
    {
        for (const Kept& kept : kept_[body])
            if (kept.position == position)
                return kept.longitude;
        int minute = 0;
        const ClockSetting& setting = minutes_.Piece(position, minute).Setting;
        chart_.BirthHour = static_cast<std::int16_t>(minute / 60);
        chart_.BirthMinute = static_cast<std::int16_t>(minute % 60);
        chart_.TimeZoneHours = setting.ZoneHours;
        chart_.TimeZoneMinutes = setting.ZoneMinutes;
        chart_.DaylightSaving = setting.DaylightSaving;
        double longitude = 0;
        switch (body) {
        case Sun: ComputeSun(chart_); longitude = chart_.SunLongitude; break;
        case Moon: ComputeMoon(chart_); longitude = chart_.MoonLongitude; break;
        default: ComputeAscendant(chart_); longitude = chart_.AscendantLongitude; break;
        }
        Keep(body, position, longitude);
        return longitude;
    }

private:
    struct Kept {
        int position = -1;
        double longitude = 0;
    };
    void Keep(Body body, int position, double longitude)
    {
        kept_[body][next_[body]] = {position, longitude};
        next_[body] = (next_[body] + 1) % kKept;
    }

    static constexpr int kKept = 4;
    ChartState chart_;
    const ClockMinutes& minutes_;
    std::array<std::array<Kept, kKept>, BodyCount> kept_{};
    std::array<int, BodyCount> next_{};
};

// A body's whole degree counted on from an anchor minute without wrapping at
// 360, so that it never decreases from one minute to the next; right while
// the body moves less than a turn between the anchor and the minute asked
// about.
class Track {
public:
    Track(Sky& sky, Body body) : sky_(sky), body_(body) {}

    void Anchor(int position)
    {
        anchorPosition_ = position;
        anchorWhole_ = Whole(sky_.Longitude(body_, position));
        anchorCount_ = anchorWhole_;
    }
    // Moves the anchor and keeps the count going.
    void MoveAnchor(int position)
    {
        const int count = Count(position);
        Anchor(position);
        anchorCount_ = count;
    }

    int Count(int position) { return CountOf(position, Whole(sky_.Longitude(body_, position))); }

    // The counted longitude with its fraction, to steer the bisection.
    double Value(int position)
    {
        const double longitude = sky_.Longitude(body_, position);
        const int whole = Whole(longitude);
        return CountOf(position, whole) + (longitude - whole);
    }

    int WholeAt(int position) { return Mod360(Whole(sky_.Longitude(body_, position))); }

private:
    int CountOf(int position, int whole) const
    {
        return position >= anchorPosition_ ? anchorCount_ + Mod360(whole - anchorWhole_)
                                           : anchorCount_ - Mod360(anchorWhole_ - whole);
    }

    Sky& sky_;
    Body body_;
    int anchorPosition_ = 0;
    int anchorWhole_ = 0;
    int anchorCount_ = 0;
};

// The first minute in (lo, hi] at which the count reaches the target, given
// Count(lo) < target <= Count(hi). The next minute to look at is guessed from
// the longitudes; a guess that did not halve the interval twice running is
// followed by a plain halving.
int FirstReaching(Track& track, int lo, int hi, int target)
{
    int stalls = 0;
    while (hi - lo > 1) {
        int mid = lo + (hi - lo) / 2;
        if (stalls < 2) {
            const double low = track.Value(lo);
            const double share = (target - low) / (track.Value(hi) - low);
            mid = std::clamp(lo + static_cast<int>(share * (hi - lo)), lo + 1, hi - 1);
        }
        const int width = hi - lo;
        if (track.Count(mid) >= target)
            hi = mid;
        else
            lo = mid;
        stalls = 2 * (hi - lo) > width ? stalls + 1 : 0;
        if (stalls > 2)
            stalls = 0;
    }
    return hi;
}

// The four quantities that make a range, at one minute.
struct Quantities {
    int sunWhole = 0;
    int moonWhole = 0;
    int ascendantWhole = 0;
    int Midpoint() const { return MidpointOf(sunWhole, moonWhole); }
    int House() const { return MidpointHouse(ascendantWhole, Midpoint()); }
    TimeRange Range(int from, int to) const
    {
        const int midpoint = Midpoint();
        return {from, to, SignOfLongitude(sunWhole), SignOfLongitude(moonWhole), SignOfLongitude(midpoint),
                MidpointHouse(ascendantWhole, midpoint)};
    }
    bool SameRange(const Quantities& other) const
    {
        const TimeRange mine = Range(0, 0);
        return mine == other.Range(0, 0);
    }
};

// Walks from a minute to the ends of its range. The house is followed first,
// as if the Sun and the Moon stood still; the bodies are then looked at where
// the house changes, and only when one of them has moved on by then is its
// own change searched for, between the two minutes.
class RangeFinder {
public:
    // The whole degrees are counted from the anchor minute; the Sun and the
    // Moon move too little in a day for the count to be ambiguous anywhere in
    // it.
    RangeFinder(const ChartState& chart, const DayClock& clock)
        : minutes_(clock), sky_(chart, minutes_), last_(minutes_.Count() - 1),
          polar_(chart.LatitudeDegrees + chart.LatitudeMinutes / 60.0 > kPolarLatitudeDeg)
    {
    }

    const ClockMinutes& Minutes() const { return minutes_; }
    Sky& Positions() { return sky_; }
    int Last() const { return last_; }

    void Anchor(int position)
    {
        sun_.Anchor(position);
        moon_.Anchor(position);
    }

    Quantities At(int position)
    {
        return {sun_.WholeAt(position), moon_.WholeAt(position), ascendant_.WholeAt(position)};
    }

    // The last minute of the range that holds this one, whose quantities are
    // `now`. When the day goes on, `now` becomes the next minute's.
    int RangeEnd(int position, Quantities& now)
    {
        for (;;) {
            const int houseChange = HouseChangeAfter(position, now);
            const int until = std::min(houseChange, last_);
            const int sunChange = ChangeWithin(sun_, position, until);
            const int moonChange = ChangeWithin(moon_, position, until);
            const int change = std::min({houseChange, sunChange, moonChange});
            if (change > last_)
                return last_;
            Quantities then = now;
            if (change == sunChange)
                then.sunWhole = sun_.WholeAt(change);
            if (change == moonChange)
                then.moonWhole = moon_.WholeAt(change);
            then.ascendantWhole = ascendant_.WholeAt(change);
            const bool same = then.SameRange(now);
            now = then;
            if (!same)
                return change - 1;
            position = change;
        }
    }

    // The first minute of the range that holds this one, whose quantities
    // are `now`.
    int RangeStart(int position, Quantities now)
    {
        for (;;) {
            const int houseStart = HouseStartFrom(position, now);
            const int from = std::max(houseStart - 1, 0);
            const int sunStart = LevelStartWithin(sun_, from, position);
            const int moonStart = LevelStartWithin(moon_, from, position);
            const int start = std::max({houseStart, sunStart, moonStart});
            if (start == 0)
                return 0;
            Quantities before = now;
            if (start == sunStart)
                before.sunWhole = sun_.WholeAt(start - 1);
            if (start == moonStart)
                before.moonWhole = moon_.WholeAt(start - 1);
            before.ascendantWhole = ascendant_.WholeAt(start - 1);
            if (!before.SameRange(now))
                return start;
            position = start - 1;
            now = before;
        }
    }

private:
    // The first minute in (position, until] at which the body's whole degree
    // grows, or one past the day's last minute.
    int ChangeWithin(Track& track, int position, int until)
    {
        const int target = track.Count(position) + 1;
        if (until <= position || track.Count(until) < target)
            return last_ + 1;
        return FirstReaching(track, position, until, target);
    }

    // The first minute in (from, position] from which on the body's whole
    // degree is this minute's, or 0 when it is the same at `from` already.
    int LevelStartWithin(Track& track, int from, int position)
    {
        const int level = track.Count(position);
        if (from >= position || track.Count(from) >= level)
            return 0;
        return FirstReaching(track, from, position, level);
    }

    // The first minute after this one with another house than this minute's,
    // the midpoint staying as it is; one past the day's last minute when
    // there is none.
    int HouseChangeAfter(int position, const Quantities& now)
    {
        const int house = now.House();
        const int midpoint = now.Midpoint();
        if (polar_) {
            for (int p = position + 1; p <= last_; ++p)
                if (MidpointHouse(ascendant_.WholeAt(p), midpoint) != house)
                    return p;
            return last_ + 1;
        }
        ascendant_.Anchor(position);
        const int target = 30 * (FloorDiv(ascendant_.Count(position) - midpoint - 1, 30) + 1) + midpoint + 1;
        for (int from = position; from < last_;) {
            const int to = std::min(from + kAscendantStep, last_);
            if (ascendant_.Count(to) >= target)
                return FirstReaching(ascendant_, from, to, target);
            ascendant_.MoveAnchor(to);
            from = to;
        }
        return last_ + 1;
    }

    // The first minute of the day from which on the house is this minute's,
    // the midpoint staying as it is.
    int HouseStartFrom(int position, const Quantities& now)
    {
        const int house = now.House();
        const int midpoint = now.Midpoint();
        if (polar_) {
            for (int p = position - 1; p >= 0; --p)
                if (MidpointHouse(ascendant_.WholeAt(p), midpoint) != house)
                    return p + 1;
            return 0;
        }
        ascendant_.Anchor(position);
        const int target = 30 * FloorDiv(ascendant_.Count(position) - midpoint - 1, 30) + midpoint + 1;
        for (int to = position; to > 0;) {
            const int from = std::max(to - kAscendantStep, 0);
            if (ascendant_.Count(from) < target)
                return FirstReaching(ascendant_, from, to, target);
            ascendant_.MoveAnchor(from);
            to = from;
        }
        return 0;
    }

    ClockMinutes minutes_;
    Sky sky_;
    int last_;
    bool polar_;
    Track sun_{sky_, Sun};
    Track moon_{sky_, Moon};
    Track ascendant_{sky_, Ascendant};
};

}  // namespace

std::vector<TimeRange> RangesOfDay(const ChartState& chart, const DayClock& clock)
{
    std::vector<TimeRange> ranges;
    RangeFinder finder(chart, clock);
    finder.Anchor(0);
    const ClockMinutes& minutes = finder.Minutes();
    Quantities now = finder.At(0);
    for (int from = 0; from <= finder.Last();) {
        const Quantities first = now;
        const int to = finder.RangeEnd(from, now);
        ranges.push_back(first.Range(minutes.MinuteAt(from), minutes.MinuteAt(to)));
        from = to + 1;
    }
    return ranges;
}

std::optional<TimeRange> RangeHolding(const ChartState& chart, const DayClock& clock)
{
    const int minute = 60 * chart.BirthHour + chart.BirthMinute;
    RangeFinder finder(chart, clock);
    const std::optional<int> birth = finder.Minutes().PositionOf(minute);
    if (!birth)
        return std::nullopt;
    if (clock.At(minute) == ClockSetting{chart.TimeZoneHours, chart.TimeZoneMinutes, chart.DaylightSaving})
        finder.Positions().Know(*birth, chart);
    finder.Anchor(*birth);
    const Quantities birthQuantities = finder.At(*birth);
    const int from = finder.RangeStart(*birth, birthQuantities);
    Quantities now = birthQuantities;
    const int to = finder.RangeEnd(*birth, now);
    return birthQuantities.Range(finder.Minutes().MinuteAt(from), finder.Minutes().MinuteAt(to));
}

}  // namespace lunarys::engine
