#pragma once

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::exports {

// The reading as plain text: the title and positions, the birth details,
// then the window's headings ("== tab ==", "-- frame --"), fields and texts
// in its order. LF line breaks; the text ends with a blank line; no wheel.
QString ReadingDocumentText(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::exports
