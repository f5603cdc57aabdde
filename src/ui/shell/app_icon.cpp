#include "ui/shell/app_icon.h"

namespace lunarys::ui {

namespace {

QIcon LoadAppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/lunarys.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

QIcon AppIcon()
{
    // Built once: every window shares the decoded pictures.
    static const QIcon icon = LoadAppIcon();
    return icon;
}

}  // namespace lunarys::ui
