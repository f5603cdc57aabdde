#include "ui/input/app_icon.h"

namespace lunarys::ui {

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/lunarys.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace lunarys::ui
