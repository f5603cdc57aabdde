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
// country code, country, time zone, population, latitude, longitude.
constexpr const char* kCityRecordType = "(sssssssudd)";
constexpr gsize kIdChild = 0;
constexpr gsize kStateCodeChild = 2;

std::string StringChild(GVariant* record, gsize child)
{
    g_autoptr(GVariant) value = g_variant_get_child_value(record, child);
    return g_variant_get_string(value, nullptr);
}

quint32 IdOf(GVariant* record)
{
    const std::string text = StringChild(record, kIdChild);
    char* end = nullptr;
    const unsigned long id = std::strtoul(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && id <= 0xffffffffUL ? static_cast<quint32>(id) : 0;
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
        if (!city)
            continue;
        AtlasRecord record{{QString::fromUtf8(geonames_city_get_name(city)), pool.Get(geonames_city_get_state(city)),
                            pool.Get(geonames_city_get_country(city)), pool.Get(geonames_city_get_timezone(city)),
                            geonames_city_get_latitude(city), geonames_city_get_longitude(city),
                            geonames_city_get_population(city)},
                           0, pool.Get(geonames_city_get_country_code(city)), {}};
        // A city is the record of the library's compiled resource: the GeoNames
        // id first, the admin code third.
        if (g_variant_is_of_type(city, G_VARIANT_TYPE(kCityRecordType))) {
            record.geoNameId = IdOf(city);
            record.stateCode = pool.Get(StringChild(city, kStateCodeChild).c_str());
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace lunarys::places
