#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <QString>
#include <QStringView>

#include "places/atlas_files.h"
#include "places/atlas_record.h"
#include "places/iso_codes.h"
#include "places/name_catalogs.h"
#include "places/place.h"
#include "places/zone_cities.h"

namespace lunarys::places {

struct AtlasIndex;

// The answer to a place query: the best matches and how many there are.
struct PlaceMatches {
    std::vector<Place> places;  // at most the number asked for, best first
    // By place: the other name the query matched ("Bombay" for Mumbai), or
    // empty when the place's own name matched.
    std::vector<QString> matchedNames;
    std::size_t total = 0;  // every place that matches the query
};

// Everything the atlas is built from.
struct AtlasSources {
    std::vector<AtlasRecord> records;
    NameCatalogs catalogs;         // names in every language, by id or code
    NameCatalogs displayCatalog;   // the names of countries the records lack
    std::vector<IsoCountry> countries;
    std::vector<IsoSubdivision> subdivisions;
    std::vector<ZoneCity> zoneCities;

    // The records with the catalogs, codes and zones read from `files`.
    static AtlasSources Read(std::vector<AtlasRecord> records, const AtlasFiles& files = {});
};

// The world's places of 15,000 people or more (GeoNames data, CC BY 4.0, read
// through libgeonames), indexed by every name they have in any language, and
// the principal city of every time zone whose city they lack. Built once;
// nothing changes it afterwards, so one Atlas may be queried from any number
// of threads. Whoever loads it owns it and hands it on.
class Atlas {
public:
    // Reads the other names, codes and zone cities for the records and builds
    // the index: a few tenths of a second, too long for the GUI thread (see
    // AtlasLoader).
    static std::shared_ptr<const Atlas> Load(std::vector<AtlasRecord> records, const AtlasFiles& files = {});

    // An atlas of the given places, in that order, under their own names.
    explicit Atlas(std::vector<Place> places);
    explicit Atlas(AtlasSources sources);
    ~Atlas();

    // Places for a query "CITY[, STATE][, COUNTRY]". The parts are split at
    // commas; the first must begin one of the place's names, each further part
    // must begin a name of its state or its country, or be one of their codes
    // (US, USA, TX, US-TX). Every comparison is blind to accents and case, and
    // "St"/"Saint", "Ste"/"Sainte", "Mt"/"Mount", "Ft"/"Fort" are one word.
    // A country's name alone offers that country's places first. Then a
    // place's whole name before a longer one unless the longer one's place is
    // ten times as populous; then the more populous.
    PlaceMatches Find(QStringView query, std::size_t limit) const;

    std::size_t Size() const;

private:
    std::unique_ptr<const AtlasIndex> index_;
};

}  // namespace lunarys::places
