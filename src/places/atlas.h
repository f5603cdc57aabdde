#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include <QString>
#include <QStringView>

#include "places/place.h"

namespace lunarys::places {

// The answer to a place query: the best matches and how many there are.
struct PlaceMatches {
    std::vector<Place> places;  // at most the number asked for, best first
    std::size_t total = 0;      // every place that matches the query
};

// The world's places of 15,000 people or more (GeoNames data, CC BY 4.0, read
// through libgeonames), indexed by name. Built once; nothing changes it
// afterwards, so one Atlas may be queried from any number of threads. Whoever
// loads it owns it and hands it on.
class Atlas {
public:
    // Reads every place from libgeonames and builds the index: a tenth of a
    // second or so, too long for the GUI thread (see AtlasLoader).
    static std::shared_ptr<const Atlas> Load();

    // An atlas of the given places, in that order.
    explicit Atlas(std::vector<Place> places);

    // Places for a query "CITY[, STATE][, COUNTRY]". The parts are split at
    // commas; the first must begin the place's name, each further part must
    // begin its state or its country. Every comparison is blind to accents
    // and case. Whole-name matches come first, then the more populous.
    PlaceMatches Find(QStringView query, std::size_t limit) const;

    std::size_t Size() const { return places_.size(); }

private:
    struct NameKey {
        QString folded;
        std::uint32_t place;
    };

    std::vector<Place> places_;
    std::vector<QString> foldedStates_;     // by place
    std::vector<QString> foldedCountries_;  // by place
    std::vector<NameKey> byName_;           // sorted by folded name
};

}  // namespace lunarys::places
