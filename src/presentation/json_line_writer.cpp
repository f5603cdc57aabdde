#include "presentation/json_line_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "presentation/reading_record.h"

namespace lunarys::presentation {

namespace {

void AppendUtf8(std::string& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    AppendJsonString(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Each value as JSON, at the end of the line.
class JsonValues final : public ValueSink {
public:
    explicit JsonValues(std::string& out) : out_(out) {}
    void Null() override { out_ += "null"; }
    void Bool(bool value) override { out_ += value ? "true" : "false"; }
    void Int(int value) override { AppendNumber(out_, value); }
    void Double(double value) override { AppendNumber(out_, value); }
    void Utf8(std::string_view text) override { AppendJsonString(out_, text); }
    void Text(const QString& text) override { AppendUtf8(out_, text); }
    void Paragraphs(const QString& text) override
    {
        QByteArray utf8 = text.toUtf8();
        WithCrLfBreaks(utf8);
        AppendJsonString(out_, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }

private:
    std::string& out_;
};

// The fields of a line in the order written, each with its key as written.
struct LineMember {
    const RecordField* field;
    bool startsGroup;        // the first of its group's fields
    std::string key;         // "key":
    std::string groupKey;    // "group": before the first field of a group with a name
};

std::string Quoted(std::string_view key) { return '"' + std::string(key) + "\":"; }

const std::vector<LineMember>& LineMembers()
{
    static const std::vector<LineMember> members = [] {
        std::vector<LineMember> list;
        const std::span<const RecordField> fields = RecordFields();
        for (const std::uint8_t index : JsonOrderOfFields()) {
            const RecordField& field = fields[index];
            const bool starts = list.empty() || list.back().field->group != field.group;
            const std::string_view group = GroupKey(field.group);
            list.push_back({&field, starts, Quoted(field.key), starts && !group.empty() ? Quoted(group) : std::string()});
        }
        return list;
    }();
    return members;
}

// A record as QJsonDocument writes it: one line of compact JSON, or the
// indented document (four spaces a level, a blank after each colon); the
// members in their sorted order either way.
void AppendRecord(std::string& out, const RecordSource& record, bool indented)
{
    const GroupPresences presences = PresenceOfGroups(record);
    JsonValues values(out);
    const std::string_view open = indented ? "{\n" : "{";
    const auto member = [&](const std::string& key, int level) {
        if (indented)
            out.append(static_cast<std::size_t>(4 * level), ' ');
        out += key;
        if (indented)
            out += ' ';
    };
    const auto closeGroup = [&] { out += indented ? "\n    }" : "}"; };
    out += open;
    bool first = true;      // no member yet in the object being written
    bool inGroup = false;   // within a group's object
    GroupPresence presence = GroupPresence::Absent;
    for (const LineMember& m : LineMembers()) {
        if (m.startsGroup) {
            if (inGroup) {
                closeGroup();
                inGroup = false;
            }
            presence = presences[static_cast<std::size_t>(m.field->group)];
            if (!m.groupKey.empty() && presence != GroupPresence::Absent) {
                if (!first)
                    out += indented ? ",\n" : ",";
                member(m.groupKey, 1);
                first = presence == GroupPresence::Present;
                inGroup = first;
                out += inGroup ? open : "null";
            }
        }
        if (presence != GroupPresence::Present)
            continue;
        if (!first)
            out += indented ? ",\n" : ",";
        first = false;
        member(m.key, inGroup ? 2 : 1);
        m.field->value(record, values);
    }
    if (inGroup)
        closeGroup();
    out += indented ? "\n}\n" : "}\n";
}

// Whether any of eight bytes needs an escape: a control character, a quote
// or a backslash. Bytes of multi-byte characters (0x80 and above) do not.
bool AnyToEscape(std::uint64_t bytes)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto below = [](std::uint64_t v, std::uint64_t n) { return (v - kOnes * n) & ~v & kHighs; };
    return below(bytes, 0x20) | below(bytes ^ (kOnes * '"'), 1) | below(bytes ^ (kOnes * '\\'), 1);
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
        // Long texts pass eight bytes at a time.
        while (i + 8 <= utf8.size()) {
            std::uint64_t bytes;
            std::memcpy(&bytes, utf8.data() + i, sizeof bytes);
            if (AnyToEscape(bytes))
                break;
            i += 8;
        }
        if (i == utf8.size())
            break;
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

void AppendReadingLine(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row)
{
    AppendRecord(out, ReadingRecord(reading, texts, row), false);
}

void AppendReadingDocument(std::string& out, const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    out.reserve(out.size() + 16384);   // a document with its texts, in one piece
    AppendRecord(out, ReadingRecord(reading, &texts, std::nullopt), true);
}

void AppendRefusedLine(std::string& out, std::string_view message, int row)
{
    AppendRecord(out, RefusedRecord(message, row), false);
}

}  // namespace lunarys::presentation
