#include "cli/time_ranges_command.h"

#include <QDate>

#include "engine/birth_time_ranges.h"
#include "engine/day_clock.h"
#include "engine/reading.h"
#include "presentation/time_ranges.h"

namespace lunarys::cli {

std::variant<QByteArray, QString> TimeRangesOutput(CliRequest& request)
{
    if (std::optional<QString> message = TakeName(request.input))
        return *message;
    engine::ChartState chart;
    const auto outcome = engine::RunReading(request.input, chart);   // at 00:00
    if (const auto* problem = std::get_if<engine::InputProblem>(&outcome))
        return problem->Message;
    const engine::BirthDetails& birth = std::get<engine::Reading>(outcome).Birth;
    // The database's clock of the day when --place or --tz gave one.
    const engine::DayClock day = request.input.Clock && request.input.Clock->Day ? *request.input.Clock->Day
                                                                               : engine::FixedOffsetClock(chart);
    const std::vector<engine::TimeRange> ranges = engine::RangesOfDay(chart, day);
    if (ranges.empty())   // only a database clock can skip a whole day
        return QStringLiteral("lunarys-cli: --date: the clocks of %1 skipped %2 whole; that day has no birth times")
            .arg(request.input.Clock ? request.input.Clock->TimeZone : QString(),
                 QDate(birth.Year, birth.Month, birth.Day).toString(Qt::ISODate));
    if (request.output.format == OutputFormat::Json)
        return presentation::TimeRangesAsJson(birth, ranges);
    return presentation::TimeRangesAsText(birth, ranges).toUtf8();
}

}  // namespace lunarys::cli
