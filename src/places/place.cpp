#include "places/place.h"

#include <QStringList>

namespace lunarys::places {

QString PlaceDisplayName(const Place& place)
{
    QStringList parts{place.name};
    if (!place.state.isEmpty())
        parts << place.state;
    if (!place.country.isEmpty())
        parts << place.country;
    return parts.join(QStringLiteral(", "));
}

}  // namespace lunarys::places
