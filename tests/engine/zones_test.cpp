#include "engine/zones.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/chart_state.h"

namespace lunarys::engine {
namespace {

struct ZoneCase {
    int index;
    std::string_view item;
    int hours, minutes;
};

TEST(Zones, SeventyOneItemsWithTheirOffsets)
{
    ASSERT_EQ(Zones.size(), 71u);
    const ZoneCase cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {32, "Hawaiian Standard Time,HST,-10.5", 10, 30},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {36, "Int'l Date Line West,IDLW,-12.0", 12, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {52, "North Sumatra Time,NST,+6.5", -6, -30},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const ZoneCase& c : cases) {
        EXPECT_EQ(Zones[c.index].Item, c.item) << c.index;
        ChartState chart;
        Zone_Calculation(chart, c.index);
        EXPECT_EQ(chart.TimeZoneHours, c.hours) << c.item;
        EXPECT_EQ(chart.TimeZoneMinutes, c.minutes) << c.item;
    }
    EXPECT_EQ(Zones[DefaultZoneIndex].Item, "Greenwich Mean Time,GMT,0.0");
}

// Each row's values are the negation of the offset its text shows, ".5" being
// half an hour; the Indian row writes half an hour as ".3".
TEST(Zones, ValuesAgreeWithTheTextOfEveryRow)
{
    std::set<std::string_view> items;
    for (std::size_t i = 0; i < Zones.size(); ++i) {
        const std::string_view item = Zones[i].Item;
        items.insert(item);
        const std::string offset(item.substr(item.rfind(',') + 1));
        const double hours = std::stod(offset);
        const bool halfHour = offset.ends_with(".5") || i == 34;
        const int expectedMinutes = halfHour ? (hours < 0 ? 30 : -30) : 0;
        EXPECT_EQ(Zones[i].Hours, -static_cast<int>(hours)) << item;
        EXPECT_EQ(Zones[i].Minutes, expectedMinutes) << item;
        EXPECT_TRUE(Zones[i].Hours * Zones[i].Minutes >= 0) << item << ": hours and minutes of one sign";
    }
    EXPECT_EQ(items.size(), Zones.size()) << "every list item is distinct";
}

TEST(Zones, AnIndexOutsideTheListLeavesTheOffsetAsItWas)
{
    ChartState chart;
    Zone_Calculation(chart, 34);
    for (const int index : {-1, 71, 1000}) {
        Zone_Calculation(chart, index);
        EXPECT_EQ(chart.TimeZoneHours, -5);
        EXPECT_EQ(chart.TimeZoneMinutes, -30);
    }
    ChartState fresh;
    Zone_Calculation(fresh, -1);
    EXPECT_EQ(fresh.TimeZoneHours, 0);
    EXPECT_EQ(fresh.TimeZoneMinutes, 0);
}

TEST(Zones, FindsAnItemByItsExactText)
{
    EXPECT_EQ(ZoneIndexOfItem("Indian Time, IST, +5.3"), 34);
    EXPECT_EQ(ZoneIndexOfItem("South Australia Daylight Time,SDT,+10.5"), 57);
    EXPECT_EQ(ZoneIndexOfItem("indian time, ist, +5.3"), -1);
    EXPECT_EQ(ZoneIndexOfItem("Indian Time,IST,+5.3"), -1);
    EXPECT_EQ(ZoneIndexOfItem(""), -1);
}

// The item that stands for a standard offset (minutes east of Greenwich) skips
// the daylight, war and summer rows that come earlier in the list.
TEST(Zones, StandardItemOfAnOffset)
{
    const struct {
        int offset;
        std::string_view item;
    } cases[] = {
        {0, "Greenwich Mean Time,GMT,0.0"},
        {60, "Central European Time,CET,+1.0"},
        {120, "Eastern European Time,EET,+2.0"},
        {-300, "Eastern Standard Time,EST,-5.0"},
        {330, "Indian Time, IST, +5.3"},
        {-210, "Newfoundland Standard Time,NST,-3.5"},
        {345, ""},  // Nepal
        {780, ""},  // only "New Zealand Std Summer Time"
    };
    for (const auto& c : cases) {
        const int index = StandardZoneIndex(c.offset);
        EXPECT_EQ(index < 0 ? std::string_view() : Zones[index].Item, c.item) << c.offset;
    }
    EXPECT_EQ(ZoneOffsetMinutes(ZoneIndexOfItem("Eastern Standard Time,EST,-5.0"), true), -240);
    EXPECT_EQ(ZoneOffsetMinutes(ZoneIndexOfItem("Indian Time, IST, +5.3"), false), 330);
}

}  // namespace
}  // namespace lunarys::engine
