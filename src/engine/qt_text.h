#pragma once

#include <string_view>

#include <QDate>
#include <QLocale>
#include <QString>

namespace lunarys::engine {

// The tables hold UTF-8 text; the windows and the command-line tool show QStrings.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "4 July 1990": the month's name in English whatever the desktop's language.
inline QString DateText(QDate date)
{
    return QStringLiteral("%1 %2 %3").arg(date.day()).arg(QLocale::c().monthName(date.month())).arg(date.year());
}

}  // namespace lunarys::engine
