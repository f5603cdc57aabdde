#pragma once

// The atlas's places as libgeonames gives them, built as a module that
// lunarys-cli loads only when a place is asked for (--place, --places, a
// batch's place column): libgeonames brings GIO and GObject with it, whose
// start every other run would pay.

#include <vector>

#include "places/atlas_record.h"

namespace lunarys::cli {

// The module's file name, and its entry point: fills `records` with every
// place and answers true, or false when there are none.
inline constexpr const char* AtlasModuleFileName = "lunarys-atlas.so";
inline constexpr const char* AtlasModuleEntry = "lunarys_atlas_records";
using AtlasModuleFunction = bool (*)(std::vector<places::AtlasRecord>* records);

}  // namespace lunarys::cli
