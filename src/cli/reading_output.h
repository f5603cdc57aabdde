#pragma once

#include <QByteArray>
#include <QString>

#include "engine/chart_state.h"
#include "engine/texts.h"

namespace lunarys::cli {

// The reading for a person to read, with the result window's headings.
QString ReadingAsText(const QString& name, const engine::ChartState& chart, const engine::ReadingTexts& texts);

// The reading as one JSON object (texts keep their CR LF line breaks).
QByteArray ReadingAsJson(const QString& name, const engine::ChartState& chart, const engine::ReadingTexts& texts);

QString ZoneListText();

}  // namespace lunarys::cli
