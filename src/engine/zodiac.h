#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "astro/position_text.h"

namespace lunarys::engine {

struct SignWords {
    std::string_view FullName;
    std::string_view Abbreviation;
    std::string_view Element;
    std::string_view Temperament;
};

// The twelve tropical signs in zodiac order; each element has its temperament.
inline constexpr std::array<SignWords, 12> Signs{{
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

// The same vocabulary as values. A sign's number is its row in Signs.
enum class Sign : std::uint8_t { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };
enum class Element : std::uint8_t { Fire, Earth, Air, Water };
enum class Temperament : std::uint8_t { Choleric, Sanguine, Melancholy, Phlegmatic };

inline constexpr std::array<std::string_view, 4> ElementNames{"Fire", "Earth", "Air", "Water"};
inline constexpr std::array<std::string_view, 4> TemperamentNames{"Choleric", "Sanguine", "Melancholy", "Phlegmatic"};

constexpr int IndexOf(Sign sign) { return static_cast<int>(sign); }

// The sign that holds a whole degree of longitude 0..359 (30 is 0 degrees
// Taurus).
constexpr Sign SignOfLongitude(int wholeDegree) { return static_cast<Sign>(((wholeDegree % 360 + 360) % 360) / 30); }

// Elements run Fire, Earth, Air, Water around the zodiac; each element has
// its temperament.
constexpr Element ElementOf(Sign sign) { return static_cast<Element>(IndexOf(sign) % 4); }
constexpr Temperament TemperamentOf(Sign sign) { return static_cast<Temperament>(ElementOf(sign)); }

constexpr std::string_view NameOf(Sign sign) { return Signs[static_cast<std::size_t>(sign)].FullName; }
constexpr std::string_view NameOf(Element element) { return ElementNames[static_cast<std::size_t>(element)]; }
constexpr std::string_view NameOf(Temperament temperament)
{
    return TemperamentNames[static_cast<std::size_t>(temperament)];
}

constexpr bool ElementsAndTemperamentsAgree()
{
    for (std::size_t k = 0; k < Signs.size(); ++k) {
        const auto sign = static_cast<Sign>(k);
        if (NameOf(ElementOf(sign)) != Signs[k].Element || NameOf(TemperamentOf(sign)) != Signs[k].Temperament)
            return false;
    }
    return true;
}
static_assert(ElementsAndTemperamentsAgree(), "sign table and element cycle differ");

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

// Sign name of every whole degree 0..360: degrees 30k+1 .. 30k+30 belong to
// sign k, so 30 is still Aries, 360 is Pisces and 0 has no sign.
using DegreeSignTable = std::array<std::string_view, 361>;
void FillDegreeSigns(DegreeSignTable& table);

}  // namespace lunarys::engine
