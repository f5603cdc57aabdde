#pragma once

#include <array>
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

// The equal house (1..12) that holds the midpoint. Houses are 30 degrees
// each, counted from the ascendant's whole degree, as its label "16 Can 22"
// shows it, not from its exact longitude: a midpoint at 106 lies in the
// first house of an ascendant at 106.9.
int MidpointHouse(int ascendantWholeDegree, int midpointDegree);

}  // namespace lunarys::engine
