#pragma once

#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

namespace lunarys::places {

// A name as place matching compares it: compatibility decomposition (NFKD)
// without the combining marks, then case folding, so "São Paulo", "SAO PAULO"
// and "sao paulo" are one text. Letters that do not decompose are written as
// a keyboard without them would ("ß" as "ss", "ø" as "o", "ł" as "l", ...),
// full stops are left out ("D.C." is "dc"), hyphens and commas count as
// blanks, every apostrophe is "'", and runs of blanks are one blank with none
// at either end.
QString FoldedForMatching(QStringView text);

// The same for many texts: each letter's decomposition is looked up once and
// kept, which makes folding a hundred thousand names several times faster.
class TextFolder {
public:
    TextFolder();
    QString Fold(QStringView text);

private:
    static constexpr std::uint32_t kUnknown = 0xffffffff;
    std::vector<std::uint32_t> pieceOf_;  // by UTF-16 unit: offset << 8 | length in pieces_ of its folded characters
    QString pieces_;
};

}  // namespace lunarys::places
