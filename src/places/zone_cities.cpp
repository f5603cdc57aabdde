#include "places/zone_cities.h"

#include <optional>
#include <set>

#include <QFile>
#include <QList>

namespace lunarys::places {

namespace {

// "+0117" or "+011730" (degrees, minutes, seconds), or "-07709" or
// "-0770912" for a longitude: decimal degrees.
std::optional<double> DegreesOf(QStringView text, int degreeDigits)
{
    const qsizetype digits = text.size() - 1;
    if ((digits != degreeDigits + 2 && digits != degreeDigits + 4) || (text[0] != u'+' && text[0] != u'-'))
        return std::nullopt;
    double value = 0;
    double unit = 1;
    for (qsizetype at = 1, width = degreeDigits; at < text.size(); at += width, width = 2, unit /= 60) {
        bool ok = false;
        const int part = text.mid(at, width).toInt(&ok);
        if (!ok)
            return std::nullopt;
        value += part * unit;
    }
    return text[0] == u'-' ? -value : value;
}

}  // namespace

ZoneCity ZoneCityOfLine(QStringView line)
{
    if (line.startsWith(u'#'))
        return {};
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() < 3)
        return {};
    const QStringView position = fields[1];
    const qsizetype lonSign = position.indexOf(u'+', 1) > 0 ? position.indexOf(u'+', 1) : position.indexOf(u'-', 1);
    if (lonSign < 0)
        return {};
    const std::optional<double> latitude = DegreesOf(position.left(lonSign), 2);
    const std::optional<double> longitude = DegreesOf(position.mid(lonSign), 3);
    const QStringView zone = fields[2].trimmed();
    const qsizetype slash = zone.lastIndexOf(u'/');
    if (!latitude || !longitude || slash <= 0 || slash + 1 == zone.size())
        return {};
    return {zone.toString(), fields[0].left(2).toString(), zone.mid(slash + 1).toString().replace(u'_', u' '),
            *latitude, *longitude};
}

std::vector<ZoneCity> ReadZoneCities(const QString& zoneTable, const QString& zone1970Table)
{
    std::vector<ZoneCity> cities;
    std::set<QString> seen;
    for (const QString& path : {zoneTable, zone1970Table}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            ZoneCity city = ZoneCityOfLine(line);
            if (!city.timeZone.isEmpty() && seen.insert(city.timeZone).second)
                cities.push_back(std::move(city));
        }
    }
    return cities;
}

}  // namespace lunarys::places
