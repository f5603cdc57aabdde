#pragma once

#include <QByteArrayView>
#include <QDate>

#include "engine/day_clock.h"

namespace lunarys::places {

// The clock of a whole local day in an IANA zone, as the reading takes it:
// every local minute 00:00..23:59 with the database's offset (to the whole
// minute, as ClockAt gives it), the minutes that clocks skipped left out, and
// a repeated minute counted once, at its first occurrence. An unknown zone
// gives no pieces.
engine::DayClock DayClockAt(QByteArrayView ianaId, QDate localDate);

using engine::SettingOfOffset;

}  // namespace lunarys::places
