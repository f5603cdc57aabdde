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
//   and there its house is followed minute by minute, passing over the
//   minutes in which a bound on its speed shows it cannot leave the house.
// Universal time itself never runs backwards from one minute of the clock to
// the next. So a whole degree counted on is a non-decreasing step function of
// the minute: equal counts at two minutes mean no change between them, and
// the first minute at which a count reaches a value can be found by a search
// that is steered by the longitudes themselves (secant guesses) and settled
// by looking at the minutes on both sides of the change.
//
// From a minute, the house is followed first, as if the Sun and the Moon
// stood still: it is the step function floor((ascendant - midpoint - 1) / 30)
// of the counted ascendant. Then the Sun and the Moon are looked at where the
// house changes. Every step of the Sun counts; of the Moon's steps only those
// that change its sign or the midpoint do (the others leave all four as they
// are), so the Moon's target is the first such degree. A body is not computed
// at all when it cannot reach its target in the time: the Sun moves at most
// 1.0194 and the Moon 15.38 degrees a day in this program's theories over
// 1901-2050 (kSunFastest and kMoonFastest add a margin; the tests check the
// speeds). When a body gets there first, the house is followed again from
// there with the new midpoint.
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
constexpr double kAscendantMeanRate = 0.25;   // degrees a minute

// How many minutes to look ahead for a longitude `degrees` short of its
// target at about `rate` degrees a minute: a little beyond the guess, so that
// the target usually lies between, and never more than kAscendantStep.
int Reach(double degrees, double rate)
{
    return std::clamp(static_cast<int>(std::ceil(1.2 * degrees / std::max(rate, 0.01))) + 1, 1, kAscendantStep);
}
// The fastest the Sun and the Moon move in this program's theories, in
// degrees a minute.
constexpr double kSunFastest = SunFastestDegreesPerDay / 1440;
constexpr double kMoonFastest = MoonFastestDegreesPerDay / 1440;

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
    // Universal time in minutes from the local date's midnight.
    int UniversalMinute(int position) const
    {
        int minute = 0;
        const ClockSetting& setting = Piece(position, minute).Setting;
        return minute + 60 * setting.ZoneHours + setting.ZoneMinutes - (setting.DaylightSaving ? 60 : 0);
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
        SetMinute(position);
        double longitude = 0;
        switch (body) {
        case Sun: ComputeSun(chart_); longitude = chart_.SunLongitude; break;
        case Moon: ComputeMoon(chart_); longitude = chart_.MoonLongitude; break;
        default: ComputeAscendant(chart_); longitude = chart_.AscendantLongitude; break;
        }
        Keep(body, position, longitude);
        return longitude;
    }

    // The sidereal angle the ascendant is taken from, and a bound on the
    // ascendant's rate against it between two of its values (see
    // KeepingMinutes).
    double SiderealAngle(int position)
    {
        SetMinute(position);
        return SiderealAngleDeg(chart_);
    }
    double AscendantRate(double fromDeg, double toDeg) const { return AscendantRateBound(chart_, fromDeg, toDeg); }

private:
    void SetMinute(int position)
    {
        int minute = 0;
        const ClockSetting& setting = minutes_.Piece(position, minute).Setting;
        chart_.BirthHour = static_cast<std::int16_t>(minute / 60);
        chart_.BirthMinute = static_cast<std::int16_t>(minute % 60);
        chart_.TimeZoneHours = setting.ZoneHours;
        chart_.TimeZoneMinutes = setting.ZoneMinutes;
        chart_.DaylightSaving = setting.DaylightSaving;
    }

    struct Kept {
        int position = -1;
        double longitude = 0;
    };
    void Keep(Body body, int position, double longitude)
    {
        kept_[body][next_[body]] = {position, longitude};
        next_[body] = (next_[body] + 1) % kKept;
    }

    static constexpr int kKept = 12;
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
// Count(lo) < target <= Count(hi). Where the counted longitude (whose count
// reaches the target exactly when it does) crosses the target is guessed by
// the secant through the two minutes looked at last, or through the ends
// when that falls outside them, and the guess rounded up to a whole minute
// inside the interval; a guess that did not halve the interval three times running
// is followed by a plain halving.
int FirstReaching(Track& track, int lo, int hi, int target)
{
    struct Point {
        int minute;
        double value;   // minus the target
    };
    Point low{lo, track.Value(lo) - target};
    Point high{hi, track.Value(hi) - target};
    Point older = low;
    Point last = high;
    int stalls = 0;
    while (high.minute - low.minute > 1) {
        const auto secant = [](const Point& a, const Point& b) {
            return b.minute - b.value * (b.minute - a.minute) / (b.value - a.value);
        };
        double crossing = last.value != older.value ? secant(older, last) : -1;
        if (!(crossing > low.minute && crossing < high.minute))
            crossing = secant(low, high);
        int mid = std::clamp(static_cast<int>(std::ceil(crossing)), low.minute + 1, high.minute - 1);
        if (stalls >= 3) {
            mid = low.minute + (high.minute - low.minute) / 2;
            stalls = 0;
        }
        const int width = high.minute - low.minute;
        const Point probe{mid, track.Value(mid) - target};
        (probe.value >= 0 ? high : low) = probe;
        older = last;
        last = probe;
        stalls = 2 * (high.minute - low.minute) > width ? stalls + 1 : 0;
    }
    return high.minute;
}

