#include "places/day_clock_history.h"

#include <algorithm>

#include <QTime>

#include "places/clock_history.h"

namespace lunarys::places {

namespace {

constexpr int kLastMinute = engine::MinutesPerDay - 1;

// How one local minute stands: skipped, or taken with an offset.
struct MinuteClock {
    bool exists = false;
    int offsetMinutes = 0;
    friend bool operator==(const MinuteClock&, const MinuteClock&) = default;
};

class DayScan {
public:
    DayScan(QByteArrayView ianaId, QDate date) : ianaId_(ianaId), date_(date) {}

    MinuteClock At(int minute) const
    {
        const std::optional<BirthClock> clock = ClockAt(ianaId_, date_, QTime(minute / 60, minute % 60));
        if (!clock)
            return {};
        return {clock->kind != LocalTimeKind::Skipped, clock->offsetMinutes};
    }

    // The first minute after `from`, up to `to`, that stands otherwise than
    // `from`. Once a day's clock has changed it does not change back within
    // the same stretch, so the search may halve.
    int FirstChange(int from, const MinuteClock& before, int to) const
    {
        int low = from;
        int high = to;   // stands otherwise than `from`
        while (high - low > 1) {
            const int middle = low + (high - low) / 2;
            (At(middle) == before ? low : high) = middle;
        }
        return high;
    }

    // The minutes where the clock changes between two sampled minutes.
    void Changes(int from, const MinuteClock& atFrom, int to, const MinuteClock& atTo, std::vector<int>& out) const
    {
        if (atFrom == atTo)
            return;
        const int change = FirstChange(from, atFrom, to);
        out.push_back(change);
        if (change < to)
            Changes(change, At(change), to, atTo, out);
    }

private:
    QByteArrayView ianaId_;
    QDate date_;
};

// Clock changes fall on the hour or the half hour in practice; samples an hour
// apart, with a search between any two that differ, find every change that
// does not undo itself within the hour.
constexpr int kSampleStep = 60;

}  // namespace

engine::DayClock DayClockAt(QByteArrayView ianaId, QDate localDate)
{
    const DayScan scan(ianaId, localDate);
    std::vector<int> starts{0};
    MinuteClock previous = scan.At(0);
    const MinuteClock last = scan.At(kLastMinute);
    // A day that ends as it began had no change: the common case, two look-ups.
    if (previous != last || !previous.exists) {
        int previousMinute = 0;
        for (int minute = kSampleStep;; minute += kSampleStep) {
            minute = std::min(minute, kLastMinute);
            const MinuteClock here = minute == kLastMinute ? last : scan.At(minute);
            scan.Changes(previousMinute, previous, minute, here, starts);
            previous = here;
            previousMinute = minute;
            if (minute == kLastMinute)
                break;
        }
    }
    engine::DayClock day;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int from = starts[i];
        const int to = i + 1 < starts.size() ? starts[i + 1] - 1 : kLastMinute;
        const MinuteClock clock = scan.At(from);
        if (clock.exists)
            day.Pieces.push_back({from, to, engine::SettingOfOffset(clock.offsetMinutes)});
    }
    return day;
}

}  // namespace lunarys::places
