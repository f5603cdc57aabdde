#include "astro/position_text.h"

#include <gtest/gtest.h>

namespace lunarys::astro {
namespace {

TEST(PositionText, DegreesMinutesSecondsAndSign)
{
    struct Case {
        double longitude;
        const char* text;
    } const cases[] = {
        {123.4567, "3\u00b0 27' 24\" Leo"},
        {0.0, "0\u00b0 0' 0\" Ari"},
        {29.99999, "29\u00b0 59' 59\" Ari"},
        {30.0, "0\u00b0 0' 0\" Tau"},
        {279.9999, "9\u00b0 59' 59\" Cap"},
        {359.99, "29\u00b0 59' 24\" Pis"},
        {360.0, "0\u00b0 0' 0\" "},
        {101.82018, "11\u00b0 49' 12\" Can"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionText(c.longitude), c.text) << c.longitude;
}

TEST(PositionText, TheSignIsTheLastThreeCharacters)
{
    for (int sign = 0; sign < 12; ++sign) {
        const std::string text = PositionText(30.0 * sign + 17.25);
        EXPECT_EQ(text.substr(text.size() - 3), SignAbbreviations.substr(3 * sign, 3));
    }
}

TEST(AscendantText, TwoDigitDegreesAndMinutes)
{
    struct Case {
        double longitude;
        const char* text;
    } const cases[] = {
        {123.4567, "03 Leo 27"}, {15.0833, "15 Ari 04"}, {0.5, "00 Ari 30"},
        {35.0833, "05 Tau 04"},  {359.999, "29 Pis 59"}, {106.383, "16 Can 22"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AscendantText(c.longitude), c.text) << c.longitude;
}

TEST(SplitLongitude, FloorsEveryPart)
{
    const DegreeParts p = SplitLongitude(279.9999);
    EXPECT_EQ(p.wholeDegrees, 279);
    EXPECT_EQ(p.signIndex, 9);
    EXPECT_EQ(p.degreesInSign, 9);
    EXPECT_EQ(p.minutes, 59);
    EXPECT_EQ(p.seconds, 59);
}

}  // namespace
}  // namespace lunarys::astro
