#pragma once

#include <variant>

#include "cli/cli_options.h"

namespace lunarys::cli {

// --batch: one reading for every data row of the CSV input, written as JSON
// lines or CSV rows in the input's order; a refused row is written with its
// message and the batch goes on. The summary goes to standard error. The exit
// status: 0 when every row gave a reading, 1 when any was refused, the input
// could not be read to its end or the output could not be written (said on
// standard error; no output file is left); a usage error (the input cannot
// be opened, its header is not one) is returned for the caller to report.
std::variant<int, UsageError> RunBatch(const CliRequest& request);

}  // namespace lunarys::cli
