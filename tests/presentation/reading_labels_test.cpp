#include "presentation/reading_labels.h"
#include "presentation/time_ranges.h"

#include <gtest/gtest.h>

#include "support/reading.h"
#include "support/worked_example.h"

namespace lunarys::presentation {
namespace {

TEST(ReadingLabels, WorkedExampleOf4July1990)
{
    const engine::Reading reading = testing::MustRead(testing::MaryAnn());
    EXPECT_EQ(PositionText(reading.Sun), QStringLiteral("11\u00b0 49' 12\" Can"));
    EXPECT_EQ(AscendantText(reading), QStringLiteral("16 Can 22"));
    EXPECT_EQ(MidpointLabel(reading.Midpoint), QStringLiteral("19 Vir"));
    EXPECT_EQ(MidpointCaption(reading.Midpoint), QStringLiteral("19\u00ba Virgo"));
    EXPECT_EQ(HouseName(reading.House), QStringLiteral("3rd House"));
    EXPECT_EQ(UniversalTimeText(reading.Clock), QStringLiteral("1990-07-04T01:00Z"));
}

// The birth-time line for a range, a single minute, and a minute the clock
// skipped.
TEST(ReadingLabels, HoldsSentence)
{
    engine::Reading reading = testing::MustRead(testing::MaryAnn());
    EXPECT_EQ(HoldsSentence(reading), QStringLiteral("This reading holds for births between 04:31 and 06:46."));
    reading.Holds = engine::MinuteSpan{285, 285};
    EXPECT_EQ(HoldsSentence(reading), QStringLiteral("This reading holds only for a birth at 04:45."));
    reading.Holds.reset();
    EXPECT_EQ(HoldsSentence(reading), QString());
}

// A midpoint's label and caption name the sign that holds its degree.
TEST(ReadingLabels, MidpointLabelAndCaptionAgreeWithTheDegree)
{
    const struct {
        int degree;
        const char *label, *caption;
    } cases[] = {
        {15, "15 Ari", "15\u00ba Aries"},   {30, "00 Tau", "0\u00ba Taurus"}, {180, "00 Lib", "0\u00ba Libra"},
        {0, "00 Ari", "0\u00ba Aries"},     {359, "29 Pis", "29\u00ba Pisces"}, {169, "19 Vir", "19\u00ba Virgo"},
        {120, "00 Leo", "0\u00ba Leo"},
    };
    for (const auto& c : cases) {
        const engine::MidpointPosition midpoint{c.degree, engine::SignOfLongitude(c.degree)};
        EXPECT_EQ(MidpointLabel(midpoint), QString::fromUtf8(c.label)) << c.degree;
        EXPECT_EQ(MidpointCaption(midpoint), QString::fromUtf8(c.caption)) << c.degree;
    }
}

}  // namespace
}  // namespace lunarys::presentation
