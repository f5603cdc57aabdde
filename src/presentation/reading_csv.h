#pragma once

#include <string>
#include <string_view>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// A batch's readings as CSV, one flat row a reading for spreadsheets: the
// JSON object's members with the nested names joined (sun.longitude is
// sunLongitude), after the row number and the message of a refused row. With
// texts, the ten texts follow. Numbers are written as in the JSON; lines end
// in CR LF.
void AppendCsvHeader(std::string& out, bool withTexts);
void AppendCsvReading(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row);
void AppendCsvRefused(std::string& out, std::string_view message, int row, bool withTexts);

// One field, in double quotes (with doubled quotes inside) when it holds a
// comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view utf8);

}  // namespace lunarys::presentation
