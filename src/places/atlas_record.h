#pragma once

#include <vector>

#include <QString>
#include <QtGlobal>

#include "places/place.h"

namespace lunarys::places {

// One place as the atlas's source gives it: the place, and the keys under
// which the name catalogs and the ISO codes know it.
struct AtlasRecord {
    Place place;
    quint32 geoNameId = 0;  // 0: none
    QString countryCode;    // ISO 3166-1 alpha-2, "IN"
    QString stateCode;      // the country's first-level admin code in GeoNames, "16"

    friend bool operator==(const AtlasRecord&, const AtlasRecord&) = default;
};

}  // namespace lunarys::places
