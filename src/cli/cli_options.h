#pragma once

#include <optional>
#include <span>
#include <variant>

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include "cli/output_format.h"
#include "engine/birth.h"

namespace lunarys::cli {

struct CliRequest {
    enum class Action { Reading, TimeRanges, Batch, ListZones, ListPlaces, ListPeople, Person, Forget, Import, Help, Version };
    Action action = Action::Reading;
    engine::Birth birth;
    OutputChoice output;
    std::optional<QString> place;     // --place CITY[, STATE][, COUNTRY]
    std::optional<QString> timeZone;  // --tz AREA/CITY
    QString placesQuery;              // --places QUERY
    QString batchFile;                // --batch: a path, or "-" for standard input
    bool texts = false;               // --texts, with --batch
    bool keep = false;                // --keep: keep the birth of the reading
    QString peopleQuery;              // --people [QUERY]
    QString personName;               // --person NAME, --forget NAME
    QString importFile;               // --import: a path, or "-" for standard input
    QString peopleFile;               // --people-file FILE; empty: the usual file
};

// A command line the tool cannot use, told in one line naming the option.
struct UsageError {
    QString message;
};

// Reads the arguments (without the program name).
std::variant<CliRequest, UsageError> ParseCommandLine(const QStringList& arguments);

// One birth detail as the command line and the columns of a batch file both
// give it: a column reads its text exactly as the option reads its value.
struct BirthOption {
    QLatin1StringView name;  // the option without its dashes, and the column's name
    // Reads a given value into the input, or says what is wrong with it.
    std::optional<UsageError> (*read)(const QString& text, engine::Birth& in);
    // The usage error when it is left out; null when the input's default
    // stands.
    const char* missing;
    // Whether --place, which gives the coordinates, stands in for it.
    bool givenByPlace;
};
std::span<const BirthOption> BirthOptions();

// The name as the window's name box takes typed keys: letters of any
// alphabet and blanks, then in capitals. The message when it holds anything
// else.
std::optional<QString> TakeName(engine::Birth& in);

// The list zone of a birth, made the clock when it had another.
engine::ListZoneClock& ListClockOf(engine::Birth& in);

// The usage lines alone, shown when no option is given.
QString UsageText();
QString HelpText();
QString VersionText();

}  // namespace lunarys::cli
