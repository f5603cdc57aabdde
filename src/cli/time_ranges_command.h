#pragma once

#include <variant>

#include <QByteArray>
#include <QString>

#include "cli/cli_options.h"

namespace lunarys::cli {

// --time-unknown: the birth day split into the ranges of birth times that
// give the same reading, as a table or JSON; or the message that stops it (a
// name with more than letters, a failed input check).
std::variant<QByteArray, QString> TimeRangesOutput(CliRequest& request);

}  // namespace lunarys::cli
