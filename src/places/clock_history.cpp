#include "places/clock_history.h"

#include <array>
#include <limits>
#include <vector>

#include <QTimeZone>

namespace lunarys::places {

namespace {

// No zone's offset reaches a day, so every instant that a local clock time may
// stand for lies within a day of that clock time read as universal time.
constexpr qint64 WindowSecs = 24 * 3600;
constexpr qint64 Earliest = std::numeric_limits<qint64>::min();
constexpr qint64 Latest = std::numeric_limits<qint64>::max();

QDateTime UtcAt(qint64 secs) { return QDateTime::fromSecsSinceEpoch(secs, Qt::UTC); }

qint64 LocalSecs(QDate date, QTime time) { return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch(); }

// Seconds to the nearest whole minute, halves away from zero.
int NearestMinute(int secs) { return secs >= 0 ? (secs + 30) / 60 : -((-secs + 30) / 60); }

// What the zone says of an instant. Qt's own fixed-offset zones ("UTC",
// "UTC+05:30") have no transitions and give offsetData() nothing; their
// separate accessors still answer.
QTimeZone::OffsetData OffsetAt(const QTimeZone& zone, const QDateTime& at)
{
    QTimeZone::OffsetData data = zone.offsetData(at);
    if (!data.atUtc.isValid()) {
        data.atUtc = at;
        data.offsetFromUtc = zone.offsetFromUtc(at);
        data.standardTimeOffset = zone.standardTimeOffset(at);
        data.daylightTimeOffset = zone.daylightTimeOffset(at);
    }
    return data;
}

// A stretch of constant offset, from its first second to the next one's.
struct Period {
    qint64 startSecs;
    QTimeZone::OffsetData data;
};

// The periods that cover from..to, in order; the first began at or before
// `from`. QTimeZone::transitions(from, to) is not used: in Qt 6.4 it stops at
// the zone file's last listed change (2037), where nextTransition() goes on by
// the zone's rule.
std::vector<Period> PeriodsCovering(const QTimeZone& zone, qint64 from, qint64 to)
{
    QDateTime at = UtcAt(from);
    std::vector<Period> periods{{Earliest, OffsetAt(zone, at)}};
    for (;;) {
        const QTimeZone::OffsetData next = zone.nextTransition(at);
        if (!next.atUtc.isValid() || next.atUtc <= at || next.atUtc.toSecsSinceEpoch() > to)
            break;
        periods.push_back({next.atUtc.toSecsSinceEpoch(), next});
        at = next.atUtc;
    }
    return periods;
}

struct Choice {
    std::size_t period;
    LocalTimeKind kind;
};

// The period whose offset the clock time is read with: the one period in which
// the clock time occurred; the first of two when it occurred twice; the one
// before the change when the change skipped it.
Choice ChoosePeriod(const std::vector<Period>& periods, qint64 localSecs)
{
    std::size_t first = periods.size();
    int occurrences = 0;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const qint64 instant = localSecs - periods[i].data.offsetFromUtc;
        const qint64 end = i + 1 < periods.size() ? periods[i + 1].startSecs : Latest;
        if (instant >= periods[i].startSecs && instant < end) {
            if (occurrences++ == 0)
                first = i;
        }
    }
    if (occurrences > 0)
        return {first, occurrences > 1 ? LocalTimeKind::Repeated : LocalTimeKind::Normal};
    // Clocks put forward at `change` skip the local times from the change under
    // the old offset up to the change under the new one.
    for (std::size_t i = 1; i < periods.size(); ++i) {
        const qint64 change = periods[i].startSecs;
        if (change + periods[i - 1].data.offsetFromUtc <= localSecs && localSecs < change + periods[i].data.offsetFromUtc)
            return {i - 1, LocalTimeKind::Skipped};
    }
    return {0, LocalTimeKind::Normal};  // a clock time is always met or skipped
}

// The periods just before and just after periods[i], fetched from the zone
// when they lie outside the window; an invalid OffsetData where there is none.
std::array<QTimeZone::OffsetData, 2> Neighbours(const QTimeZone& zone, const std::vector<Period>& periods,
                                                std::size_t i, qint64 from, qint64 to)
{
    QTimeZone::OffsetData before, after;
    if (i > 0) {
        before = periods[i - 1].data;
    } else {
        const QTimeZone::OffsetData began = zone.previousTransition(UtcAt(from + 1));
        if (began.atUtc.isValid())
            before = zone.previousTransition(began.atUtc);
    }
    after = i + 1 < periods.size() ? periods[i + 1].data : zone.nextTransition(UtcAt(to));
    return {before, after};
}

bool IsNegativeDaylightSaving(const QTimeZone::OffsetData& data)
{
    return data.atUtc.isValid() && data.daylightTimeOffset < 0;
}

struct OffsetParts {
    int standardSecs;
    int daylightSecs;
};

// Standard and daylight parts of a period's offset. Qt reads the zone files'
// daylight flag as it stands, so a winter written as negative daylight saving
// comes back as daylight time with a standard offset above the actual one;
// here it is standard time, and a summer between two such winters (which Qt
// calls standard time) is daylight saving over the winters' offset.
OffsetParts SplitOffset(const QTimeZone& zone, const std::vector<Period>& periods, std::size_t i, qint64 from,
                        qint64 to)
{
    const QTimeZone::OffsetData& data = periods[i].data;
    if (data.daylightTimeOffset > 0)
        return {data.offsetFromUtc - data.daylightTimeOffset, data.daylightTimeOffset};
    if (data.daylightTimeOffset < 0)
        return {data.offsetFromUtc, 0};
    const auto [before, after] = Neighbours(zone, periods, i, from, to);
    if (IsNegativeDaylightSaving(before) && IsNegativeDaylightSaving(after)
        && before.standardTimeOffset == data.offsetFromUtc && before.offsetFromUtc == after.offsetFromUtc
        && before.offsetFromUtc < data.offsetFromUtc)
        return {before.offsetFromUtc, data.offsetFromUtc - before.offsetFromUtc};
    return {data.offsetFromUtc, 0};
}

bool IsZoneNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '+';
}

