#pragma once

#include "export/reading_outline.h"

class QLabel;
class QTextEdit;

namespace lunarys::ui {

// Shows the house of the midpoint: fills the box with its heading (bold,
// yellow) and its text (white), then writes its name beside "Midpoint lies
// in". Without a house the box is left empty and the caption is empty.
void ShowMidpointHouse(QLabel& lblMidpointliesin, QTextEdit& RTBHouseDesc, const exports::ReadingOutline& outline);

}  // namespace lunarys::ui
