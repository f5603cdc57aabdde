#pragma once

#include "engine/reading_model.h"
#include "engine/texts.h"

class QLabel;
class QTextEdit;

namespace lunarys::ui {

// Shows the house of the midpoint: fills the box with its heading (bold,
// yellow) and its text (white), then writes its name beside "Midpoint lies
// in". Without a house the box is left empty and the caption is empty.
void ShowMidpointHouse(QLabel& lblMidpointliesin, QTextEdit& RTBHouseDesc, const engine::Reading& reading,
                       const engine::ReadingTexts& texts);

}  // namespace lunarys::ui
