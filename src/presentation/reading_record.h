#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::presentation {

// The record of a reading: every field that the JSON, JSON Lines and CSV
// outputs write, described once. Each field belongs to a group; a group's
// fields make one JSON object under the group's name, or sit at the top
// level for the groups without a name. CSV rows are flat: a column a field.

enum class RecordGroup : std::uint8_t {
    Top,        // name and the zone offset
    Row,        // a batch's row number: only in batch outputs
    Error,      // why a batch row was refused: only in refused rows
    Clock,
    Sun,
    Moon,
    Ascendant,
    Midpoint,
    Holds,      // null as a whole when the clock skipped the birth minute
    House,
    Place,      // only with an atlas place
    Texts,      // only when the texts are asked for
};
inline constexpr std::size_t kRecordGroupCount = static_cast<std::size_t>(RecordGroup::Texts) + 1;

// The name of a group's JSON object; empty for the top-level groups.
std::string_view GroupKey(RecordGroup group);

// What one record is made of: a reading, or a refused row of a batch.
struct RecordSource {
    const engine::Reading* reading = nullptr;      // none for a refused row
    const engine::AtlasPlace* place = nullptr;     // the atlas place, when there is one
    const engine::ReadingTexts* texts = nullptr;   // when the texts are asked for
    std::optional<int> row;                        // a batch's row number
    std::optional<std::string_view> error;         // why the row was refused, UTF-8
};
RecordSource ReadingRecord(const engine::Reading& reading, const engine::ReadingTexts* texts, std::optional<int> row);
RecordSource RefusedRecord(std::string_view error, int row);

// How a group appears in one record. A group that is not there is left out
// of JSON; one that is null is written as null in its place. Both leave their
// CSV cells empty.
enum class GroupPresence : std::uint8_t { Present, Null, Absent };
using GroupPresences = std::array<GroupPresence, kRecordGroupCount>;
GroupPresences PresenceOfGroups(const RecordSource& record);

// Takes one field's value. Texts are UTF-8 or a QString; the reading's
// texts, with their paragraphs, have their line breaks written as CR LF by
// every output (WithCrLfBreaks).
class ValueSink {
public:
    virtual void Null() = 0;
    virtual void Bool(bool value) = 0;
    virtual void Int(int value) = 0;
    virtual void Double(double value) = 0;
    virtual void Utf8(std::string_view text) = 0;
    virtual void Text(const QString& text) = 0;
    virtual void Paragraphs(const QString& text) = 0;

protected:
    ~ValueSink() = default;
};

struct RecordField {
    RecordGroup group;
    std::string_view key;      // the JSON member's name within its group
    std::string_view column;   // the CSV column's name; empty for a field CSV leaves out
    // Hands the value to the sink; called only when the group is present.
    void (*value)(const RecordSource& record, ValueSink& sink);
};

// Every field, in the order of the CSV columns.
std::span<const RecordField> RecordFields();

// The fields' indices in the order in which JSON writes them: sorted by the
// member of the top level (a group's name for the group's fields), then by
// key within the group, so that a group's fields come together.
std::span<const std::uint8_t> JsonOrderOfFields();

// Writes every line break of a UTF-8 text, CR LF or a lone LF, as CR LF:
// the texts' line ends in every output that holds them.
void WithCrLfBreaks(QByteArray& utf8);

}  // namespace lunarys::presentation
