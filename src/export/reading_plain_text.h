#pragma once

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::exports {

// The reading as plain text to keep: the text the presentation module gives,
// with the birth details block after its opening lines. LF line breaks, the
// last line ended too; no wheel.
QString ReadingDocumentText(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::exports
