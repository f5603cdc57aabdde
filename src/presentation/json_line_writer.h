#pragma once

#include <string>
#include <string_view>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// A number as QJsonDocument writes a double: a whole number up to 2^53 as an
// integer (zero of either sign is "0"); otherwise the shortest digits that
// read back to the same value, in fixed form unless the exponent form is
// shorter, the exponent with a sign and at least two digits.
void AppendNumber(std::string& out, double value);
void AppendNumber(std::string& out, int value);

// A JSON string in quotes, escaped as QJsonDocument escapes it; the text is
// UTF-8 and stays so.
void AppendJsonString(std::string& out, std::string_view utf8);

// One reading of a batch as one line of compact JSON, byte for byte what
// QJsonDocument makes of ReadingAsJsonObject with the row added (keys in
// their sorted order), written from the record's fields (reading_record.h)
// straight into a buffer that the caller keeps and reuses. `texts` may be
// null: the line then has no "texts".
void AppendReadingLine(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row);

// One reading as the indented JSON document that --json prints, byte for
// byte what QJsonDocument makes of ReadingAsJsonObject.
void AppendReadingDocument(std::string& out, const engine::Reading& reading, const engine::ReadingTexts& texts);

// A refused row: {"error":"...","row":N} and a line break.
void AppendRefusedLine(std::string& out, std::string_view message, int row);

}  // namespace lunarys::presentation
