#include "places/atlas_index.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <string_view>

#include <QHash>
#include <QSet>

#include "places/atlas.h"
#include "places/flat_index.h"
#include "places/name_key.h"
#include "places/text_fold.h"

namespace lunarys::places {

namespace {

// Names of the United Kingdom that no list gives it: "UK" and "Britain" are
// what people write, and England, Scotland and Wales are its countries in
// everyday speech (GeoNames has them as its states).
struct CountryAlias {
    const char16_t* name;
    const char* countryCode;
};
constexpr std::array<CountryAlias, 6> CountryAliases{{
    {u"UK", "GB"},
    {u"Britain", "GB"},
    {u"Great Britain", "GB"},
    {u"England", "GB"},
    {u"Scotland", "GB"},
    {u"Wales", "GB"},
}};

bool IsDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsLetters(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

class IndexBuilder {
    // The keys of the builder's flat indexes.
    struct PlaceId {
        const IndexBuilder& builder;
        quint32 operator()(std::uint32_t place) const { return builder.placeIds_[place]; }
    };
    struct WrittenText {
        const IndexBuilder& builder;
        std::string_view operator()(std::uint32_t written) const { return builder.written_[written]; }
    };
    struct FoldedText {
        const IndexBuilder& builder;
        std::u16string_view operator()(std::uint32_t folded) const { return View(builder.folded_[folded]); }
    };

public:
    explicit IndexBuilder(AtlasIndex& index) : index_(index) {}

    void AddRecords(std::vector<AtlasRecord> records)
    {
        index_.places.reserve(records.size());
        for (AtlasRecord& record : records) {
            const auto place = static_cast<std::uint32_t>(index_.places.size());
            const QString countryKey =
                record.countryCode.isEmpty() ? u'#' + record.place.country : record.countryCode;
            const std::uint32_t country = Region(countryKey, record.place.country, AtlasIndex::kNoRegion);
            std::uint32_t state = AtlasIndex::kNoRegion;
            if (!record.place.state.isEmpty()) {
                const QString stateKey = record.stateCode.isEmpty() ? u'#' + record.place.state : record.stateCode;
                state = Region(countryKey + u'.' + stateKey, record.place.state, country);
            }
            placeIds_.push_back(record.geoNameId);
            if (record.geoNameId != 0)
                placeById_.Insert(record.geoNameId, place, PlaceId{*this});
            AddPlaceName(place, FormsOf(record.place.name));
            index_.places.push_back(std::move(record.place));
            index_.countryOf.push_back(country);
            index_.stateOf.push_back(state);
        }
    }

    // The catalogs' names of places, by GeoNames id.
    void AddPlaceNamesOf(const NameCatalogs& catalogs)
    {
        catalogForms_.Reserve(catalogs.Messages().size());
        formsOfWritten_.reserve(catalogs.Messages().size());
        foldedIndex_.Reserve(catalogs.Messages().size());
        placeNames_.reserve(catalogs.Messages().size() * 5 / 4);
        for (const NameCatalogs::Message& message : catalogs.Messages()) {
            if (!IsDigits(message.key))
                continue;
            quint32 id = 0;
            const auto [end, error] = std::from_chars(message.key.data(), message.key.data() + message.key.size(), id);
            const std::uint32_t place = error == std::errc() ? placeById_.Find(id, PlaceId{*this}) : FlatIndex<quint32>::kAbsent;
            if (place != FlatIndex<quint32>::kAbsent)
                ForEachCatalogName(message.text, [&](const TextForms& forms) { AddPlaceName(place, forms); });
        }
    }

    // The catalogs' names of states ("IN.16") and countries ("IN").
    void AddRegionNamesOf(const NameCatalogs& catalogs)
    {
        for (const NameCatalogs::Message& message : catalogs.Messages()) {
            if (IsDigits(message.key))
                continue;
            const auto found = regionByKey_.constFind(QString::fromLatin1(message.key.data(), static_cast<qsizetype>(message.key.size())));
            if (found != regionByKey_.cend())
                ForEachCatalogName(message.text, [&](const TextForms& forms) { AddRegionName(*found, forms, false); });
        }
    }

    // The principal city of a zone that no place keeps and whose country has
    // no place of that name (Singapore, Macau, Gibraltar, Vatican), as a place
    // of its own: no state, no population known.
    void AddZoneCities(const std::vector<ZoneCity>& cities, const NameCatalogs& displayCatalog,
                       const std::vector<IsoCountry>& countries)
    {
        // The names of the zones' cities, and the countries that have a place
        // of that name or of a name that begins with it ("Ho Chi Minh City").
        QSet<QString> zonesKept;
        for (const Place& place : index_.places)
            zonesKept.insert(place.timeZone);
        std::vector<QString> cityNames;
        for (const ZoneCity& city : cities)
            cityNames.push_back(folder_.Fold(city.city));
        // A name is known by the first city of that name.
        const auto cityName = [&cityNames](std::uint32_t city) { return View(cityNames[city]); };
        FlatIndex<std::u16string_view> cityByName;
        cityByName.Reserve(cityNames.size());
        std::vector<std::uint32_t> firstOfName(cityNames.size());
        for (std::uint32_t i = 0; i < cityNames.size(); ++i)
            firstOfName[i] = cityByName.Insert(View(cityNames[i]), i, cityName).first;
        std::vector<std::vector<std::uint32_t>> citiesInName(folded_.size());
        for (std::uint32_t f = 0; f < folded_.size(); ++f) {
            const QStringView text = folded_[f];
            for (qsizetype end = 0; end <= text.size(); ++end)
                if (end == text.size() || text[end] == u' ')
                    if (const std::uint32_t city = cityByName.Find(View(text.left(end)), cityName);
                        city != FlatIndex<std::u16string_view>::kAbsent)
                        citiesInName[f].push_back(city);
        }
        std::vector<std::vector<std::uint32_t>> countriesWith(cityNames.size());  // by first city of a name
        for (const RawName& name : placeNames_)
            for (const std::uint32_t city : citiesInName[name.folded])
                countriesWith[city].push_back(index_.countryOf[name.target]);

        QHash<QString, QString> displayName;  // by country code
        for (const NameCatalogs::Message& message : displayCatalog.Messages())
            if (message.key.size() == 2)
                displayName.insert(QString::fromLatin1(message.key.data(), 2),
                                   QString::fromUtf8(message.text.data(), static_cast<qsizetype>(message.text.size())));
        for (const IsoCountry& country : countries)
            if (!displayName.contains(country.alpha2) && !country.names.isEmpty())
                displayName.insert(country.alpha2, country.names.front());

        for (std::size_t i = 0; i < cities.size(); ++i) {
            const ZoneCity& city = cities[i];
            const std::uint32_t country =
                Region(city.countryCode, displayName.value(city.countryCode, city.countryCode), AtlasIndex::kNoRegion);
            const std::vector<std::uint32_t>& having = countriesWith[firstOfName[i]];
            if (zonesKept.contains(city.timeZone) || std::find(having.begin(), having.end(), country) != having.end())
                continue;
            const auto place = static_cast<std::uint32_t>(index_.places.size());
            index_.places.push_back({city.city, {}, regions_[country].name, city.timeZone, city.latitude, city.longitude, 0});
            index_.countryOf.push_back(country);
            index_.stateOf.push_back(AtlasIndex::kNoRegion);
            AddPlaceName(place, FormsOf(city.city));
        }
    }

    void AddIsoCodes(const std::vector<IsoCountry>& countries, const std::vector<IsoSubdivision>& subdivisions)
    {
        for (const IsoCountry& country : countries) {
            const auto found = regionByKey_.constFind(country.alpha2);
            if (found == regionByKey_.cend())
                continue;
            for (const QString& name : country.names)
                AddRegionName(*found, FormsOf(name), false);
            AddRegionName(*found, FormsOf(country.alpha2), true);
            AddRegionName(*found, FormsOf(country.alpha3), true);
        }

        // A state by its ISO name in any of its names, or by an ISO code of
        // letters that is also its GeoNames code (US-TX and US.TX); numbers
        // differ between the two lists.
        QHash<QString, std::uint32_t> stateByName;  // "<country region>\t<folded name>"
        for (const RawName& name : regionNames_)
            if (!name.code && regions_[name.target].country != name.target)
                stateByName.insert(QString::number(regions_[name.target].country) + u'\t' + folded_[name.folded], name.target);
        for (const IsoSubdivision& subdivision : subdivisions) {
            const QString countryCode = subdivision.code.left(2);
            const QString own = subdivision.code.mid(3);
            const auto country = regionByKey_.constFind(countryCode);
            if (country == regionByKey_.cend())
                continue;
            std::uint32_t state = stateByName.value(QString::number(*country) + u'\t' + folder_.Fold(subdivision.name),
                                                    AtlasIndex::kNoRegion);
            if (state == AtlasIndex::kNoRegion && IsLetters(own))
                state = regionByKey_.value(countryCode + u'.' + own, AtlasIndex::kNoRegion);
            if (state == AtlasIndex::kNoRegion)
                continue;
            AddRegionName(state, FormsOf(own), true);
            AddRegionName(state, FormsOf(subdivision.code), true);
        }
    }

    void AddCountryAliases()
    {
        for (const CountryAlias& alias : CountryAliases) {
            const auto found = regionByKey_.constFind(QString::fromLatin1(alias.countryCode));
            if (found != regionByKey_.cend())
                AddRegionName(*found, FormsOf(QString::fromUtf16(alias.name)), false);
        }
    }

    void Finish()
    {
        // Every folded text once, in order; its place in the pool by its index.
        // Each name then knows its folded text by its rank, which sorts it.
        std::vector<std::uint32_t> order = SortedFolded();
        std::vector<std::uint32_t> rank(folded_.size());
        std::vector<TextRef> refs(folded_.size());  // by rank
        for (std::uint32_t r = 0; r < order.size(); ++r) {
            rank[order[r]] = r;
            refs[r] = Append(index_.keyText, folded_[order[r]]);
        }
        for (std::vector<RawName>* names : {&placeNames_, &regionNames_})
            for (RawName& name : *names)
                name.folded = rank[name.folded];

        // Of a place's names that fold alike, its own is kept, else the
        // spelling most catalogs use ("Kiev" before "Kíev").
        const auto own = [](const RawName& n) { return n.written == AtlasIndex::kOwnName; };
        SortByFolded(placeNames_, order.size(), [&](const RawName& a, const RawName& b) {
            if (a.target != b.target)
                return a.target < b.target;
            if (own(a) != own(b))
                return own(a);
            if (own(a))
                return false;
            if (writtenCount_[a.written] != writtenCount_[b.written])
                return writtenCount_[a.written] > writtenCount_[b.written];
            return a.written < b.written;
        });
        const auto same = [](const RawName& a, const RawName& b) { return a.folded == b.folded && a.target == b.target; };
        placeNames_.erase(std::unique(placeNames_.begin(), placeNames_.end(), same), placeNames_.end());

        std::vector<std::uint32_t> otherName(written_.size(), AtlasIndex::kOwnName);  // by written_: in otherNames
        index_.placeNames.reserve(placeNames_.size());
        for (const RawName& name : placeNames_) {
            std::uint32_t shown = AtlasIndex::kOwnName;
            if (name.written != AtlasIndex::kOwnName) {
                std::uint32_t& other = otherName[name.written];
                if (other == AtlasIndex::kOwnName) {
                    other = static_cast<std::uint32_t>(index_.otherNames.size());
                    const std::string_view utf8 = written_[name.written];
                    index_.otherNames.push_back(
                        Append(index_.nameText, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).trimmed()));
                    index_.otherNameUses.push_back(writtenCount_[name.written]);
                }
                shown = other;
            }
            index_.placeNames.push_back({refs[name.folded], name.target, shown});
        }

        SortByFolded(regionNames_, order.size(), [&](const RawName& a, const RawName& b) {
            if (a.target != b.target)
                return a.target < b.target;
            return a.code < b.code;  // a name (matched by its beginning) before a code that folds alike
        });
        regionNames_.erase(std::unique(regionNames_.begin(), regionNames_.end(), same), regionNames_.end());
        for (const RawName& name : regionNames_)
            index_.regionNames.push_back({refs[name.folded], name.target, name.code, regions_[name.target].country == name.target});
        index_.regionCount = static_cast<std::uint32_t>(regions_.size());

        index_.keyText.squeeze();
        index_.nameText.squeeze();
        index_.places.shrink_to_fit();
    }

private:
    struct RawName;

    // Sorts `names` by the rank of their folded text (below `ranks`), counted
    // into place, and the names of one text by `before`.
    template <typename Before>
    static void SortByFolded(std::vector<RawName>& names, std::size_t ranks, Before before)
    {
        std::vector<std::uint32_t> start(ranks + 1, 0);  // by rank: where its names begin
        for (const RawName& name : names)
            ++start[name.folded + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        std::vector<RawName> sorted(names.size());
        std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
        for (const RawName& name : names)
            sorted[next[name.folded]++] = name;
        for (std::size_t r = 0; r < ranks; ++r)
            if (start[r + 1] - start[r] > 1)
                std::sort(sorted.begin() + start[r], sorted.begin() + start[r + 1], before);
        names = std::move(sorted);
    }

    struct RawName {
        std::uint32_t target;  // a place or a region
        std::uint32_t folded;  // in folded_
        std::uint32_t written;  // in written_, or kOwnName
        bool code = false;
    };
    struct RegionInfo {
        QString name;
        std::uint32_t country;  // a state's country; a country's own number
    };

    static TextRef Append(QString& pool, const QString& text)
    {
        const TextRef ref{static_cast<std::uint32_t>(pool.size()), static_cast<std::uint32_t>(text.size())};
        pool += text;
        return ref;
    }

    // The region of a key, made with its name when it is new; a state gives
    // its country's region.
    std::uint32_t Region(const QString& key, const QString& name, std::uint32_t countryOfState)
    {
        const auto found = regionByKey_.constFind(key);
        if (found != regionByKey_.cend())
            return *found;
        const auto region = static_cast<std::uint32_t>(regions_.size());
        regions_.push_back({name, countryOfState == AtlasIndex::kNoRegion ? region : countryOfState});
        regionByKey_.insert(key, region);
        AddRegionName(region, FormsOf(name), false);
        return region;
    }

    // A name folded, written short, and as written (for an other name).
    struct TextForms {
        std::uint32_t folded;
        std::uint32_t shortForm;
        std::uint32_t written = AtlasIndex::kOwnName;
    };

    // The folded texts' indexes in the order of their texts (UTF-16 unit by
    // unit, as QString compares): most are told apart by their first four
    // units, compared as one number.
    std::vector<std::uint32_t> SortedFolded() const
    {
        struct Entry {
            std::uint64_t head;
            std::uint32_t folded;
        };
        std::vector<Entry> entries(folded_.size());
        for (std::uint32_t f = 0; f < folded_.size(); ++f) {
            std::uint64_t head = 0;
            for (qsizetype i = 0; i < 4; ++i)
                head = head << 16 | (i < folded_[f].size() ? folded_[f][i].unicode() : 0u);
            entries[f] = {head, f};
        }
        std::sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
            if (a.head != b.head)
                return a.head < b.head;
            return View(folded_[a.folded]) < View(folded_[b.folded]);
        });
        std::vector<std::uint32_t> order(entries.size());
        std::transform(entries.begin(), entries.end(), order.begin(), [](const Entry& e) { return e.folded; });
        return order;
    }

