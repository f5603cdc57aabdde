#pragma once

#include <QString>

#include "export/chart_wheel.h"

namespace lunarys::exports {

// The wheel as an inline <svg> element, with no outside resources. The hub
// circle is `id="wheel-hub"`; each mark is a circle `class="mark"` with the id
// "mark-" and the body ("mark-sun"), and each house cusp a line "cusp-N".
QString WheelAsSvg(const ChartWheel& wheel, const QString& title);

}  // namespace lunarys::exports
