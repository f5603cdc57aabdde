#pragma once

#include <cstdio>
#include <optional>

#include <QByteArray>
#include <QString>

namespace lunarys::cli {

// Writes all of `bytes` to `stream` and flushes it. The system's words for
// what went wrong ("No space left on device"), or nullopt when everything
// was written.
std::optional<QString> WriteOutput(std::FILE* stream, const QByteArray& bytes);

}  // namespace lunarys::cli