    static std::u16string_view View(QStringView text)
    {
        return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
    }

    // Calls `add` for each name a catalog's text gives: the text, and each
    // spelling of a text that gives two ("Mumbai - मुम़बई").
    template <typename Add>
    void ForEachCatalogName(std::string_view utf8, Add add)
    {
        add(CatalogFormsOf(utf8));
        constexpr std::string_view kSecond = " - ";
        if (utf8.find(kSecond) == std::string_view::npos)
            return;
        for (std::size_t start = 0; start <= utf8.size();) {
            const std::size_t end = std::min(utf8.find(kSecond, start), utf8.size());
            if (end > start)
                add(CatalogFormsOf(utf8.substr(start, end - start)));
            start = end + kSecond.size();
        }
    }

    // The forms of a catalog's text, made once for each distinct text.
    TextForms CatalogFormsOf(std::string_view utf8)
    {
        const auto [written, added] = catalogForms_.Insert(utf8, static_cast<std::uint32_t>(written_.size()), WrittenText{*this});
        if (!added) {
            ++writtenCount_[written];
            return formsOfWritten_[written];
        }
        TextForms forms = FormsOf(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
        forms.written = written;
        written_.push_back(utf8);
        writtenCount_.push_back(1);
        formsOfWritten_.push_back(forms);
        return forms;
    }

    TextForms FormsOf(const QString& text)
    {
        QString folded = folder_.Fold(text);
        QString shortForm = ShortForm(folded);
        if (shortForm.isSharedWith(folded)) {  // no word to write short, the common case
            const std::uint32_t at = Folded(std::move(folded));
            return {at, at};
        }
        return {Folded(std::move(folded)), Folded(std::move(shortForm))};
    }

    std::uint32_t Folded(QString folded)
    {
        const auto [at, added] =
            foldedIndex_.Insert(View(folded), static_cast<std::uint32_t>(folded_.size()), FoldedText{*this});
        if (added)
            folded_.push_back(std::move(folded));
        return at;
    }

    void AddPlaceName(std::uint32_t place, const TextForms& forms)
    {
        if (folded_[forms.folded].isEmpty())
            return;
        placeNames_.push_back({place, forms.folded, forms.written});
        if (forms.shortForm != forms.folded)
            placeNames_.push_back({place, forms.shortForm, forms.written});
    }

    void AddRegionName(std::uint32_t region, const TextForms& forms, bool code)
    {
        if (folded_[forms.folded].isEmpty())
            return;
        regionNames_.push_back({region, forms.folded, AtlasIndex::kOwnName, code});
        if (forms.shortForm != forms.folded && !code)
            regionNames_.push_back({region, forms.shortForm, AtlasIndex::kOwnName, code});
    }


    AtlasIndex& index_;
    std::vector<quint32> placeIds_;  // by place of a record: its GeoNames id, or 0
    FlatIndex<quint32> placeById_;
    QHash<QString, std::uint32_t> regionByKey_;  // "US", "US.TX"; "#<name>" for places without codes
    std::vector<RegionInfo> regions_;
    std::vector<RawName> placeNames_;
    std::vector<RawName> regionNames_;
    TextFolder folder_;
    std::vector<QString> folded_;
    FlatIndex<std::u16string_view> foldedIndex_;  // views of folded_
    std::vector<std::string_view> written_;  // the other names, UTF-8 in the mapped catalogs
    std::vector<std::uint32_t> writtenCount_;  // by written_: how often a catalog has it
    FlatIndex<std::string_view> catalogForms_;  // the catalogs' texts, to written_
    std::vector<TextForms> formsOfWritten_;  // by written_
};

}  // namespace

AtlasIndex AtlasIndex::Build(AtlasSources sources)
{
    AtlasIndex index;
    IndexBuilder builder(index);
    builder.AddRecords(std::move(sources.records));
    builder.AddPlaceNamesOf(sources.catalogs);
    builder.AddZoneCities(sources.zoneCities, sources.displayCatalog, sources.countries);
    builder.AddRegionNamesOf(sources.catalogs);
    builder.AddIsoCodes(sources.countries, sources.subdivisions);
    builder.AddCountryAliases();
    builder.Finish();
    return index;
}

}  // namespace lunarys::places
