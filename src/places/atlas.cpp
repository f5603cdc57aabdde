#include "places/atlas.h"

#include <algorithm>

#include <QList>

#include "places/atlas_index.h"
#include "places/name_key.h"

namespace lunarys::places {

namespace {

// A place's name matched whole outranks a longer name's place unless that
// one is this many times as populous.
constexpr std::uint64_t kWholeNameWeight = 10;
// A query is taken for a country's name alone from this many characters on
// (shorter ones are codes and abbreviations, and the start of many names).
constexpr qsizetype kCountryNameLength = 4;

// How a query met one place; several meetings of one place are merged.
struct Hit {
    std::uint32_t place;
    std::uint32_t otherName = AtlasIndex::kOwnName;  // the other name matched, if any
    bool whole = false;       // a name matched whole
    bool own = false;         // the place's own name matched
    bool otherWhole = false;  // otherName matched whole
    bool countryAlone = false;
};

// The entries whose key begins with `prefix`, as a range.
template <typename Entry>
std::pair<typename std::vector<Entry>::const_iterator, typename std::vector<Entry>::const_iterator>
BeginningWith(const std::vector<Entry>& entries, const QString& pool, QStringView prefix)
{
    const auto first = std::lower_bound(entries.begin(), entries.end(), prefix, [&pool](const Entry& e, QStringView p) {
        return TextAt(pool, e.key).compare(p) < 0;
    });
    auto last = first;
    while (last != entries.end() && TextAt(pool, last->key).startsWith(prefix))
        ++last;
    return {first, last};
}

}  // namespace

AtlasSources AtlasSources::Read(std::vector<AtlasRecord> records, const AtlasFiles& files)
{
    AtlasSources sources;
    sources.records = std::move(records);
    sources.catalogs = NameCatalogs::ReadAll(files.localeFolder);
    sources.displayCatalog = NameCatalogs::ReadLanguage(files.localeFolder, QString::fromLatin1(kDisplayLanguage));
    sources.countries = ReadIsoCountries(files.isoCountries);
    sources.subdivisions = ReadIsoSubdivisions(files.isoSubdivisions);
    sources.zoneCities = ReadZoneCities(files.zoneTable, files.zone1970Table);
    return sources;
}

std::shared_ptr<const Atlas> Atlas::Load(std::vector<AtlasRecord> records, const AtlasFiles& files)
{
    return std::make_shared<const Atlas>(AtlasSources::Read(std::move(records), files));
}

Atlas::Atlas(std::vector<Place> places)
{
    AtlasSources sources;
    sources.records.reserve(places.size());
    for (Place& place : places)
        sources.records.push_back({std::move(place), 0, {}, {}});
    index_ = std::make_unique<const AtlasIndex>(AtlasIndex::Build(std::move(sources)));
}

Atlas::Atlas(AtlasSources sources)
    : index_(std::make_unique<const AtlasIndex>(AtlasIndex::Build(std::move(sources))))
{
}

Atlas::~Atlas() = default;

std::size_t Atlas::Size() const { return index_->places.size(); }

PlaceMatches Atlas::Find(QStringView query, std::size_t limit) const
{
    const AtlasIndex& index = *index_;
    const QList<QStringView> parts = query.split(u',');
    const QString name = QueryKey(parts.front());

    // For each part after the first, the states and countries it names.
    std::vector<std::vector<bool>> narrowing;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString part = QueryKey(parts[i]);
        if (part.isEmpty())
            continue;
        std::vector<bool>& regions = narrowing.emplace_back(index.regionCount, false);
        const auto [first, last] = BeginningWith(index.regionNames, index.keyText, part);
        for (auto entry = first; entry != last; ++entry)
            if (!entry->code || entry->key.length == static_cast<std::uint32_t>(part.size()))
                regions[entry->region] = true;
    }
    const auto narrowedBy = [&](std::uint32_t place) {
        const std::uint32_t state = index.stateOf[place];
        return std::all_of(narrowing.begin(), narrowing.end(), [&](const std::vector<bool>& regions) {
            return regions[index.countryOf[place]] || (state != AtlasIndex::kNoRegion && regions[state]);
        });
    };

    std::vector<Hit> hits;
    const auto addNameHits = [&](const QString& key, bool narrowed) {
        const auto [first, last] = BeginningWith(index.placeNames, index.keyText, key);
        for (auto entry = first; entry != last; ++entry) {
            if (narrowed && !narrowedBy(entry->place))
                continue;
            const bool whole = entry->key.length == static_cast<std::uint32_t>(key.size());
            const bool own = entry->name == AtlasIndex::kOwnName;
            hits.push_back({entry->place, entry->name, whole, own, whole && !own, false});
        }
    };
    addNameHits(name, true);
    // "Washington, D.C.": the commas may be part of the name.
    if (parts.size() > 1)
        if (const QString whole = QueryKey(query); whole != name)
            addNameHits(whole, false);
    if (parts.size() == 1 && name.size() >= kCountryNameLength) {
        std::vector<bool> countries(index.regionCount, false);
        bool any = false;
        const auto [first, last] = BeginningWith(index.regionNames, index.keyText, name);
        for (auto entry = first; entry != last; ++entry)
            if (entry->country && !entry->code && entry->key.length == static_cast<std::uint32_t>(name.size()))
                any = countries[entry->region] = true;
        for (std::uint32_t place = 0; any && place < index.places.size(); ++place)
            if (countries[index.countryOf[place]])
                hits.push_back({place, AtlasIndex::kOwnName, false, false, false, true});
    }

    // One hit a place: the best of its meetings.
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.place < b.place; });
    std::vector<Hit> merged;
    for (const Hit& hit : hits) {
        if (merged.empty() || merged.back().place != hit.place) {
            merged.push_back(hit);
            continue;
        }
        Hit& best = merged.back();
        best.whole |= hit.whole;
        best.own |= hit.own;
        best.countryAlone |= hit.countryAlone;
        // The other name shown: one matched whole, else the most used spelling.
        const auto uses = [&index](std::uint32_t name) { return index.otherNameUses[name]; };
        if (hit.otherName != AtlasIndex::kOwnName
            && (best.otherName == AtlasIndex::kOwnName || (hit.otherWhole && !best.otherWhole)
                || (hit.otherWhole == best.otherWhole && uses(hit.otherName) > uses(best.otherName)))) {
            best.otherName = hit.otherName;
            best.otherWhole = hit.otherWhole;
        }
    }

    const auto score = [&index](const Hit& hit) {
        return std::uint64_t{index.places[hit.place].population} * (hit.whole ? kWholeNameWeight : 1);
    };
    const auto better = [&score](const Hit& a, const Hit& b) {
        if (a.countryAlone != b.countryAlone)
            return a.countryAlone;
        if (score(a) != score(b))
            return score(a) > score(b);
        if (a.whole != b.whole)
            return a.whole;
        return a.place < b.place;
    };
    const std::size_t shown = std::min(limit, merged.size());
    std::partial_sort(merged.begin(), merged.begin() + static_cast<std::ptrdiff_t>(shown), merged.end(), better);

    PlaceMatches matches;
    matches.total = merged.size();
    matches.places.reserve(shown);
    matches.matchedNames.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        const Hit& hit = merged[i];
        matches.places.push_back(index.places[hit.place]);
        matches.matchedNames.push_back(hit.own || hit.otherName == AtlasIndex::kOwnName
                                           ? QString()
                                           : TextAt(index.nameText, index.otherNames[hit.otherName]).toString());
    }
    return matches;
}

}  // namespace lunarys::places
