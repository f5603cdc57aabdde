// The files the atlas's names come from, read through the public readers.
#include <map>
#include <string>

#include <QFile>

#include <gtest/gtest.h>

#include "places/atlas_files.h"
#include "places/mo_catalog.h"
#include "places/zone_cities.h"
#include "support/qstring_print.h"

namespace lunarys::places {
namespace {

QByteArray EnglishCatalog()
{
    QFile file(AtlasFiles{}.localeFolder + QLatin1String("/en") + QLatin1String(kCatalogInLanguageFolder));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// libgeonames-common's English catalog, keyed as GeoNames keys its places,
// states and countries; cut short anywhere, it is refused whole.
TEST(MoCatalog, ReadsGeoNamesKeysAndRefusesATruncatedFile)
{
    const QByteArray bytes = EnglishCatalog();
    ASSERT_FALSE(bytes.isEmpty()) << "libgeonames-common is not installed";
    std::map<std::string, std::string> messages;
    const std::string_view all(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    ASSERT_TRUE(ForEachMessage(all, [&](std::string_view key, std::string_view text) {
        messages.emplace(key, text);
    }));
    EXPECT_GT(messages.size(), 24000u);
    EXPECT_EQ(messages["1275339"], "Mumbai");  // geonames.org/1275339
    EXPECT_EQ(messages["AT.09"], "Vienna");    // Austria's admin1 code 09
    EXPECT_EQ(messages["GB"], "United Kingdom");

    for (const std::size_t cut : {std::size_t{0}, std::size_t{19}, all.size() / 2, all.size() - 1}) {
        int called = 0;
        EXPECT_FALSE(ForEachMessage(all.substr(0, cut), [&](std::string_view, std::string_view) { ++called; }))
            << cut;
        EXPECT_EQ(called, 0) << cut;
    }
    EXPECT_FALSE(ForEachMessage("not a catalog, not at all", [](std::string_view, std::string_view) {}));
}

// Lines of tzdata's zone.tab and zone1970.tab: degrees and minutes, or
// degrees, minutes and seconds; comments and broken lines give no city.
TEST(ZoneCities, LinesOfTheZoneTables)
{
    const struct {
        const char* line;
        ZoneCity city;
    } lines[] = {
        {"SG\t+0117+10351\tAsia/Singapore", {"Asia/Singapore", "SG", "Singapore", 1 + 17 / 60.0, 103 + 51 / 60.0}},
        {"VA\t+415408+0122711\tEurope/Vatican",
         {"Europe/Vatican", "VA", "Vatican", 41 + 54 / 60.0 + 8 / 3600.0, 12 + 27 / 60.0 + 11 / 3600.0}},
        {"AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)",
         {"America/Argentina/Buenos_Aires", "AR", "Buenos Aires", -(34 + 36 / 60.0), -(58 + 27 / 60.0)}},
        {"# tz zone descriptions", {}},
        {"SG\t+0117\tAsia/Singapore", {}},
        {"SG\t+0117+10351", {}},
    };
    for (const auto& l : lines) {
        const ZoneCity city = ZoneCityOfLine(QString::fromUtf8(l.line));
        EXPECT_EQ(city.timeZone, l.city.timeZone) << l.line;
        EXPECT_EQ(city.city, l.city.city) << l.line;
        EXPECT_EQ(city.countryCode, l.city.countryCode) << l.line;
        EXPECT_NEAR(city.latitude, l.city.latitude, 1e-9) << l.line;
        EXPECT_NEAR(city.longitude, l.city.longitude, 1e-9) << l.line;
    }
}

}  // namespace
}  // namespace lunarys::places
