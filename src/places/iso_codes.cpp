#include "places/iso_codes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lunarys::places {

namespace {

// The array of entries under `list` ("3166-1"), each an object.
QJsonArray EntriesOf(const QString& path, QLatin1String list)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(list).toArray();
}

}  // namespace

std::vector<IsoCountry> ReadIsoCountries(const QString& path)
{
    std::vector<IsoCountry> countries;
    for (const QJsonValue& value : EntriesOf(path, QLatin1String("3166-1"))) {
        const QJsonObject entry = value.toObject();
        IsoCountry country{entry.value(QLatin1String("alpha_2")).toString(),
                           entry.value(QLatin1String("alpha_3")).toString(), {}};
        for (const char* field : {"name", "official_name", "common_name"})
            if (const QString name = entry.value(QLatin1String(field)).toString(); !name.isEmpty())
                country.names << name;
        if (country.alpha2.size() == 2)
            countries.push_back(std::move(country));
    }
    return countries;
}

std::vector<IsoSubdivision> ReadIsoSubdivisions(const QString& path)
{
    std::vector<IsoSubdivision> subdivisions;
    for (const QJsonValue& value : EntriesOf(path, QLatin1String("3166-2"))) {
        const QJsonObject entry = value.toObject();
        IsoSubdivision subdivision{entry.value(QLatin1String("code")).toString(),
                                   entry.value(QLatin1String("name")).toString()};
        if (subdivision.code.size() > 3 && subdivision.code[2] == u'-' && !subdivision.name.isEmpty())
            subdivisions.push_back(std::move(subdivision));
    }
    return subdivisions;
}

}  // namespace lunarys::places
