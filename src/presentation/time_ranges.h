#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

#include "engine/birth_time_ranges.h"
#include "engine/reading_model.h"

namespace lunarys::presentation {

// The day's birth-time ranges of a birth whose time is not known:
// {"name", "date", "ranges": [{"from", "to", "sun", "moon", "midpoint",
// "house"}, ...]} as an indented document. A range that a change of the day's
// clock cuts (minutes it runs across that did not exist, minutes it holds
// that came twice) also has "clockChanges": [{"kind": "skipped" or
// "repeated", "from", "to"}].
QByteArray TimeRangesAsJson(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges,
                            const engine::DayClock& day);

// The same as a table for a person to read, with LF line breaks; a range
// cut by a clock change says so after its house.
QString TimeRangesAsText(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges,
                         const engine::DayClock& day);

// "This reading holds for births between 05:12 and 07:08.", as the result
// window and every saved reading say it; "This reading holds only for a
// birth at 04:45." for a single minute; for a clock time that did not exist
// "No clock showed 01:30 on 28 March 2021 in Europe/London: the clocks went
// from 01:00 to 02:00."; empty when the reading has neither.
QString HoldsSentence(const engine::Reading& reading);

}  // namespace lunarys::presentation
