#pragma once

#include <vector>

#include <QString>
#include <QStringView>

namespace lunarys::places {

// A time zone's principal city as the time-zone database's tables give it:
// the zone ("Asia/Singapore"), the country's ISO code, the city's name (the
// zone's last part, blanks for underscores: "Singapore") and its position in
// decimal degrees, north and east positive.
struct ZoneCity {
    QString timeZone;
    QString countryCode;
    QString city;
    double latitude = 0;
    double longitude = 0;

    friend bool operator==(const ZoneCity&, const ZoneCity&) = default;
};

// The zones of zone.tab (one country each), then those of zone1970.tab that
// zone.tab lacks (with their first country); a missing file adds nothing and
// a line that cannot be read is left out.
std::vector<ZoneCity> ReadZoneCities(const QString& zoneTable, const QString& zone1970Table);

// One line of either table ("SG\t+0117+10351\tAsia/Singapore"), or an empty
// zone name when it is a comment or cannot be read.
ZoneCity ZoneCityOfLine(QStringView line);

}  // namespace lunarys::places
