#include "engine/house.h"

#include <gtest/gtest.h>

namespace lunarys::engine {
namespace {

TEST(DegreeLabelPosition, WholeDegreeWithZeroReadAs360)
{
    const struct {
        std::string_view label;
        std::optional<int> position;
    } cases[] = {
        {"01 Ari", 1},   {"30 Ari", 30},     {"01 Tau", 31},  {"15 Tau", 45},    {"30 Vir", 180},
        {"30 Pis", 360}, {"00 Tau", 30},     {"00 Leo", 120}, {"00 Ari", 360},   {"16 Can 22", 106},
        {"29 Gem 59", 89}, {"00 ", std::nullopt}, {"", std::nullopt}, {"31 Ari", std::nullopt},
        {"15 ari", std::nullopt}, {"1 Ari", std::nullopt}, {"15-Tau", std::nullopt}, {"xx Tau", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DegreeLabelPosition(c.label), c.position) << c.label;
}

TEST(MidpointHouse, EqualHousesFromTheAscendant)
{
    const struct {
        std::string_view ascendant, midpoint;
        int house;
    } cases[] = {
        {"01 Ari 00", "15 Tau", 2},  {"01 Ari 00", "30 Vir", 6},
        {"15 Tau 10", "15 Tau", 1},  {"15 Tau 10", "14 Gem", 1},  {"15 Tau 10", "15 Gem", 2},
        {"15 Tau 10", "14 Tau", 12}, {"15 Tau 10", "01 Ari", 11},
        {"20 Pis 00", "05 Ari", 1},  {"20 Pis 00", "20 Ari", 2},
        {"00 Tau 00", "29 Ari", 12}, {"00 Tau 00", "29 Tau", 1},  {"00 Tau 00", "01 Gem", 2},
        {"01 Tau 00", "15 Ari", 12}, {"01 Tau 00", "01 Tau", 1},
        {"00 Ari 00", "29 Ari", 1},  {"00 Ari 00", "30 Ari", 2},
        {"16 Can 22", "19 Vir", 3},  {"16 Can 22", "00 Ari", 9},
        {"01 Ari 00", "00 ", 0},     {"", "15 Tau", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MidpointHouse(c.ascendant, c.midpoint), c.house) << c.ascendant << " / " << c.midpoint;
}

TEST(MidpointHouse, EveryPairOfPositionsFallsInOneHouseOfThirty)
{
    const char* abbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    auto label = [&](int position) {
        char text[8];
        std::snprintf(text, sizeof text, "%02d %s", (position - 1) % 30 + 1, abbreviations[(position - 1) / 30]);
        return std::string(text);
    };
    for (int a = 1; a <= 360; a += 7) {
        int count[13] = {};
        for (int m = 1; m <= 360; ++m)
            ++count[MidpointHouse(label(a), label(m))];
        EXPECT_EQ(count[0], 0);
        for (int house = 1; house <= 12; ++house)
            EXPECT_EQ(count[house], 30) << "ascendant " << a << " house " << house;
    }
}

TEST(Houses, NamesAndHeadings)
{
    EXPECT_EQ(Houses[0].Name, "1st House");
    EXPECT_EQ(Houses[9].Name, "10th House");
    EXPECT_EQ(Houses[9].Heading, "More About Tenth House");
    EXPECT_EQ(Houses[10].Heading, "More About Eleventh House");
    EXPECT_EQ(Houses[11].Name, "12th House");
}

}  // namespace
}  // namespace lunarys::engine
