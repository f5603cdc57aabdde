#pragma once

#include <array>
#include <string_view>

#include "astro/position_text.h"

namespace lunarys::engine {

struct Sign {
    std::string_view FullName;
    std::string_view Abbreviation;
    std::string_view Element;
    std::string_view Temperament;
};

// The twelve tropical signs in zodiac order; each element has its temperament.
inline constexpr std::array<Sign, 12> Signs{{
    {"Aries", "Ari", "Fire", "Choleric"},
    {"Taurus", "Tau", "Earth", "Sanguine"},
    {"Gemini", "Gem", "Air", "Melancholy"},
    {"Cancer", "Can", "Water", "Phlegmatic"},
    {"Leo", "Leo", "Fire", "Choleric"},
    {"Virgo", "Vir", "Earth", "Sanguine"},
    {"Libra", "Lib", "Air", "Melancholy"},
    {"Scorpio", "Sco", "Water", "Phlegmatic"},
    {"Sagittarius", "Sag", "Fire", "Choleric"},
    {"Capricorn", "Cap", "Earth", "Sanguine"},
    {"Aquarius", "Aqu", "Air", "Melancholy"},
    {"Pisces", "Pis", "Water", "Phlegmatic"},
}};

inline constexpr int NoSign = -1;

constexpr bool AbbreviationsAgree()
{
    for (std::size_t k = 0; k < Signs.size(); ++k)
        if (astro::SignAbbreviations.substr(3 * k, 3) != Signs[k].Abbreviation
            || Signs[k].FullName.substr(0, 3) != Signs[k].Abbreviation)
            return false;
    return true;
}
static_assert(AbbreviationsAgree(), "sign table and position-text abbreviations differ");

// Exact, case-sensitive lookups in zodiac order; NoSign when nothing matches.
constexpr int SignFromAbbreviation(std::string_view abbreviation)
{
    for (std::size_t k = 0; k < Signs.size(); ++k)
        if (Signs[k].Abbreviation == abbreviation)
            return static_cast<int>(k);
    return NoSign;
}

constexpr int SignFromFullName(std::string_view fullName)
{
    for (std::size_t k = 0; k < Signs.size(); ++k)
        if (Signs[k].FullName == fullName)
            return static_cast<int>(k);
    return NoSign;
}

// The sign of a position text, read from its last three characters.
constexpr int SignOfPositionText(std::string_view text)
{
    return text.size() < 3 ? NoSign : SignFromAbbreviation(text.substr(text.size() - 3));
}

// Sign name of every whole degree 0..360: degrees 30k+1 .. 30k+30 belong to
// sign k, so 30 is still Aries, 360 is Pisces and 0 has no sign.
using DegreeSignTable = std::array<std::string_view, 361>;
void FillDegreeSigns(DegreeSignTable& table);

}  // namespace lunarys::engine
