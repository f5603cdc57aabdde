#include "engine/zodiac.h"

#include <gtest/gtest.h>

namespace lunarys::engine {
namespace {

TEST(DegreeSign, EachSignOwnsThirtyWholeDegreesFromItsFirst)
{
    DegreeSignTable table{};
    FillDegreeSigns(table);
    const struct {
        int degree;
        std::string_view sign;
    } cases[] = {{0, ""},         {1, "Aries"},  {30, "Aries"},  {31, "Taurus"},  {180, "Virgo"},
                 {181, "Libra"},  {240, "Scorpio"}, {241, "Sagittarius"}, {331, "Pisces"}, {360, "Pisces"}};
    for (const auto& c : cases)
        EXPECT_EQ(table[c.degree], c.sign) << c.degree;

    DegreeSignTable again = table;
    FillDegreeSigns(again);
    EXPECT_EQ(again, table);
}

TEST(SignLookups, ExactAndCaseSensitive)
{
    EXPECT_EQ(SignFromAbbreviation("Ari"), 0);
    EXPECT_EQ(SignFromAbbreviation("Pis"), 11);
    EXPECT_EQ(SignFromAbbreviation("Leo"), 4);
    EXPECT_EQ(SignFromFullName("Leo"), 4);
    EXPECT_EQ(SignFromFullName("Sagittarius"), 8);
    for (const std::string_view nothing : {"", "ari", "ARI", "Aries ", "Sagitarius", "aries"}) {
        EXPECT_EQ(SignFromAbbreviation(nothing), NoSign) << nothing;
        EXPECT_EQ(SignFromFullName(nothing), NoSign) << nothing;
    }
}

TEST(Signs, ElementsCycleAndTemperamentsFollowTheElement)
{
    const std::string_view elements[] = {"Fire", "Earth", "Air", "Water"};
    const std::string_view temperaments[] = {"Choleric", "Sanguine", "Melancholy", "Phlegmatic"};
    for (std::size_t k = 0; k < Signs.size(); ++k) {
        EXPECT_EQ(Signs[k].Element, elements[k % 4]) << Signs[k].FullName;
        EXPECT_EQ(Signs[k].Temperament, temperaments[k % 4]) << Signs[k].FullName;
    }
}

}  // namespace
}  // namespace lunarys::engine
