#pragma once

#include <optional>
#include <span>
#include <variant>

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include "engine/birth_input.h"

namespace lunarys::cli {

struct CliRequest {
    enum class Action { Reading, TimeRanges, Batch, ListZones, Help, Version };
    Action action = Action::Reading;
    engine::BirthInput input;
    bool json = false;
    QString batchFile;   // --batch: a path, or "-" for standard input
    QString outputFile;  // --output: empty for standard output
    bool csv = false;    // --format csv
    bool texts = false;  // --texts
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
    std::optional<UsageError> (*read)(const QString& text, engine::BirthInput& in);
    // The usage error when it is left out; null when the input's default (or
    // the empty box the input check will report) stands.
    const char* missing;
};
std::span<const BirthOption> BirthOptions();

// The name as the window's name box takes typed keys: letters of any
// alphabet and blanks, then in capitals. The message when it holds anything
// else.
std::optional<QString> TakeName(engine::BirthInput& in);

QString HelpText();
QString VersionText();

}  // namespace lunarys::cli
