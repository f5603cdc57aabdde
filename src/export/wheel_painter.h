#pragma once

#include <QRectF>

#include "export/chart_wheel.h"

class QPainter;

namespace lunarys::exports {

// Draws the wheel as vector paths and text, scaled into the square that fits
// the target's middle. The painter's state is left as it was.
void PaintWheel(QPainter& painter, const ChartWheel& wheel, const QRectF& target);

}  // namespace lunarys::exports
