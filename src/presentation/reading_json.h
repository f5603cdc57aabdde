#pragma once

#include <QByteArray>
#include <QJsonObject>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// The reading as one JSON object: the zone offset, the Sun, Moon, ascendant,
// midpoint and house, the birth times that give the same reading, and the
// texts (with their CR LF line breaks).
QJsonObject ReadingAsJsonObject(const engine::Reading& reading, const engine::ReadingTexts& texts);

// The same object as an indented document.
QByteArray ReadingAsJson(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::presentation
