#pragma once

#include <QString>
#include <QStringView>

namespace lunarys::places {

// A name as place matching compares it: compatibility decomposition (NFKD)
// without the combining marks, then case folding, so "São Paulo", "SAO PAULO"
// and "sao paulo" are one text. Letters that do not decompose are written as
// a keyboard without them would ("ß" as "ss", "ø" as "o", "ł" as "l", ...),
// hyphens count as blanks, every apostrophe is "'", and runs of blanks are one
// blank with none at either end.
QString FoldedForMatching(QStringView text);

}  // namespace lunarys::places
