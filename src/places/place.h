#pragma once

#include <QString>
#include <QtGlobal>

namespace lunarys::places {

// One place of the atlas: its names as GeoNames writes them, its IANA time
// zone and its position in decimal degrees, north and east positive.
struct Place {
    QString name;
    QString state;
    QString country;
    QString timeZone;
    double latitude = 0;
    double longitude = 0;
    quint32 population = 0;

    friend bool operator==(const Place&, const Place&) = default;
};

// "Mumbai, Maharashtra, India"; without a state, "City, Country".
QString PlaceDisplayName(const Place& place);

}  // namespace lunarys::places
