#include "engine/house.h"

#include "engine/zodiac.h"

namespace lunarys::engine {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<int> DegreeLabelPosition(std::string_view label)
{
    label = label.substr(0, 6);
    if (label.size() != 6 || !IsDigit(label[0]) || !IsDigit(label[1]) || label[2] != ' ')
        return std::nullopt;
    const int degree = (label[0] - '0') * 10 + (label[1] - '0');
    const int sign = SignFromAbbreviation(label.substr(3));
    if (sign == NoSign || degree > 30)
        return std::nullopt;
    return (30 * sign + degree + 359) % 360 + 1;
}

int MidpointHouse(std::string_view ascendantText, std::string_view midpointLabel)
{
    const std::optional<int> ascendant = DegreeLabelPosition(ascendantText);
    const std::optional<int> midpoint = DegreeLabelPosition(midpointLabel);
    if (!ascendant || !midpoint)
        return 0;
    return 1 + ((*midpoint - *ascendant) % 360 + 360) % 360 / 30;
}

}  // namespace lunarys::engine
