#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "engine/birth_time_ranges.h"
#include "engine/reading_model.h"

namespace lunarys::presentation {

// The day's birth-time ranges of a birth whose time is not known:
// {"name", "date", "ranges": [{"from", "to", "sun", "moon", "midpoint",
// "house"}, ...]} as an indented document.
QByteArray TimeRangesAsJson(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges);

// The same as a table for a person to read, with LF line breaks.
QString TimeRangesAsText(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges);

// "This reading holds for births between 05:12 and 07:08.", as the result
// window says it; empty when the reading has no range.
QString HoldsSentence(const engine::Reading& reading);

}  // namespace lunarys::presentation
