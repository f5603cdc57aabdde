#pragma once

#include <QByteArray>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::exports {

// The reading as one standalone UTF-8 HTML document: inline CSS and an inline
// SVG chart wheel, no script and nothing fetched from elsewhere. The layout
// follows the width of the screen and prints on paper.
QByteArray ReadingAsHtml(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::exports
