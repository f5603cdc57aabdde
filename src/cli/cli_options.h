#pragma once

#include <optional>
#include <variant>

#include <QString>
#include <QStringList>

#include "cli/output_format.h"
#include "engine/birth_input.h"

namespace lunarys::cli {

struct CliRequest {
    enum class Action { Reading, ListZones, ListPlaces, Help, Version };
    Action action = Action::Reading;
    engine::BirthInput input;
    OutputChoice output;
    std::optional<QString> place;     // --place CITY[, STATE][, COUNTRY]
    std::optional<QString> timeZone;  // --tz AREA/CITY
    QString placesQuery;              // --places QUERY
};

// A command line the tool cannot use, told in one line naming the option.
struct UsageError {
    QString message;
};

// Reads the arguments (without the program name).
std::variant<CliRequest, UsageError> ParseCommandLine(const QStringList& arguments);

QString HelpText();
QString VersionText();

}  // namespace lunarys::cli
