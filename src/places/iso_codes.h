#pragma once

#include <vector>

#include <QString>
#include <QStringList>

namespace lunarys::places {

// A country of ISO 3166-1: its two- and three-letter codes and its names
// (short, official and common, where given).
struct IsoCountry {
    QString alpha2;  // "US"
    QString alpha3;  // "USA"
    QStringList names;
};

// A subdivision of ISO 3166-2: "US-TX", "Texas".
struct IsoSubdivision {
    QString code;
    QString name;
};

// From iso-codes' JSON files (iso_3166-1.json, iso_3166-2.json); empty when a
// file is missing or not what it should be.
std::vector<IsoCountry> ReadIsoCountries(const QString& path);
std::vector<IsoSubdivision> ReadIsoSubdivisions(const QString& path);

}  // namespace lunarys::places
