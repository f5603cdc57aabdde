#pragma once

#include <vector>

#include "places/place.h"

namespace lunarys::places {

// Every place that libgeonames holds, in its own order (about 24,000 places
// of 15,000 people or more). The whole list is read on each call; run it off
// the GUI thread. Empty when the library has no data.
std::vector<Place> ReadGeoNamesPlaces();

}  // namespace lunarys::places
