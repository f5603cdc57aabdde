#include "presentation/reading_csv.h"

#include <algorithm>

#include "presentation/json_line_writer.h"
#include "presentation/reading_record.h"

namespace lunarys::presentation {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The cells of one line, separated by commas: each value handed over is the
// next cell, a null one an empty cell.
class Cells final : public ValueSink {
public:
    explicit Cells(std::string& out) : out_(out) {}
    void Null() override { Next(); }
    void Bool(bool value) override
    {
        Next();
        out_ += value ? "true" : "false";
    }
    void Int(int value) override
    {
        Next();
        AppendNumber(out_, value);
    }
    void Double(double value) override
    {
        Next();
        AppendNumber(out_, value);
    }
    void Utf8(std::string_view text) override
    {
        Next();
        AppendCsvField(out_, text);
    }
    void Text(const QString& text) override
    {
        const QByteArray utf8 = text.toUtf8();
        Utf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }
    void Paragraphs(const QString& text) override
    {
        QByteArray utf8 = text.toUtf8();
        WithCrLfBreaks(utf8);
        Utf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }
    void End() { out_ += kLineEnd; }

private:
    void Next()
    {
        if (!first_)
            out_ += ',';
        first_ = false;
    }
    std::string& out_;
    bool first_ = true;
};

// The fields that have a column: the texts' only in a file with texts.
bool HasColumn(const RecordField& field, bool withTexts)
{
    return !field.column.empty() && (withTexts || field.group != RecordGroup::Texts);
}

void AppendCsvRecord(std::string& out, const RecordSource& record, bool withTexts)
{
    const GroupPresences presences = PresenceOfGroups(record);
    Cells cells(out);
    for (const RecordField& field : RecordFields()) {
        if (!HasColumn(field, withTexts))
            continue;
        if (presences[static_cast<std::size_t>(field.group)] == GroupPresence::Present)
            field.value(record, cells);
        else
            cells.Null();
    }
    cells.End();
}

}  // namespace

void AppendCsvHeader(std::string& out, bool withTexts)
{
    Cells cells(out);
    for (const RecordField& field : RecordFields())
        if (HasColumn(field, withTexts))
            cells.Utf8(field.column);
    cells.End();
}

void AppendCsvReading(std::string& out, const engine::Reading& reading, const engine::ReadingTexts* texts, int row)
{
    AppendCsvRecord(out, ReadingRecord(reading, texts, row), texts != nullptr);
}

void AppendCsvRefused(std::string& out, std::string_view message, int row, bool withTexts)
{
    AppendCsvRecord(out, RefusedRecord(message, row), withTexts);
}

void AppendCsvField(std::string& out, std::string_view utf8)
{
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(utf8.begin(), utf8.end(), special)) {
        out += utf8;
        return;
    }
    out += '"';
    for (std::size_t quote = utf8.find('"'); quote != std::string_view::npos; quote = utf8.find('"')) {
        out += utf8.substr(0, quote + 1);
        out += '"';   // doubled
        utf8.remove_prefix(quote + 1);
    }
    out += utf8;
    out += '"';
}

}  // namespace lunarys::presentation
