#pragma once

#include <memory>
#include <variant>

#include <QString>

#include "places/atlas.h"

namespace lunarys::cli {

// The atlas, from the places of the atlas module (loaded now, and only now)
// and the name catalogs, codes and zone table; or why there is none
// ("cannot find the atlas module lunarys-atlas.so").
std::variant<std::shared_ptr<const places::Atlas>, QString> OpenAtlas();

}  // namespace lunarys::cli
