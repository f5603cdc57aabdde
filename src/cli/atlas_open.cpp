#include "cli/atlas_open.h"

#include <QLibrary>

#include "cli/atlas_module.h"
#include "cli/module_files.h"

namespace lunarys::cli {

std::variant<std::shared_ptr<const places::Atlas>, QString> OpenAtlas()
{
    const QString path = FindModule(AtlasModuleFileName);
    if (path.isEmpty())
        return QStringLiteral("cannot find the atlas module %1").arg(QString::fromLatin1(AtlasModuleFileName));
    QLibrary module(path);
    const auto read = reinterpret_cast<AtlasModuleFunction>(module.resolve(AtlasModuleEntry));
    if (!read)
        return QStringLiteral("cannot load the atlas module: %1").arg(module.errorString());
    std::vector<places::AtlasRecord> records;
    read(&records);
    // The module stays loaded: GLib keeps parts of it until the process ends.
    return places::Atlas::Load(std::move(records));
}

}  // namespace lunarys::cli
