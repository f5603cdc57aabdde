#pragma once

#include <string_view>

#include <QString>

namespace lunarys::engine {

// The tables hold UTF-8 text; the windows and the command-line tool show QStrings.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lunarys::engine
