#include "ui/input/zone_list.h"

#include <QComboBox>

#include "engine/zones.h"

namespace lunarys::ui {

void FillZoneList(QComboBox& list)
{
    for (const engine::Zone& zone : engine::Zones)
        list.addItem(QString::fromUtf8(zone.Item.data(), static_cast<qsizetype>(zone.Item.size())));
}

}  // namespace lunarys::ui
