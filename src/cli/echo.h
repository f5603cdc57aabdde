#pragma once

#include <QString>
#include <QStringView>

namespace lunarys::cli {

// How many characters of the user's text a message repeats.
inline constexpr qsizetype kEchoLimit = 60;

// A user's text made fit to quote in a one-line message: at most kEchoLimit
// characters of it, "…" where it was cut, and every character that would act
// on a terminal rather than show (control characters, direction overrides,
// line separators) written as an escape, \x1b or \u202e.
QString Echo(QStringView text);

}  // namespace lunarys::cli
