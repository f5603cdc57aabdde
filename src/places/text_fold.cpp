#include "places/text_fold.h"

#include <array>

#include <QChar>

namespace lunarys::places {

namespace {

// Lower-case letters without a decomposition, as they are commonly typed
// without the special letter; their capitals fold to them first.
struct Respelling {
    char16_t letter;
    const char16_t* typed;
};

constexpr std::array<Respelling, 11> Respellings{{
    {u'\u00df', u"ss"},  // ß
    {u'\u00e6', u"ae"},  // æ
    {u'\u00f0', u"d"},   // ð
    {u'\u00f8', u"o"},   // ø
    {u'\u00fe', u"th"},  // þ
    {u'\u0111', u"d"},   // đ
    {u'\u0127', u"h"},   // ħ
    {u'\u0131', u"i"},   // dotless ı
    {u'\u0142', u"l"},   // ł
    {u'\u0153', u"oe"},  // œ
    {u'\u0259', u"e"},   // ə (Azerbaijani)
}};

const char16_t* RespellingOf(char16_t c)
{
    for (const Respelling& r : Respellings)
        if (r.letter == c)
            return r.typed;
    return nullptr;
}

bool IsApostrophe(char16_t c)
{
    return c == u'\'' || c == u'`' || c == u'\u00b4' || c == u'\u02bb' || c == u'\u02bc' || c == u'\u2018'
        || c == u'\u2019';
}

bool IsMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
        || category == QChar::Mark_Enclosing;
}

}  // namespace

QString FoldedForMatching(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString folded;
    folded.reserve(decomposed.size());
    bool pendingBlank = false;
    for (const QChar c : decomposed) {
        if (IsMark(c))
            continue;
        if (c.isSpace() || c == u'-') {
            pendingBlank = !folded.isEmpty();
            continue;
        }
        if (pendingBlank) {
            folded += u' ';
            pendingBlank = false;
        }
        if (IsApostrophe(c.unicode()))
            folded += u'\'';
        else if (const char16_t* typed = RespellingOf(c.unicode()))
            folded += QStringView(typed);
        else
            folded += c;
    }
    return folded;
}

}  // namespace lunarys::places
