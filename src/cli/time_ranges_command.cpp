#include "cli/time_ranges_command.h"

#include <QDate>

#include "engine/birth_time_ranges.h"
#include "engine/day_clock.h"
#include "engine/input_check.h"
#include "engine/reading.h"
#include "presentation/time_ranges.h"

namespace lunarys::cli {

std::variant<QByteArray, QString> TimeRangesOutput(CliRequest& request)
{
    if (std::optional<QString> message = TakeName(request.birth))
        return *message;
    if (std::optional<engine::InputProblem> problem = engine::CheckBirth(request.birth))
        return problem->Message;
    engine::ChartState chart;
    const engine::Birth birth = engine::RunReading(request.birth, chart).Birth;   // at 00:00
    // The database's clock of the day when --place or --tz gave one.
    const engine::DatabaseClock* clock = engine::DatabaseClockOf(request.birth);
    const engine::DayClock day = clock && clock->Day ? *clock->Day : engine::FixedOffsetClock(chart);
    const std::vector<engine::TimeRange> ranges = engine::RangesOfDay(chart, day);
    if (ranges.empty())   // only a database clock can skip a whole day
        return QStringLiteral("lunarys-cli: --date: the clocks of %1 skipped %2 whole; that day has no birth times")
            .arg(clock ? clock->TimeZone : QString(),
                 QDate(birth.Year, birth.Month, birth.Day).toString(Qt::ISODate));
    if (request.output.format == OutputFormat::Json)
        return presentation::TimeRangesAsJson(birth, ranges, day);
    return presentation::TimeRangesAsText(birth, ranges, day).toUtf8();
}

}  // namespace lunarys::cli
