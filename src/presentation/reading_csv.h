#pragma once

#include <string>
#include <string_view>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// A batch's readings as CSV, one flat row a reading for spreadsheets: the
// record's fields that have a column, in the record's order (reading_record.h:
// the row number, the message of a refused row, then the reading; with texts,
// the ten texts follow). Numbers are written as in the JSON; lines end in CR
// LF, and so do the texts' line breaks.
void AppendCsvHeader(std::string& out, bool withTexts);
void AppendCsvReading(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row);
void AppendCsvRefused(std::string& out, std::string_view message, int row, bool withTexts);

// One field, in double quotes (with doubled quotes inside) when it holds a
// comma, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view utf8);

}  // namespace lunarys::presentation
