#include "presentation/json_line_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "astro/position_text.h"
#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

void AppendUtf8(std::string& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    AppendJsonString(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Writers of the pieces of an object: `"key":` with the comma before every
// member but the first.
class Members {
public:
    explicit Members(std::string& out) : out_(out) { out_ += '{'; }
    Members& Key(std::string_view key)
    {
        const std::size_t start = out_.size();
        out_.resize(start + key.size() + 4);
        char* p = out_.data() + start;
        if (!first_)
            *p++ = ',';
        *p++ = '"';
        p = std::copy(key.begin(), key.end(), p);
        *p++ = '"';
        *p++ = ':';
        out_.resize(static_cast<std::size_t>(p - out_.data()));
        first_ = false;
        return *this;
    }
    Members& Text(std::string_view key, std::string_view utf8)
    {
        Key(key);
        AppendJsonString(out_, utf8);
        return *this;
    }
    Members& Text(std::string_view key, const QString& text)
    {
        Key(key);
        AppendUtf8(out_, text);
        return *this;
    }
    template <typename Number>
    Members& Value(std::string_view key, Number value)
    {
        Key(key);
        AppendNumber(out_, value);
        return *this;
    }
    void End() { out_ += '}'; }

private:
    std::string& out_;
    bool first_ = true;
};

void AppendTexts(std::string& out, const engine::ReadingTexts& t)
{
    Members(out)
        .Text("generalTraits", t.GeneralTraits)
        .Text("houseHeading", t.HouseHeading)
        .Text("houseText", t.HouseText)
        .Text("moonGeneral", t.MoonGeneral)
        .Text("moonInSign", t.MoonInSign)
        .Text("negativeTraits", t.NegativeTraits)
        .Text("personality", t.Personality)
        .Text("positiveTraits", t.PositiveTraits)
        .Text("sunGeneral", t.SunGeneral)
        .Text("sunInSign", t.SunInSign)
        .End();
}

// A text, or null when there is none.
void AppendTextOrNull(std::string& out, const QString& text)
{
    if (text.isEmpty())
        out += "null";
    else
        AppendUtf8(out, text);
}

void AppendClock(std::string& out, const engine::ClockUsed& clock)
{
    Members members(out);
    members.Key("daylightSaving");
    out += clock.DaylightSaving ? "true" : "false";
    members.Key("note");
    AppendTextOrNull(out, clock.Note);
    members.Key("timeZone");
    AppendTextOrNull(out, clock.TimeZone);
    members.Text("universalTime", UniversalTimeUtf8(clock)).Value("utcOffsetMinutes", clock.UtcOffsetMinutes).End();
}

void AppendPlace(std::string& out, const engine::AtlasPlace& place)
{
    Members(out)
        .Text("country", place.Country)
        .Value("latitude", place.Latitude)
        .Value("longitude", place.Longitude)
        .Text("name", place.Name)
        .Text("state", place.State)
        .Text("timeZone", place.TimeZone)
        .End();
}

}  // namespace

void AppendNumber(std::string& out, int value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void AppendNumber(std::string& out, double value)
{
    // Whole numbers that a double holds exactly are written as integers.
    constexpr double kExactIntegers = 9007199254740992.0;   // 2^53
    if (std::trunc(value) == value && std::fabs(value) <= kExactIntegers) {
        char digits[24];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value)).ptr);
        return;
    }
    // The shortest digits, from the exponent form: [-]d[.ddd]e(+|-)xx.
    char buffer[32];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[20];
    int count = 0;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            digits[count++] = *p;
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    const int point = exponent + 1;   // digits before the decimal point

    // Fixed form unless it would be longer than the exponent form (Qt's
    // choice, with its exponent of at least two digits).
    int room = 4;
    if (count <= point && count > 1)
        ++room;
    else if (count == 1 && point <= 0)
        --room;
    const bool fixed = point <= 0 ? 1 - point <= room : point <= count + room;
    if (negative)
        out += '-';
    if (fixed) {
        if (point <= 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-point), '0');
            out.append(digits, static_cast<std::size_t>(count));
        } else if (point >= count) {
            out.append(digits, static_cast<std::size_t>(count));
            out.append(static_cast<std::size_t>(point - count), '0');
        } else {
            out.append(digits, static_cast<std::size_t>(point));
            out += '.';
            out.append(digits + point, static_cast<std::size_t>(count - point));
        }
        return;
    }
    out += digits[0];
    if (count > 1) {
        out += '.';
        out.append(digits + 1, static_cast<std::size_t>(count - 1));
    }
    out += exponent < 0 ? "e-" : "e+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        out += '0';
    AppendNumber(out, magnitude);
}

void AppendJsonString(std::string& out, std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0;   // start of the run of bytes that need no escape
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(utf8.data() + plain, i - plain);
        plain = i + 1;
        out += '\\';
        switch (c) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default:
            out += "u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    out.append(utf8.data() + plain, utf8.size() - plain);
    out += '"';
}

void AppendReadingLine(std::string& out, const engine::Reading& r, const engine::ReadingTexts* texts, int row)
{
    Members line(out);
    line.Key("ascendant");
    Members(out).Value("longitude", r.AscendantLongitude).Text("text", astro::AscendantText(r.AscendantLongitude)).End();
    line.Key("clock");
    AppendClock(out, r.Clock);
    line.Key("holds");
    if (r.Holds)
        Members(out).Text("from", MinuteOfDayUtf8(r.Holds->From)).Text("to", MinuteOfDayUtf8(r.Holds->To)).End();
    else
        out += "null";
    line.Key("house");
    Members(out).Text("name", HouseNameUtf8(r.House)).Value("number", r.House).End();
    const engine::Sign midpoint = r.Midpoint.Sign;
    line.Key("midpoint");
    Members(out)
        .Text("caption", MidpointCaptionUtf8(r.Midpoint))
        .Value("degree", r.Midpoint.Degree)
        .Text("element", engine::NameOf(engine::ElementOf(midpoint)))
        .Text("label", MidpointLabelUtf8(r.Midpoint))
        .Text("sign", engine::NameOf(midpoint))
        .Text("temperament", engine::NameOf(engine::TemperamentOf(midpoint)))
        .End();
    line.Key("moon");
    Members(out)
        .Text("element", engine::NameOf(engine::ElementOf(r.Moon.Sign)))
        .Value("longitude", r.Moon.Longitude)
        .Text("sign", engine::NameOf(r.Moon.Sign))
        .Text("text", astro::PositionText(r.Moon.Longitude))
        .Value("whole", r.Moon.Whole)
        .End();
    line.Text("name", r.Birth.Name);
    if (r.Birth.Place) {
        line.Key("place");
        AppendPlace(out, *r.Birth.Place);
    }
    line.Value("row", row);
    line.Key("sun");
    Members(out)
        .Value("longitude", r.Sun.Longitude)
        .Text("sign", engine::NameOf(r.Sun.Sign))
        .Text("text", astro::PositionText(r.Sun.Longitude))
        .Value("whole", r.Sun.Whole)
        .End();
    if (texts) {
        line.Key("texts");
        AppendTexts(out, *texts);
    }
    line.Value("timeZoneHours", r.Clock.TimeZoneHours()).Value("timeZoneMinutes", r.Clock.TimeZoneMinutes()).End();
    out += '\n';
}

void AppendRefusedLine(std::string& out, std::string_view message, int row)
{
    Members(out).Text("error", message).Value("row", row).End();
    out += '\n';
}

}  // namespace lunarys::presentation