// What is known of a body: its counted whole degree and longitude at a
// minute.
struct Known {
    int position = 0;
    int count = 0;
    double value = 0;
};

Known Learn(Track& track, int position) { return {position, track.Count(position), track.Value(position)}; }

// The four quantities that make a range, from the Sun's and the Moon's whole
// degrees and the ascendant's. The Sun's is always the one of the minute at
// hand; the Moon's may be an earlier one (later, going back), from which it
// has moved on only by degrees that change neither its sign nor the
// midpoint, so that the four are still right.
struct Quantities {
    Known sun;
    Known moon;
    int ascendantWhole = 0;

    int SunWhole() const { return Mod360(sun.count); }
    int MoonWhole() const { return Mod360(moon.count); }
    int Midpoint() const { return MidpointOf(SunWhole(), MoonWhole()); }
    int House() const { return MidpointHouse(ascendantWhole, Midpoint()); }
    TimeRange Range(int from, int to) const
    {
        const int midpoint = Midpoint();
        return {from, to, SignOfLongitude(SunWhole()), SignOfLongitude(MoonWhole()), SignOfLongitude(midpoint),
                MidpointHouse(ascendantWhole, midpoint)};
    }
    bool SameRange(const Quantities& other) const { return Range(0, 0) == other.Range(0, 0); }

    // How many whole degrees the Moon must move on (a negative direction:
    // back), the Sun standing still, before its sign or the midpoint
    // changes. The degrees before that change nothing and need not be found.
    int MoonSteps(int direction) const
    {
        const int whole = MoonWhole();
        const int midpoint = Midpoint();
        for (int k = 1;; ++k) {
            const int moved = Mod360(whole + direction * k);
            if (SignOfLongitude(moved) != SignOfLongitude(whole) || MidpointOf(SunWhole(), moved) != midpoint)
                return k;
        }
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
        return {Learn(sun_, position), Learn(moon_, position), ascendant_.WholeAt(position)};
    }

    // The last minute of the range that holds this one, whose quantities are
    // `now`. When the day goes on, `now` becomes the next minute's.
    //
    // Every step of the Sun is a change to look at; the Moon's only when it
    // changes its sign or the midpoint, the Sun standing where it is.
    int RangeEnd(int position, Quantities& now)
    {
        for (;;) {
            const int houseChange = HouseChangeAfter(position, now);
            const int until = std::min(houseChange, last_);
            const int sunChange = ChangeWithin(sun_, kSunFastest, now.sun, position, until, now.sun.count + 1);
            const int moonChange =
                ChangeWithin(moon_, kMoonFastest, now.moon, position, until, now.moon.count + now.MoonSteps(1));
            const int change = std::min({houseChange, sunChange, moonChange});
            if (change > last_)
                return last_;
            Quantities then = now;
            if (change == sunChange)
                then.sun = Learn(sun_, change);
            if (change == sunChange || change == moonChange)
                then.moon = Learn(moon_, change);
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
            const int sunStart = LevelStartWithin(sun_, kSunFastest, now.sun, from, position, now.sun.count);
            const int moonStart = LevelStartWithin(moon_, kMoonFastest, now.moon, from, position,
                                                   now.moon.count - now.MoonSteps(-1) + 1);
            const int start = std::max({houseStart, sunStart, moonStart});
            if (start == 0)
                return 0;
            Quantities before = now;
            if (start == sunStart)
                before.sun = Learn(sun_, start - 1);
            if (start == sunStart || start == moonStart)
                before.moon = Learn(moon_, start - 1);
            before.ascendantWhole = ascendant_.WholeAt(start - 1);
            if (!before.SameRange(now))
                return start;
            position = start - 1;
            now = before;
        }
    }

private:
    // The first minute in (position, until] at which the body's count
    // reaches the target, or one past the day's last minute; the body is
    // short of it at `position` and was where `known` says. A body too far
    // from the target to get there in the time is not computed.
    int ChangeWithin(Track& track, double fastest, const Known& known, int position, int until, int target)
    {
        if (until <= position)
            return last_ + 1;
        const int minutes = minutes_.UniversalMinute(until) - minutes_.UniversalMinute(known.position);
        if (target - known.value > fastest * minutes || track.Count(until) < target)
            return last_ + 1;
        return FirstReaching(track, known.position, until, target);
    }

