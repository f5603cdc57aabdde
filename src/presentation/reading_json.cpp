#include "presentation/reading_json.h"

#include <QJsonValue>

#include "presentation/json_line_writer.h"
#include "presentation/reading_record.h"

namespace lunarys::presentation {

namespace {

// The last value handed over, as a JSON value.
class JsonValueOf final : public ValueSink {
public:
    void Null() override { value = QJsonValue(QJsonValue::Null); }
    void Bool(bool v) override { value = v; }
    void Int(int v) override { value = v; }
    void Double(double v) override { value = v; }
    void Utf8(std::string_view text) override
    {
        value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    void Text(const QString& text) override { value = text; }
    void Paragraphs(const QString& text) override
    {
        QByteArray utf8 = text.toUtf8();
        WithCrLfBreaks(utf8);
        value = QString::fromUtf8(utf8);
    }

    QJsonValue value;
};

QLatin1StringView KeyOf(std::string_view key) { return QLatin1StringView(key.data(), static_cast<qsizetype>(key.size())); }

// A record as one object, each group's fields in an object of the group's
// name: a group that is not there is left out, a null one is null.
QJsonObject RecordAsJsonObject(const RecordSource& record)
{
    const GroupPresences presences = PresenceOfGroups(record);
    std::array<QJsonObject, kRecordGroupCount> objects;
    QJsonObject top;
    JsonValueOf value;
    for (const RecordField& field : RecordFields()) {
        const auto group = static_cast<std::size_t>(field.group);
        if (presences[group] != GroupPresence::Present)
            continue;
        field.value(record, value);
        (GroupKey(field.group).empty() ? top : objects[group]).insert(KeyOf(field.key), value.value);
    }
    for (std::size_t group = 0; group < kRecordGroupCount; ++group) {
        const std::string_view key = GroupKey(static_cast<RecordGroup>(group));
        if (key.empty() || presences[group] == GroupPresence::Absent)
            continue;
        if (presences[group] == GroupPresence::Null)
            top.insert(KeyOf(key), QJsonValue(QJsonValue::Null));
        else
            top.insert(KeyOf(key), objects[group]);
    }
    return top;
}

}  // namespace

QJsonObject PlaceAsJson(const engine::AtlasPlace& place)
{
    RecordSource record;
    record.place = &place;
    return RecordAsJsonObject(record).value(KeyOf(GroupKey(RecordGroup::Place))).toObject();
}

QJsonObject ReadingAsJsonObject(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    return RecordAsJsonObject(ReadingRecord(reading, &texts, std::nullopt));
}

QByteArray ReadingAsJson(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    std::string document;
    AppendReadingDocument(document, reading, texts);
    return QByteArray(document.data(), static_cast<qsizetype>(document.size()));
}

}  // namespace lunarys::presentation
