#include "presentation/json_line_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "presentation/reading_record.h"

namespace lunarys::presentation {

namespace {

void AppendUtf8(std::string& out, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    AppendJsonString(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// The members of an object: `"key":` with the comma before every member but
// the first.
class Members {
public:
    explicit Members(std::string& out) : out_(out) { out_ += '{'; }
    void Key(std::string_view key)
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
    }
    void End() { out_ += '}'; }

private:
    std::string& out_;
    bool first_ = true;
};

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

private:
    std::string& out_;
};

// A record as one line of compact JSON, the members in their sorted order.
void AppendRecordLine(std::string& out, const RecordSource& record)
{
    const GroupPresences presences = PresenceOfGroups(record);
    const std::span<const RecordField> fields = RecordFields();
    JsonValues values(out);
    Members line(out);
    std::optional<Members> object;   // the object of the group being written
    const RecordField* previous = nullptr;
    GroupPresence presence = GroupPresence::Absent;
    for (const std::uint8_t index : JsonOrderOfFields()) {
        const RecordField& field = fields[index];
        if (!previous || field.group != previous->group) {
            if (object) {
                object->End();
                object.reset();
            }
            presence = presences[static_cast<std::size_t>(field.group)];
            const std::string_view group = GroupKey(field.group);
            if (!group.empty() && presence != GroupPresence::Absent) {
                line.Key(group);
                if (presence == GroupPresence::Null)
                    out += "null";
                else
                    object.emplace(out);
            }
        }
        previous = &field;
        if (presence != GroupPresence::Present)
            continue;
        (object ? *object : line).Key(field.key);
        field.value(record, values);
    }
    if (object)
        object->End();
    line.End();
    out += '\n';
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

void AppendReadingLine(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row)
{
    AppendRecordLine(out, ReadingRecord(reading, texts, row));
}

void AppendRefusedLine(std::string& out, std::string_view message, int row)
{
    AppendRecordLine(out, RefusedRecord(message, row));
}

}  // namespace lunarys::presentation
