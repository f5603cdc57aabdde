#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lunarys::engine {

struct House {
    std::string_view Name;
    std::string_view Heading;
};

inline constexpr std::array<House, 12> Houses{{
    {"1st House", "More About First House"},
    {"2nd House", "More About Second House"},
    {"3rd House", "More About Third House"},
    {"4th House", "More About Fourth House"},
    {"5th House", "More About Fifth House"},
    {"6th House", "More About Sixth House"},
    {"7th House", "More About Seventh House"},
    {"8th House", "More About Eighth House"},
    {"9th House", "More About Ninth House"},
    {"10th House", "More About Tenth House"},
    {"11th House", "More About Eleventh House"},
    {"12th House", "More About Twelfth House"},
}};

// Position 1..360 on the circle of a degree label such as "15 Tau": the whole
// degree it stands for, with 0 read as 360 ("00 Ari" is 360, "00 Tau" 30).
// Only the first six characters count; anything else has no position.
std::optional<int> DegreeLabelPosition(std::string_view label);

// The equal house (1..12, counted from the ascendant's whole degree) that
// holds the midpoint, or 0 when either label has no position.
int MidpointHouse(std::string_view ascendantText, std::string_view midpointLabel);

}  // namespace lunarys::engine
