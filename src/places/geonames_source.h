#pragma once

#include <vector>

#include "places/atlas_record.h"

namespace lunarys::places {

// Every place that libgeonames holds, in its own order (about 24,000 places
// of 15,000 people or more), with its GeoNames id and its country and state
// codes. The whole list is read on each call; run it off the GUI thread. Empty
// when the library has no data.
//
// This is the only code that uses libgeonames (and with it GIO and GObject);
// it lives in a library of its own, which the desktop program links and
// lunarys-cli loads as a module only when a place is asked for.
std::vector<AtlasRecord> ReadGeoNamesPlaces();

}  // namespace lunarys::places
