#include "places/atlas.h"

#include <algorithm>

#include <QHash>
#include <QList>

#include "places/geonames_source.h"
#include "places/text_fold.h"

namespace lunarys::places {

namespace {

// States and countries repeat: fold each distinct text once.
class FoldCache {
public:
    QString Get(const QString& text)
    {
        auto found = folds_.constFind(text);
        if (found == folds_.cend())
            found = folds_.insert(text, FoldedForMatching(text));
        return *found;
    }

private:
    QHash<QString, QString> folds_;
};

struct Hit {
    std::uint32_t place;
    bool wholeName;
};

}  // namespace

std::shared_ptr<const Atlas> Atlas::Load()
{
    return std::make_shared<const Atlas>(ReadGeoNamesPlaces());
}

Atlas::Atlas(std::vector<Place> places) : places_(std::move(places))
{
    FoldCache cache;
    foldedStates_.reserve(places_.size());
    foldedCountries_.reserve(places_.size());
    byName_.reserve(places_.size());
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const Place& place = places_[i];
        foldedStates_.push_back(cache.Get(place.state));
        foldedCountries_.push_back(cache.Get(place.country));
        byName_.push_back({FoldedForMatching(place.name), static_cast<std::uint32_t>(i)});
    }
    std::sort(byName_.begin(), byName_.end(), [](const NameKey& a, const NameKey& b) {
        if (a.folded != b.folded)
            return a.folded < b.folded;
        return a.place < b.place;
    });
}

PlaceMatches Atlas::Find(QStringView query, std::size_t limit) const
{
    const QList<QStringView> parts = query.split(u',');
    const QString name = FoldedForMatching(parts.front());
    std::vector<QString> narrowing;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (QString part = FoldedForMatching(parts[i]); !part.isEmpty())
            narrowing.push_back(std::move(part));

    const auto narrowedBy = [&](std::uint32_t place) {
        return std::all_of(narrowing.begin(), narrowing.end(), [&](const QString& part) {
            return foldedStates_[place].startsWith(part) || foldedCountries_[place].startsWith(part);
        });
    };

    std::vector<Hit> hits;
    auto key = std::lower_bound(byName_.begin(), byName_.end(), name,
                                [](const NameKey& k, const QString& prefix) { return k.folded < prefix; });
    for (; key != byName_.end() && key->folded.startsWith(name); ++key)
        if (narrowedBy(key->place))
            hits.push_back({key->place, key->folded.size() == name.size()});

    const auto better = [this](const Hit& a, const Hit& b) {
        if (a.wholeName != b.wholeName)
            return a.wholeName;
        const quint32 popA = places_[a.place].population, popB = places_[b.place].population;
        if (popA != popB)
            return popA > popB;
        return a.place < b.place;
    };
    const std::size_t shown = std::min(limit, hits.size());
    std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(shown), hits.end(), better);

    PlaceMatches matches;
    matches.total = hits.size();
    matches.places.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i)
        matches.places.push_back(places_[hits[i].place]);
    return matches;
}

}  // namespace lunarys::places
