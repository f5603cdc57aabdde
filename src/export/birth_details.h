#pragma once

#include <QList>
#include <QString>

#include "engine/reading_model.h"

namespace lunarys::exports {

// One line of a document's facts: "Time zone" and "Indian Time, IST, +5.3".
struct DetailLine {
    QString Caption;
    QString Value;
};

// The birth as it was entered (date, clock time, zone, daylight saving,
// place if given, coordinates) and the universal time the reading used.
QList<DetailLine> BirthDetailLines(const engine::Reading& reading);

// The Sun, Moon and ascendant positions, the midpoint with its element and
// temperament, and the midpoint's house.
QList<DetailLine> ChartDetailLines(const engine::Reading& reading);

}  // namespace lunarys::exports
