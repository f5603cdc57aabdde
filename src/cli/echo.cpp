#include "cli/echo.h"

namespace lunarys::cli {

namespace {

bool ActsRatherThanShows(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:         // C0, DEL and C1: escape sequences, bell, line feed
    case QChar::Other_Format:          // direction overrides, zero-width characters
    case QChar::Other_Surrogate:       // half of a character
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

QString Escaped(char32_t c)
{
    if (c < 0x100)
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QChar(u'0'));
    if (c < 0x10000)
        return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QChar(u'0'));
    return QStringLiteral("\\U%1").arg(uint(c), 8, 16, QChar(u'0'));
}

}  // namespace

QString Echo(QStringView text)
{
    QString shown;
    qsizetype i = 0;
    for (qsizetype count = 0; i < text.size() && count < kEchoLimit; ++count) {
        char32_t c = text[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (ActsRatherThanShows(c))
            shown += Escaped(c);
        else
            shown += text.mid(i, width);
        i += width;
    }
    if (i < text.size())
        shown += u'…';
    return shown;
}

}  // namespace lunarys::cli