// Area/Location[/Sub]: each part begins with a letter and holds letters,
// digits, '_', '-' and '+' only. The database's folders of other flavours
// (posix/, right/ with leap seconds) are not zones of their own.
bool HasZoneNameForm(QByteArrayView id)
{
    int parts = 0;
    bool partStart = true;
    for (const char c : id) {
        if (c == '/') {
            if (partStart)
                return false;
            partStart = true;
            continue;
        }
        if (partStart) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return false;
            partStart = false;
            ++parts;
        } else if (!IsZoneNameCharacter(c)) {
            return false;
        }
    }
    return !partStart && parts >= 2 && !id.startsWith("posix/") && !id.startsWith("right/");
}

// The zone of a known name; an invalid zone otherwise.
QTimeZone ZoneNamed(QByteArrayView ianaId)
{
    if (ianaId.isEmpty() || ianaId.size() > 64)
        return {};
    const QByteArray name = ianaId.toByteArray();
    if (!QTimeZone::isTimeZoneIdAvailable(name) && !HasZoneNameForm(ianaId))
        return {};
    return QTimeZone(name);
}

}  // namespace

bool IsKnownTimeZone(QByteArrayView ianaId) { return ZoneNamed(ianaId).isValid(); }

std::optional<BirthClock> ClockAt(QByteArrayView ianaId, QDate localDate, QTime localTime)
{
    const QTimeZone zone = ZoneNamed(ianaId);
    if (!zone.isValid() || !localDate.isValid() || !localTime.isValid())
        return std::nullopt;

    BirthClock clock;
    clock.timeZone = ianaId.toByteArray();
    clock.localDate = localDate;
    clock.localTime = QTime(localTime.hour(), localTime.minute());

    const qint64 localSecs = LocalSecs(localDate, clock.localTime);
    const qint64 from = localSecs - WindowSecs, to = localSecs + WindowSecs;
    const std::vector<Period> periods = PeriodsCovering(zone, from, to);
    const Choice choice = ChoosePeriod(periods, localSecs);
    const OffsetParts parts = SplitOffset(zone, periods, choice.period, from, to);

    clock.kind = choice.kind;
    clock.offsetMinutes = NearestMinute(periods[choice.period].data.offsetFromUtc);
    clock.standardOffsetMinutes = NearestMinute(parts.standardSecs);
    clock.daylightMinutes = clock.offsetMinutes - clock.standardOffsetMinutes;
    clock.daylightSaving = parts.daylightSecs > 0;
    clock.universalTime = QDateTime(localDate, clock.localTime, Qt::UTC).addSecs(-60LL * clock.offsetMinutes);
    return clock;
}

}  // namespace lunarys::places
