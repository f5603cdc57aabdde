#pragma once

#include <QString>

namespace lunarys::places {

// The catalog of place names inside a language's folder of the locale folder.
inline constexpr const char* kCatalogInLanguageFolder = "/LC_MESSAGES/geonames.mo";
// The language whose catalog names the countries the atlas adds from the
// time-zone table.
inline constexpr const char* kDisplayLanguage = "en";

// Where the atlas finds its other data on a Debian system: the name catalogs
// (libgeonames-common), the ISO 3166 codes (iso-codes) and the time-zone
// table with every zone's principal city (tzdata).
struct AtlasFiles {
    QString localeFolder = QStringLiteral("/usr/share/locale");
    QString isoCountries = QStringLiteral("/usr/share/iso-codes/json/iso_3166-1.json");
    QString isoSubdivisions = QStringLiteral("/usr/share/iso-codes/json/iso_3166-2.json");
    QString zoneTable = QStringLiteral("/usr/share/zoneinfo/zone.tab");
    QString zone1970Table = QStringLiteral("/usr/share/zoneinfo/zone1970.tab");
};

}  // namespace lunarys::places
