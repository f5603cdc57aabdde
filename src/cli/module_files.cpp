#include "cli/module_files.h"

#include <QDir>
#include <QFileInfo>

namespace lunarys::cli {

QStringList ModulePaths(const char* fileName)
{
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QDir folder = QFileInfo(program).dir();
    const QString name = QString::fromLatin1(fileName);
    return {folder.filePath(name),
            QDir::cleanPath(folder.filePath(QStringLiteral(LUNARYS_MODULE_DIR_FROM_BIN "/") + name))};
}

QString FindModule(const char* fileName)
{
    for (const QString& path : ModulePaths(fileName))
        if (QFileInfo::exists(path))
            return path;
    return {};
}

}  // namespace lunarys::cli
