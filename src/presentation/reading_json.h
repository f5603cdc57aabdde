#pragma once

#include <QByteArray>
#include <QJsonObject>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// An atlas place: name, state, country, timeZone, latitude and longitude.
QJsonObject PlaceAsJson(const engine::AtlasPlace& place);

// The reading as one JSON object, from the record's fields
// (reading_record.h): the zone offset and the clock used, the Sun, Moon,
// ascendant, midpoint and house, the birth times that give the same reading,
// the texts (with CR LF line breaks), and the atlas place when there is one.
QJsonObject ReadingAsJsonObject(const engine::Reading& reading, const engine::ReadingTexts& texts);

// The same object as an indented document.
QByteArray ReadingAsJson(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::presentation
