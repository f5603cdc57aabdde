#include "cli/zone_list_text.h"

#include "engine/qt_text.h"
#include "engine/zones.h"

namespace lunarys::cli {

QString ZoneListText()
{
    QString out;
    for (std::size_t i = 0; i < engine::Zones.size(); ++i)
        out += QString::number(i) + u'\t' + engine::ToQString(engine::Zones[i].Item) + u'\n';
    return out;
}

}  // namespace lunarys::cli
