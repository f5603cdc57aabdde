#pragma once

#include <QIcon>

namespace lunarys::ui {

// The program's icon in every size compiled into the program.
QIcon AppIcon();

}  // namespace lunarys::ui
