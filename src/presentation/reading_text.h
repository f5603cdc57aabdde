#pragma once

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// The reading for a person to read, under the result window's headings, with
// LF line breaks. It begins with the positions and the universal time they
// were computed for.
QString ReadingAsText(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::presentation
