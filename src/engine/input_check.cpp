#include "engine/input_check.h"

#include <cmath>

#include <QList>

namespace lunarys::engine {

namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

qsizetype DigitsFrom(const QString& text, qsizetype i)
{
    while (i < text.size() && IsAsciiDigit(text[i]))
        ++i;
    return i;
}

bool OutOfRange(double value, double highest) { return value > highest || value < 0; }

// A minute box fails when empty, not a number, or outside 0..59.
bool MinutesFail(const QString& text)
{
    const std::optional<double> value = WholeNumber(text);
    return !value || OutOfRange(*value, 59);
}

bool IsLeapYear(int year) { return year % 4 == 0; }  // exact for 1901..2050

// The common case, a few decimal digits, without a locale-aware conversion.
std::optional<double> PlainDigits(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (!IsAsciiDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

}  // namespace

double LeadingNumber(const QString& raw)
{
    if (const std::optional<double> plain = PlainDigits(raw))
        return *plain;
    const QString text = raw.trimmed();
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype intEnd = DigitsFrom(text, i);
    qsizetype end = intEnd;
    bool digits = intEnd > i;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fracEnd = DigitsFrom(text, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits)
        return 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype j = end + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype expEnd = DigitsFrom(text, j);
        if (expEnd > j)
            end = expEnd;
    }
    const double value = text.left(end).toDouble();
    return std::isfinite(value) ? value : 0;
}

std::optional<double> WholeNumber(const QString& raw)
{
    if (const std::optional<double> plain = PlainDigits(raw))
        return plain;
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int CoordinateValue(const QString& text)
{
    const double value = LeadingNumber(text);
    if (!(std::fabs(value) < 32768))
        return 0;
    return static_cast<int>(std::nearbyint(value));  // the default rounding: halves to even
}

std::optional<InputProblem> CheckInput(const BirthInput& in)
{
    using enum InputField;
    if (in.Name.trimmed().isEmpty())
        return InputProblem{messages::EnterName, MessageIcon::Error, Name};
    if (in.LongitudeDegrees.trimmed().isEmpty() || OutOfRange(LeadingNumber(in.LongitudeDegrees), 179))
        return InputProblem{messages::LongitudeDegrees, MessageIcon::Error, LongitudeDegrees};
    if (MinutesFail(in.LongitudeMinutes))
        return InputProblem{messages::LongitudeMinutes, MessageIcon::Error, LongitudeMinutes};
    if (in.LatitudeDegrees.trimmed().isEmpty() || OutOfRange(LeadingNumber(in.LatitudeDegrees), 89))
        return InputProblem{messages::LatitudeDegrees, MessageIcon::Error, LatitudeDegrees};
    if (MinutesFail(in.LatitudeMinutes))
        return InputProblem{messages::LatitudeMinutes, MessageIcon::Error, LatitudeMinutes};

    constexpr int February = 1;
    const int lastDayIndexOfFebruary = IsLeapYear(in.Year) ? 28 : 27;
    if (in.MonthIndex == February && in.DayIndex > lastDayIndexOfFebruary)
        return InputProblem{messages::FebruaryDate, MessageIcon::Information, None};
    const bool thirtyDayMonth = in.MonthIndex == 3 || in.MonthIndex == 5 || in.MonthIndex == 8 || in.MonthIndex == 10;
    if (thirtyDayMonth && in.DayIndex == 30)
        return InputProblem{messages::ShortMonthDate, MessageIcon::Information, None};
    return std::nullopt;
}

namespace {

// A hyphen, or an apostrophe typed either way, joins two parts of one name.
bool IsNameJoiner(char32_t c) { return c == U'-' || c == U'\'' || c == U'\u2019'; }

// Whole characters of the composed form; an accent written as a combining
// mark belongs to the letter before it. A joiner stands between letters; it
// may end the text only while the name is still being typed.
bool IsNameTextEndingAs(const QString& text, bool joinerMayEnd)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    bool afterLetter = false;
    bool afterJoiner = false;
    for (const char32_t c : composed.toUcs4()) {
        if (QChar::isLetter(c)) {
            afterLetter = true;
            afterJoiner = false;
        } else if (QChar::isMark(c) && afterLetter) {
            continue;
        } else if (c == U' ' && !afterJoiner) {
            afterLetter = false;
        } else if (IsNameJoiner(c) && afterLetter) {
            afterLetter = false;
            afterJoiner = true;
        } else {
            return false;
        }
    }
    return joinerMayEnd || !afterJoiner;
}

}  // namespace

bool IsNameText(const QString& text) { return IsNameTextEndingAs(text, false); }

bool IsNameBeingTyped(const QString& text) { return IsNameTextEndingAs(text, true); }

QString NameInCapitals(const QString& text) { return text.normalized(QString::NormalizationForm_C).toUpper(); }

bool IsDigitText(const QString& text)
{
    for (const QChar c : text)
        if (!IsAsciiDigit(c))
            return false;
    return true;
}

}  // namespace lunarys::engine
