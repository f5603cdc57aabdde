#pragma once

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// The reading for a person to read, under the result window's headings, with
// LF line breaks.
QString ReadingAsText(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::presentation
