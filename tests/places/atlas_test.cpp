#include "places/atlas.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include "places/atlas_loader.h"
#include "places/geonames_source.h"
#include "places/place_coordinates.h"
#include "support/qstring_print.h"

namespace lunarys::places {
namespace {

class AtlasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { atlas_ = Atlas::Load(ReadGeoNamesPlaces()); }
    static void TearDownTestSuite() { atlas_.reset(); }
    static std::shared_ptr<const Atlas> atlas_;
};
std::shared_ptr<const Atlas> AtlasTest::atlas_;

// The first place a query finds, as "City, State, Country" and its zone.
struct Query {
    const char* query;
    const char* first;
    const char* timeZone;
};

TEST_F(AtlasTest, TheBestMatchOfAQuery)
{
    ASSERT_GT(atlas_->Size(), 20000u);
    const Query queries[] = {
        {"Paris", "Paris, \u00cele-de-France Region, France", "Europe/Paris"},
        {"Paris, Texas", "Paris, Texas, United States of America", "America/Chicago"},
        {"paris, united states", "Paris, Texas, United States of America", "America/Chicago"},
        // The largest of the Springfields (2020 census: Missouri 169,176; Massachusetts 155,929).
        {"Springfield", "Springfield, Missouri, United States of America", "America/Chicago"},
        {"Springfield, Illinois", "Springfield, Illinois, United States of America", "America/Chicago"},
        {"London", "London, England, United Kingdom", "Europe/London"},
        {"London, Canada", "London, Ontario, Canada", "America/Toronto"},
        {"Sao Paulo", "S\u00e3o Paulo, S\u00e3o Paulo, Brazil", "America/Sao_Paulo"},
        // The country's name in Portuguese.
        {"  S\u00c3O PAULO , brasil", "S\u00e3o Paulo, S\u00e3o Paulo, Brazil", "America/Sao_Paulo"},
        {"Gross-Gerau", "Gro\u00df-Gerau, Hesse, Germany", "Europe/Berlin"},
        {"mumb", "Mumbai, Maharashtra, India", "Asia/Kolkata"},
        {"Kathmandu", "Kathmandu, Bagmati Province, Nepal", "Asia/Kathmandu"},
        {"Xqzvy", nullptr, nullptr},
    };
    for (const Query& q : queries) {
        const PlaceMatches found = atlas_->Find(QString::fromUtf8(q.query), 10);
        if (!q.first) {
            EXPECT_EQ(found.total, 0u) << q.query;
            EXPECT_TRUE(found.places.empty()) << q.query;
            continue;
        }
        ASSERT_FALSE(found.places.empty()) << q.query;
        EXPECT_EQ(PlaceDisplayName(found.places.front()), QString::fromUtf8(q.first)) << q.query;
        EXPECT_EQ(found.places.front().timeZone, QString::fromUtf8(q.timeZone)) << q.query;
    }
}

// Places people name otherwise than GeoNames's English name does. The places
// and their other names are GeoNames's (geonames.org: Mumbai 1275339 has the
// alternate name Bombay, Moscow 524901 Москва, Tokyo 1850147 東京, New York
// 5128581 New York City); the codes are ISO 3166's, the city-states' zones
// and positions the time-zone table's (zone.tab: Asia/Singapore +0117+10351).
TEST_F(AtlasTest, OtherNamesCodesAndCountries)
{
    const struct {
        const char* query;
        const char* first;
        const char* matched;  // the other name shown, or "" for the place's own
        const char* timeZone;
    } queries[] = {
        // Older names, and names in other languages and scripts.
        {"Bombay", "Mumbai, Maharashtra, India", "Bombay", "Asia/Kolkata"},
        {"calcutta", "Kolkata, State of West Bengal, India", "Calcutta", "Asia/Kolkata"},
        {"Peking", "Beijing, Beijing Municipality, China", "Peking", "Asia/Shanghai"},
        {"K\u00f6ln", "Cologne, North Rhine-Westphalia, Germany", "K\u00f6ln", "Europe/Berlin"},
        {"\u041c\u043e\u0441\u043a\u0432\u0430", "Moscow, Moscow, Russia", "\u041c\u043e\u0441\u043a\u0432\u0430", "Europe/Moscow"},
        {"\u6771\u4eac", "Tokyo, Tokyo, Japan", "\u6771\u4eac", "Asia/Tokyo"},
        {"New York City", "New York, New York, United States of America", "New York City", "America/New_York"},
        // Country and state codes, names of states and countries in other
        // languages, and the United Kingdom's everyday names.
        {"Dallas, USA", "Dallas, Texas, United States of America", "", "America/Chicago"},
        {"Austin, TX", "Austin, Texas, United States of America", "", "America/Chicago"},
        {"Sydney, AU-NSW", "Sydney, New South Wales, Australia", "", "Australia/Sydney"},
        {"London, Ontario, CA", "London, Ontario, Canada", "", "America/Toronto"},
        {"London, UK", "London, England, United Kingdom", "", "Europe/London"},
        {"M\u00fcnchen, Bayern", "Munich, Bavaria, Germany", "M\u00fcnchen", "Europe/Berlin"},
        // Saint and St, Fort and Ft: one word.
        {"Saint Louis, Missouri", "St Louis, Missouri, United States of America", "", "America/Chicago"},
        {"Ft. Worth", "Fort Worth, Texas, United States of America", "", "America/Chicago"},
        // City-states the atlas lacks, from the time-zone table.
        {"Singapore", "Singapore, Singapore", "", "Asia/Singapore"},
        {"Gibraltar", "Gibraltar, Gibraltar", "", "Europe/Gibraltar"},
        // A country alone: its most populous place.
        {"Bahrain", "Manama, Manama, Bahrain", "", "Asia/Bahrain"},
        {"Deutschland", "Berlin, Berlin, Germany", "", "Europe/Berlin"},
        // The capital (689,545 people) before Washington, England (53,526).
        {"Washington", "Washington D.C., District of Columbia, United States of America", "", "America/New_York"},
        {"Washington, D.C.", "Washington D.C., District of Columbia, United States of America", "", "America/New_York"},
        {"washington dc", "Washington D.C., District of Columbia, United States of America", "", "America/New_York"},
    };
    for (const auto& q : queries) {
        const PlaceMatches found = atlas_->Find(QString::fromUtf8(q.query), 3);
        ASSERT_FALSE(found.places.empty()) << q.query;
        ASSERT_EQ(found.matchedNames.size(), found.places.size()) << q.query;
        EXPECT_EQ(PlaceDisplayName(found.places.front()), QString::fromUtf8(q.first)) << q.query;
        EXPECT_EQ(found.matchedNames.front(), QString::fromUtf8(q.matched)) << q.query;
        EXPECT_EQ(found.places.front().timeZone, QString::fromUtf8(q.timeZone)) << q.query;
    }
    const Place singapore = atlas_->Find(u"Singapore", 1).places.front();
    EXPECT_NEAR(singapore.latitude, 1 + 17 / 60.0, 1e-9);
    EXPECT_NEAR(singapore.longitude, 103 + 51 / 60.0, 1e-9);
}

TEST_F(AtlasTest, WholeNamesFirstThenTheMostPopulous)
{
    const PlaceMatches paris = atlas_->Find(u"Paris", 10);
    ASSERT_GE(paris.places.size(), 2u);
    EXPECT_EQ(paris.places[1].state, QStringLiteral("Texas"));  // before any "Paris..." of more people

    const PlaceMatches s = atlas_->Find(u"S", 5);
    EXPECT_EQ(s.places.size(), 5u);
    EXPECT_GT(s.total, 1000u);
    for (std::size_t i = 1; i < s.places.size(); ++i)
        EXPECT_GE(s.places[i - 1].population, s.places[i].population);
    EXPECT_EQ(s.places.front().name, QStringLiteral("Shanghai"));

    const PlaceMatches narrowed = atlas_->Find(u"Springfield, Massachusetts", 10);
    EXPECT_LT(narrowed.total, atlas_->Find(u"Springfield", 10).total);
    for (const Place& place : narrowed.places)
        EXPECT_EQ(place.state, QStringLiteral("Massachusetts"));
}

// Words written short match their whole form and back; the last word typed
// may still grow, so it is looked up as typed.
TEST(AtlasOfOwnNames, ShortAndWholeWordsAreOneWord)
{
    const auto place = [](const char* name, quint32 population) {
        Place p;
        p.name = QString::fromUtf8(name);
        p.country = QStringLiteral("United States of America");
        p.population = population;
        return p;
    };
    const Atlas atlas({place("Mount Vernon", 300), place("Mountain View", 200), place("St. Louis", 100),
                       place("Sainte-Foy", 50), place("Fort Worth", 40)});
    const struct {
        const char* query;
        std::vector<const char*> names;  // best first
    } queries[] = {
        {"Mount", {"Mount Vernon", "Mountain View"}},
        {"Mount ", {"Mount Vernon"}},
        {"mt. vern", {"Mount Vernon"}},
        {"Saint Louis", {"St. Louis"}},
        {"St Louis", {"St. Louis"}},
        {"Ste Foy", {"Sainte-Foy"}},
        {"St Foy", {}},
        {"Ft Worth", {"Fort Worth"}},
        {"Fort", {"Fort Worth"}},
    };
    for (const auto& q : queries) {
        const PlaceMatches found = atlas.Find(QString::fromUtf8(q.query), 10);
        std::vector<QString> names;
        for (const Place& p : found.places)
            names.push_back(p.name);
        std::vector<QString> expected;
        for (const char* name : q.names)
            expected.push_back(QString::fromUtf8(name));
        EXPECT_EQ(names, expected) << q.query;
        EXPECT_TRUE(std::all_of(found.matchedNames.begin(), found.matchedNames.end(),
                                [](const QString& m) { return m.isEmpty(); })) << q.query;
    }
}

// Without the catalogs, codes and zone table the atlas still finds places by
// their own names.
TEST_F(AtlasTest, WithoutItsOtherDataItFindsOwnNames)
{
    const QString nowhere = QStringLiteral("/nonexistent");
    const std::shared_ptr<const Atlas> bare =
        Atlas::Load(ReadGeoNamesPlaces(), AtlasFiles{nowhere, nowhere, nowhere, nowhere, nowhere});
    EXPECT_LT(bare->Size(), atlas_->Size());  // no zone cities
    EXPECT_EQ(PlaceDisplayName(bare->Find(u"Mumbai", 1).places.front()), QStringLiteral("Mumbai, Maharashtra, India"));
    EXPECT_EQ(bare->Find(u"Bombay", 1).total, 0u);
    EXPECT_EQ(bare->Find(u"Austin, TX", 1).total, 0u);
    EXPECT_EQ(bare->Find(u"Singapore", 1).total, 0u);
}

TEST(PlaceDisplayName, SkipsAnEmptyState)
{
    Place place;
    place.name = QStringLiteral("Mumbai");
    place.state = QStringLiteral("Maharashtra");
    place.country = QStringLiteral("India");
    EXPECT_EQ(PlaceDisplayName(place), QStringLiteral("Mumbai, Maharashtra, India"));
    place.state.clear();
    EXPECT_EQ(PlaceDisplayName(place), QStringLiteral("Mumbai, India"));
}

// Whole degrees and the nearest whole minute of arc, as the boxes hold them.
TEST(CoordinatesOf, NearestMinuteWithCarry)
{
    const struct {
        double latitude, longitude;
        PlaceCoordinates boxes;
    } table[] = {
        {19.07283, 72.88261, {72, 53, true, 19, 4, false}},    // Mumbai
        {-23.5475, -46.63611, {46, 38, false, 23, 33, true}},  // São Paulo
        {12.99175, -0.99175, {1, 0, false, 13, 0, false}},     // 59.505' carry into the degree
        {12.99150, 179.99150, {179, 59, true, 12, 59, false}},  // 59.49' stays
    };
    for (const auto& c : table)
        EXPECT_EQ(CoordinatesOf(c.latitude, c.longitude), c.boxes) << c.latitude << ' ' << c.longitude;
}

// The loader builds the atlas on another thread and hands it over in its own.
TEST(AtlasLoader, DeliversTheAtlasInItsOwnThread)
{
    int argc = 1;
    char name[] = "places_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    AtlasLoader loader(ReadGeoNamesPlaces);
    QEventLoop loop;
    std::shared_ptr<const Atlas> atlas;
    QThread* deliveredIn = nullptr;
    QObject::connect(&loader, &AtlasLoader::loaded, &loop, [&](std::shared_ptr<const Atlas> loaded) {
        atlas = std::move(loaded);
        deliveredIn = QThread::currentThread();
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loader.Start();
    loop.exec();
    ASSERT_TRUE(atlas);
    EXPECT_EQ(deliveredIn, app.thread());
    EXPECT_EQ(atlas->Find(u"Mumbai", 1).places.front().timeZone, QStringLiteral("Asia/Kolkata"));
}

}  // namespace
}  // namespace lunarys::places
