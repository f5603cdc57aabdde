#pragma once

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"
#include "ui/shell/platform.h"

namespace lunarys::ui {

// Where the folder of the last saved reading is kept, in the program's
// settings section.
inline const char* const ReadingFolderKey = "ReadingFolder";

// "MARY ANN - Lunarys reading.pdf" in the folder last saved to, or else in
// the user's Documents folder (the home folder when there is none).
QString SuggestedReadingPath(SettingsStore& settings, const QString& name);

// Save Reading As: asks for a file (PDF, HTML or plain text, by the chosen
// filter or the name's suffix), writes it whole and remembers its folder. A
// file that cannot be written is reported in an error message naming it and
// the reason; a file already there is then left as it was.
void SaveReadingAs(Platform& platform, const engine::Reading& reading, const engine::ReadingTexts& texts);

// Print: the reading's pages in a preview, printed from there.
void PrintReading(Platform& platform, const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::ui
