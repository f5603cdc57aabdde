#include "places/text_fold.h"

#include <algorithm>
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

namespace {

// Text already decomposed (NFKD) and case folded, character by character as
// it is folded: marks and full stops left out, every blank, hyphen and comma
// a blank (' '), apostrophes and letters respelt. Runs of blanks are left.
QString FoldedCharacters(QStringView decomposed)
{
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (IsMark(c) || c == u'.')
            continue;
        if (c.isSpace() || c == u'-' || c == u',')
            folded += u' ';
        else if (IsApostrophe(c.unicode()))
            folded += u'\'';
        else if (const char16_t* typed = RespellingOf(c.unicode()))
            folded += QStringView(typed);
        else
            folded += c;
    }
    return folded;
}

// Appends `piece` of FoldedCharacters to `folded`, a run of blanks as one
// blank between words.
void AppendWithSingleBlanks(QStringView piece, QString& folded, bool& pendingBlank)
{
    for (const QChar c : piece) {
        if (c == u' ') {
            pendingBlank = !folded.isEmpty();
            continue;
        }
        if (pendingBlank) {
            folded += u' ';
            pendingBlank = false;
        }
        folded += c;
    }
}

// The folded form of text already decomposed (NFKD) and case folded.
QString FoldedFromDecomposed(QStringView decomposed)
{
    QString folded;
    bool pendingBlank = false;
    AppendWithSingleBlanks(FoldedCharacters(decomposed), folded, pendingBlank);
    return folded;
}

QString Decomposed(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
}

}  // namespace

QString FoldedForMatching(QStringView text) { return FoldedFromDecomposed(Decomposed(text)); }

TextFolder::TextFolder() : pieceOf_(0x10000, kUnknown) {}

QString TextFolder::Fold(QStringView text)
{
    // Plain ASCII, the most common case, needs no decomposition.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        QString folded(text.size(), Qt::Uninitialized);
        qsizetype length = 0;
        bool pendingBlank = false;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u == u'.')
                continue;
            if (u == u' ' || u == u'-' || u == u',' || (u >= u'\t' && u <= u'\r')) {
                pendingBlank = length > 0;
                continue;
            }
            if (pendingBlank) {
                folded[length++] = u' ';
                pendingBlank = false;
            }
            folded[length++] = u == u'`' ? u'\'' : (u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + 32) : u);
        }
        folded.truncate(length);
        return folded;
    }
    // Decomposition and case folding go letter by letter, except across a
    // surrogate pair; each letter's folded characters are kept.
    QString folded;
    folded.reserve(text.size() + 4);
    bool pendingBlank = false;
    for (const QChar c : text) {
        if (c.isSurrogate())
            return FoldedForMatching(text);
        std::uint32_t& piece = pieceOf_[c.unicode()];
        if (piece == kUnknown) {
            const QString own = FoldedCharacters(Decomposed(QStringView(&c, 1)));
            piece = static_cast<std::uint32_t>(pieces_.size()) << 8 | static_cast<std::uint32_t>(own.size());
            pieces_ += own;
        }
        AppendWithSingleBlanks(QStringView(pieces_).mid(piece >> 8, piece & 0xff), folded, pendingBlank);
    }
    return folded;
}

}  // namespace lunarys::places
