#pragma once

// The PDF writer of lunarys-cli, built as a module that the tool loads only
// when a PDF is asked for: it brings Qt Gui and its libraries with it.

#include <QByteArray>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::cli {

// The module's file name, and its entry point: writes the reading's PDF into
// `pdf` and answers true, or false when it could not be made.
inline constexpr const char* PdfModuleFileName = "lunarys-pdf.so";
inline constexpr const char* PdfModuleEntry = "lunarys_reading_as_pdf";
using PdfModuleFunction = bool (*)(const engine::Reading* reading, const engine::ReadingTexts* texts, QByteArray* pdf);

}  // namespace lunarys::cli
