#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include <QString>
#include <QStringView>

#include "places/place.h"

namespace lunarys::places {

struct AtlasSources;

// A text inside one of the index's text pools.
struct TextRef {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

inline QStringView TextAt(const QString& pool, TextRef ref)
{
    return QStringView(pool).mid(ref.offset, ref.length);
}

// The atlas's places and every name they, their states and their countries go
// by, in folded form (FoldedForMatching, and ShortForm besides where it
// differs), sorted for prefix search. Each folded text is kept once.
struct AtlasIndex {
    static constexpr std::uint32_t kOwnName = std::numeric_limits<std::uint32_t>::max();
    static constexpr std::uint32_t kNoRegion = std::numeric_limits<std::uint32_t>::max();

    // One name of one place.
    struct PlaceName {
        TextRef key;          // in keyText
        std::uint32_t place;  // in places
        std::uint32_t name;   // in otherNames, or kOwnName for the place's own name
    };
    // One name or code of a state or country.
    struct RegionName {
        TextRef key;  // in keyText
        std::uint32_t region;
        bool code;     // a code matches only whole
        bool country;  // the region is a country
    };

    std::vector<Place> places;
    std::vector<std::uint32_t> stateOf;    // by place: its state's region, or kNoRegion
    std::vector<std::uint32_t> countryOf;  // by place: its country's region
    std::uint32_t regionCount = 0;

    QString keyText;   // the folded names and codes
    QString nameText;  // the other names as written
    std::vector<TextRef> otherNames;    // in nameText
    std::vector<std::uint32_t> otherNameUses;  // by other name: in how many catalogs it is written so
    std::vector<PlaceName> placeNames;  // sorted by key text, then place
    std::vector<RegionName> regionNames;  // sorted by key text

    static AtlasIndex Build(AtlasSources sources);
};

}  // namespace lunarys::places
