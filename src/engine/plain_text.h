#pragma once

#include <QString>
#include <QStringView>

namespace lunarys::engine {

// Typed or pasted text made fit to keep as a place's name: every character
// that acts rather than shows is left out, so that it reaches no document or
// terminal: control characters (escape sequences, line breaks, tabs, DEL, C1),
// format characters (direction overrides and isolates, marks, the
// byte-order mark), line and paragraph separators and half characters. The
// zero-width joiner and non-joiner stay: scripts such as Persian and the
// Indian ones spell words with them.
QString WithoutControlCharacters(QStringView text);

}  // namespace lunarys::engine
