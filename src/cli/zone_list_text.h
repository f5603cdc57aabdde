#pragma once

#include <QString>

namespace lunarys::cli {

// The 71 zones, one a line: the list index, a tab and the item.
QString ZoneListText();

}  // namespace lunarys::cli
