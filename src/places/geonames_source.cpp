// GLib's D-Bus headers, which geonames.h pulls in, use the word "signals" that
// Qt defines as a keyword: the C header comes before any Qt header here.
#include <geonames.h>

#include "places/geonames_source.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <unordered_map>

namespace lunarys::places {

namespace {

// States, countries and zone names repeat thousands of times: one shared
// QString each.
class StringPool {
public:
    QString Get(const char* utf8)
    {
        key_.assign(utf8 ? utf8 : "");
        auto found = pool_.find(key_);
        if (found == pool_.end())
            found = pool_.emplace(key_, QString::fromUtf8(key_.data(), static_cast<qsizetype>(key_.size()))).first;
        return found->second;
    }

private:
    std::string key_;
    std::unordered_map<std::string, QString> pool_;
};

// libgeonames loads its data into a static variable of its own on first use,
// without a lock of its own.
std::mutex& GeoNamesLock()
{
    static std::mutex lock;
    return lock;
}

// The record of a city in libgeonames's data: id, name, admin code, state,
// country code, country, time zone, population, latitude, longitude; read in
// one call, the strings borrowed from the record.
constexpr const char* kCityRecordType = "(sssssssudd)";
constexpr const char* kCityRecordFields = "(&s&s&s&s&s&s&sudd)";

quint32 IdOf(const char* text)
{
    char* end = nullptr;
    const unsigned long id = std::strtoul(text, &end, 10);
    return *text != '\0' && *end == '\0' && id <= 0xffffffffUL ? static_cast<quint32>(id) : 0;
}

AtlasRecord RecordOf(GeonamesCity* city, StringPool& pool)
{
    // A city is the record of the library's compiled resource, as a rule.
    if (g_variant_is_of_type(city, G_VARIANT_TYPE(kCityRecordType))) {
        const char *id, *name, *stateCode, *state, *countryCode, *country, *timeZone;
        guint32 population = 0;
        double latitude = 0, longitude = 0;
        g_variant_get(city, kCityRecordFields, &id, &name, &stateCode, &state, &countryCode, &country, &timeZone,
                      &population, &latitude, &longitude);
        return {{QString::fromUtf8(name), pool.Get(state), pool.Get(country), pool.Get(timeZone), latitude, longitude,
                 population},
                IdOf(id),
                pool.Get(countryCode),
                pool.Get(stateCode)};
    }
    return {{QString::fromUtf8(geonames_city_get_name(city)), pool.Get(geonames_city_get_state(city)),
             pool.Get(geonames_city_get_country(city)), pool.Get(geonames_city_get_timezone(city)),
             geonames_city_get_latitude(city), geonames_city_get_longitude(city), geonames_city_get_population(city)},
            0,
            pool.Get(geonames_city_get_country_code(city)),
            {}};
}

}  // namespace

std::vector<AtlasRecord> ReadGeoNamesPlaces()
{
    const std::lock_guard<std::mutex> hold(GeoNamesLock());
    const gint count = geonames_get_n_cities();
    std::vector<AtlasRecord> records;
    records.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    StringPool pool;
    for (gint i = 0; i < count; ++i) {
        g_autoptr(GeonamesCity) city = geonames_get_city(i);
        if (city)
            records.push_back(RecordOf(city, pool));
    }
    return records;
}

}  // namespace lunarys::places
