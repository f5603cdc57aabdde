#include "engine/zodiac.h"

namespace lunarys::engine {

void FillDegreeSigns(DegreeSignTable& table)
{
    for (std::size_t degree = 1; degree <= 360; ++degree)
        table[degree] = Signs[(degree - 1) / 30].FullName;
}

}  // namespace lunarys::engine
