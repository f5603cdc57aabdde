// The module behind lunarys-cli's places: libgeonames's places, read here so
// that the tool itself is not linked to the library.
#include <type_traits>

#include "cli/atlas_module.h"
#include "places/geonames_source.h"

extern "C" Q_DECL_EXPORT bool lunarys_atlas_records(std::vector<lunarys::places::AtlasRecord>* records)
{
    static_assert(std::is_same_v<decltype(&lunarys_atlas_records), lunarys::cli::AtlasModuleFunction>);
    if (!records)
        return false;
    *records = lunarys::places::ReadGeoNamesPlaces();
    return !records->empty();
}
