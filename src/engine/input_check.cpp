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

// February's days past the 28th (29th in a leap year), then the 31st of a
// thirty-day month; month and day 1-based.
std::optional<InputProblem> DateProblem(int year, int month, int day)
{
    constexpr int February = 2;
    const int lastDayOfFebruary = IsLeapYear(year) ? 29 : 28;
    if (month == February && day > lastDayOfFebruary)
        return InputProblem{messages::FebruaryDate, MessageIcon::Information, InputField::None};
    const bool thirtyDayMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDayMonth && day == 31)
        return InputProblem{messages::ShortMonthDate, MessageIcon::Information, InputField::None};
    return std::nullopt;
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

    return DateProblem(in.Year, in.MonthIndex + 1, in.DayIndex + 1);
}

std::optional<InputProblem> CheckBirth(const Birth& b)
{
    using enum InputField;
    if (b.Name.trimmed().isEmpty())
        return InputProblem{messages::EnterName, MessageIcon::Error, Name};
    if (OutOfRange(b.LongitudeDegrees, 179))
        return InputProblem{messages::LongitudeDegrees, MessageIcon::Error, LongitudeDegrees};
    if (OutOfRange(b.LongitudeMinutes, 59))
        return InputProblem{messages::LongitudeMinutes, MessageIcon::Error, LongitudeMinutes};
    if (OutOfRange(b.LatitudeDegrees, 89))
        return InputProblem{messages::LatitudeDegrees, MessageIcon::Error, LatitudeDegrees};
    if (OutOfRange(b.LatitudeMinutes, 59))
        return InputProblem{messages::LatitudeMinutes, MessageIcon::Error, LatitudeMinutes};
    return DateProblem(b.Year, b.Month, b.Day);
}

std::variant<Birth, InputProblem> TakeBirth(const BirthInput& in)
{
    if (std::optional<InputProblem> problem = CheckInput(in))
        return *std::move(problem);
    Birth birth;
    birth.Name = in.Name;
    birth.Year = in.Year;
    birth.Month = in.MonthIndex + 1;
    birth.Day = in.DayIndex + 1;
    birth.Hour = in.Hour;
    birth.Minute = in.Minute;
    if (in.Clock)
        birth.Clock = *in.Clock;
    else
        birth.Clock = ListZoneClock{in.ZoneIndex, in.DaylightSaving};
    birth.LongitudeDegrees = CoordinateValue(in.LongitudeDegrees);
    birth.LongitudeMinutes = CoordinateValue(in.LongitudeMinutes);
    birth.LongitudeIsEast = in.LongitudeIsEast;
    birth.LatitudeDegrees = CoordinateValue(in.LatitudeDegrees);
    birth.LatitudeMinutes = CoordinateValue(in.LatitudeMinutes);
    birth.LatitudeIsSouth = in.LatitudeIsSouth;
    birth.City = in.City;
    birth.State = in.State;
    birth.Country = in.Country;
    birth.Place = in.Place;
    return birth;
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
