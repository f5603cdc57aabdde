#include "engine/house.h"

#include <gtest/gtest.h>

#include "engine/zodiac.h"

namespace lunarys::engine {
namespace {

// The whole degree a label such as "15 Tau" stands for.
int Whole(std::string_view label)
{
    const int degree = (label[0] - '0') * 10 + (label[1] - '0');
    return 30 * SignFromAbbreviation(label.substr(3, 3)) + degree;
}

TEST(MidpointHouse, EqualHousesFromTheAscendant)
{
    const struct {
        std::string_view ascendant, midpoint;
        int house;
    } cases[] = {
        {"01 Ari", "15 Tau", 2},  {"01 Ari", "30 Vir", 6},
        {"15 Tau", "15 Tau", 1},  {"15 Tau", "14 Gem", 1},  {"15 Tau", "15 Gem", 2},
        {"15 Tau", "14 Tau", 12}, {"15 Tau", "01 Ari", 11},
        {"20 Pis", "05 Ari", 1},  {"20 Pis", "20 Ari", 2},
        {"00 Tau", "29 Ari", 12}, {"00 Tau", "29 Tau", 1},  {"00 Tau", "01 Gem", 2},
        {"01 Tau", "15 Ari", 12}, {"01 Tau", "01 Tau", 1},
        {"00 Ari", "29 Ari", 1},  {"00 Ari", "30 Ari", 2},
        {"16 Can", "19 Vir", 3},  {"16 Can", "00 Ari", 9},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MidpointHouse(Whole(c.ascendant), Whole(c.midpoint)), c.house) << c.ascendant << " / " << c.midpoint;
}

TEST(MidpointHouse, EveryPairOfPositionsFallsInOneHouseOfThirty)
{
    for (int a = 0; a < 360; a += 7) {
        int count[13] = {};
        for (int m = 0; m < 360; ++m)
            ++count[MidpointHouse(a, m)];
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
