#include "engine/house.h"

namespace lunarys::engine {

int MidpointHouse(int ascendantWholeDegree, int midpointDegree)
{
    return 1 + ((midpointDegree - ascendantWholeDegree) % 360 + 360) % 360 / 30;
}

}  // namespace lunarys::engine
