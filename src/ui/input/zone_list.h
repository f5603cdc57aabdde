#pragma once

class QComboBox;

namespace lunarys::ui {

// Adds the 71 zones in table order; the list index is what the reading uses.
void FillZoneList(QComboBox& list);

}  // namespace lunarys::ui
