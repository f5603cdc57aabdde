#include "places/name_key.h"

#include <algorithm>
#include <array>

#include <QList>

#include "places/text_fold.h"

namespace lunarys::places {

namespace {

struct ShortWord {
    const char16_t* whole;
    const char16_t* written;
};

// Words of place names that are as often written short as whole.
constexpr std::array<ShortWord, 4> ShortWords{{
    {u"saint", u"st"},
    {u"sainte", u"ste"},
    {u"mount", u"mt"},
    {u"fort", u"ft"},
}};

QStringView Shortened(QStringView word)
{
    for (const ShortWord& w : ShortWords)
        if (word == QStringView(w.whole))
            return QStringView(w.written);
    return word;
}

// The words of a folded name (one blank between words), the first `count`
// written short.
QString WithShortWords(const QString& folded, qsizetype count)
{
    const QList<QStringView> words = QStringView(folded).split(u' ');
    QString result;
    result.reserve(folded.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            result += u' ';
        result += i < count ? Shortened(words[i]) : words[i];
    }
    return result;
}

}  // namespace

QString ShortForm(const QString& folded)
{
    // Every whole word that is written short has a "t"; most names have none.
    const bool hasLongWord = folded.contains(u't')
        && std::any_of(ShortWords.begin(), ShortWords.end(), [&folded](const ShortWord& w) {
               return folded.contains(QStringView(w.whole));
           });
    return hasLongWord ? WithShortWords(folded, folded.size()) : folded;
}

QString QueryKey(QStringView typed)
{
    const QString folded = FoldedForMatching(typed);
    // Every word but the last is whole; so is the last when a blank follows it.
    const bool lastIsWhole = !typed.isEmpty() && (typed.back().isSpace() || typed.back() == u'-');
    const qsizetype words = folded.count(u' ') + 1;
    return WithShortWords(folded, lastIsWhole ? words : words - 1);
}

}  // namespace lunarys::places