    // The first minute in (from, position] from which on the body's count is
    // at least `level`, or 0 when it is so at `from` already; the body is at
    // that level at `position` and was where `known` says, at or after it.
    int LevelStartWithin(Track& track, double fastest, const Known& known, int from, int position, int level)
    {
        if (from >= position)
            return 0;
        const int minutes = minutes_.UniversalMinute(known.position) - minutes_.UniversalMinute(from);
        if (known.value - level >= fastest * minutes || track.Count(from) >= level)
            return 0;
        return FirstReaching(track, from, known.position, level);
    }

    // The first minute after this one with another house than this minute's,
    // the midpoint staying as it is; one past the day's last minute when
    // there is none.
    int HouseChangeAfter(int position, const Quantities& now)
    {
        const int house = now.House();
        const int midpoint = now.Midpoint();
        if (polar_)
            return PolarHouseChange(position, house, midpoint, 1);
        ascendant_.Anchor(position);
        const int target = 30 * (FloorDiv(ascendant_.Count(position) - midpoint - 1, 30) + 1) + midpoint + 1;
        double rate = kAscendantMeanRate;
        for (int from = position; from < last_;) {
            const int to = std::min(from + Reach(target - ascendant_.Value(from), rate), last_);
            if (ascendant_.Count(to) >= target)
                return FirstReaching(ascendant_, from, to, target);
            rate = (ascendant_.Value(to) - ascendant_.Value(from)) / (to - from);
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
        if (polar_)
            return PolarHouseChange(position, house, midpoint, -1) + 1;
        ascendant_.Anchor(position);
        const int target = 30 * FloorDiv(ascendant_.Count(position) - midpoint - 1, 30) + midpoint + 1;
        double rate = kAscendantMeanRate;
        for (int to = position; to > 0;) {
            const int from = std::max(to - Reach(ascendant_.Value(to) - target, rate), 0);
            if (ascendant_.Count(from) < target)
                return FirstReaching(ascendant_, from, to, target);
            rate = (ascendant_.Value(to) - ascendant_.Value(from)) / (to - from);
            ascendant_.MoveAnchor(from);
            to = from;
        }
        return 0;
    }

    // Beyond the polar circle: the first minute after this one (direction 1)
    // or before it (-1) whose house differs from `house`, the midpoint staying
    // as it is; one past the day's last minute, or -1, when there is none.
    // Minutes the ascendant surely cannot leave the house in are passed over;
    // the others are looked at one by one.
    int PolarHouseChange(int position, int house, int midpoint, int direction)
    {
        const int end = direction > 0 ? last_ + 1 : -1;
        for (int p = position;;) {
            p += direction * KeepingMinutes(p, midpoint, direction);
            const int next = p + direction;
            if (next == end || MidpointHouse(ascendant_.WholeAt(next), midpoint) != house)
                return next;
            p = next;
        }
    }

    // How many minutes on from this one (in the direction) surely keep its
    // house. The house is the block of 30 whole degrees of the ascendant that
    // holds this minute's, so the ascendant must first move by the distance
    // from its longitude to the nearer end of the block. Over an interval it
    // moves at most the bound of its rate against the sidereal angle (which
    // only grows with the minute) times the angle's growth. The bound is made
    // 1% larger and the distance 1e-6 degree shorter, far more than the
    // rounding of the longitudes, the small steps the ascendant's quadrant
    // corrections make, and the change of the obliquity in a day can move
    // them. No minute is passed over where the bound is infinite (the
    // ecliptic near the horizon) or the distance too short.
    int KeepingMinutes(int position, int midpoint, int direction)
    {
        const int room = direction > 0 ? last_ - position : position;
        const double longitude = sky_.Longitude(Ascendant, position);
        const int whole = Whole(longitude);
        const double fraction = longitude - whole;
        const int within = Mod360(midpoint - Mod360(whole)) % 30;   // whole degrees below the block's upper end
        const double distance = std::min(within + 1 - fraction, fraction + 29 - within) - 1e-6;
        if (room == 0 || !(distance > 0))
            return 0;
        const double angle = sky_.SiderealAngle(position);
        const auto moved = [&](int minutes, double rate) {
            return rate * std::abs(sky_.SiderealAngle(position + direction * minutes) - angle);
        };
        int keep = 0;
        // A first bound over a long interval, then over intervals twice the
        // minutes the last allowed, on which the bound is usually smaller.
        int window = std::min(room, kAscendantStep);
        for (int pass = 0; pass < 3 && window > keep; ++pass) {
            const double end = sky_.SiderealAngle(position + direction * window);
            const double rate = 1.01 * sky_.AscendantRate(std::min(angle, end), std::max(angle, end));
            if (moved(window, rate) < distance)
                return window;
            // The angle grows about 0.2507 degree a minute: start there and
            // shorten until the bound holds.
            int minutes = static_cast<int>(std::clamp(distance / (rate * 0.2507), 0.0, window - 1.0));
            while (minutes > keep && !(moved(minutes, rate) < distance))
                --minutes;
            if (minutes <= keep)
                return keep;
            keep = minutes;
            window = std::min(2 * minutes, room);
        }
        return keep;
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
    if (finder.Last() < 0)
        return ranges;   // a day the clock skipped whole
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
