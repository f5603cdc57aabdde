#include "engine/plain_text.h"

namespace lunarys::engine {

namespace {

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;

bool ActsRatherThanShows(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    case QChar::Other_Format: return c != kZeroWidthNonJoiner && c != kZeroWidthJoiner;
    default: return false;
    }
}

}  // namespace

QString WithoutControlCharacters(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t whole = QChar::surrogateToUcs4(c, text[i + 1]);
            if (!ActsRatherThanShows(whole))
                kept.append(text.mid(i, 2));
            ++i;
        } else if (!ActsRatherThanShows(c.unicode())) {
            kept.append(c);
        }
    }
    return kept;
}

}  // namespace lunarys::engine
