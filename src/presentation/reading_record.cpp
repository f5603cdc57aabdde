#include "presentation/reading_record.h"

#include <algorithm>
#include <cstring>

#include "astro/position_text.h"
#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

using Source = const RecordSource&;
using Sink = ValueSink&;
using G = RecordGroup;

constexpr std::array<std::string_view, kRecordGroupCount> kGroupKeys{
    "", "", "", "clock", "sun", "moon", "ascendant", "midpoint", "holds", "house", "place", "texts"};

const engine::Reading& R(Source s) { return *s.reading; }
const engine::ReadingTexts& T(Source s) { return *s.texts; }

// A text, or null when there is none.
void TextOrNull(Sink v, const QString& text)
{
    if (text.isEmpty())
        v.Null();
    else
        v.Text(text);
}

constexpr RecordField kFields[] = {
    {G::Row, "row", "row", [](Source s, Sink v) { v.Int(*s.row); }},
    {G::Error, "error", "error", [](Source s, Sink v) { v.Utf8(*s.error); }},
    {G::Top, "name", "name", [](Source s, Sink v) { v.Text(R(s).Birth.Name); }},
    {G::Top, "timeZoneHours", "timeZoneHours", [](Source s, Sink v) { v.Int(R(s).Clock.TimeZoneHours()); }},
    {G::Top, "timeZoneMinutes", "timeZoneMinutes", [](Source s, Sink v) { v.Int(R(s).Clock.TimeZoneMinutes()); }},
    {G::Clock, "timeZone", "timeZone", [](Source s, Sink v) { TextOrNull(v, R(s).Clock.TimeZone); }},
    {G::Clock, "utcOffsetMinutes", "utcOffsetMinutes", [](Source s, Sink v) { v.Int(R(s).Clock.UtcOffsetMinutes); }},
    {G::Clock, "daylightSaving", "daylightSaving", [](Source s, Sink v) { v.Bool(R(s).Clock.DaylightSaving); }},
    {G::Clock, "universalTime", "universalTime", [](Source s, Sink v) { v.Utf8(UniversalTimeUtf8(R(s).Clock)); }},
    {G::Place, "name", "placeName", [](Source s, Sink v) { v.Text(s.place->Name); }},
    {G::Place, "state", "placeState", [](Source s, Sink v) { v.Text(s.place->State); }},
    {G::Place, "country", "placeCountry", [](Source s, Sink v) { v.Text(s.place->Country); }},
    {G::Place, "latitude", "placeLatitude", [](Source s, Sink v) { v.Double(s.place->Latitude); }},
    {G::Place, "longitude", "placeLongitude", [](Source s, Sink v) { v.Double(s.place->Longitude); }},
    {G::Place, "timeZone", {}, [](Source s, Sink v) { v.Text(s.place->TimeZone); }},
    {G::Clock, "note", "clockNote", [](Source s, Sink v) { TextOrNull(v, R(s).Clock.Note); }},
    {G::Sun, "longitude", "sunLongitude", [](Source s, Sink v) { v.Double(R(s).Sun.Longitude); }},
    {G::Sun, "whole", "sunWhole", [](Source s, Sink v) { v.Int(R(s).Sun.Whole); }},
    {G::Sun, "text", "sunText", [](Source s, Sink v) { v.Utf8(astro::PositionText(R(s).Sun.Longitude)); }},
    {G::Sun, "sign", "sunSign", [](Source s, Sink v) { v.Utf8(engine::NameOf(R(s).Sun.Sign)); }},
    {G::Moon, "longitude", "moonLongitude", [](Source s, Sink v) { v.Double(R(s).Moon.Longitude); }},
    {G::Moon, "whole", "moonWhole", [](Source s, Sink v) { v.Int(R(s).Moon.Whole); }},
    {G::Moon, "text", "moonText", [](Source s, Sink v) { v.Utf8(astro::PositionText(R(s).Moon.Longitude)); }},
    {G::Moon, "sign", "moonSign", [](Source s, Sink v) { v.Utf8(engine::NameOf(R(s).Moon.Sign)); }},
    {G::Moon, "element", "moonElement",
     [](Source s, Sink v) { v.Utf8(engine::NameOf(engine::ElementOf(R(s).Moon.Sign))); }},
    {G::Ascendant, "longitude", "ascendantLongitude", [](Source s, Sink v) { v.Double(R(s).AscendantLongitude); }},
    {G::Ascendant, "text", "ascendantText",
     [](Source s, Sink v) { v.Utf8(astro::AscendantText(R(s).AscendantLongitude)); }},
    {G::Midpoint, "degree", "midpointDegree", [](Source s, Sink v) { v.Int(R(s).Midpoint.Degree); }},
    {G::Midpoint, "label", "midpointLabel", [](Source s, Sink v) { v.Utf8(MidpointLabelUtf8(R(s).Midpoint)); }},
    {G::Midpoint, "caption", "midpointCaption", [](Source s, Sink v) { v.Utf8(MidpointCaptionUtf8(R(s).Midpoint)); }},
    {G::Midpoint, "sign", "midpointSign", [](Source s, Sink v) { v.Utf8(engine::NameOf(R(s).Midpoint.Sign)); }},
    {G::Midpoint, "element", "midpointElement",
     [](Source s, Sink v) { v.Utf8(engine::NameOf(engine::ElementOf(R(s).Midpoint.Sign))); }},
    {G::Midpoint, "temperament", "midpointTemperament",
     [](Source s, Sink v) { v.Utf8(engine::NameOf(engine::TemperamentOf(R(s).Midpoint.Sign))); }},
    {G::House, "number", "houseNumber", [](Source s, Sink v) { v.Int(R(s).House); }},
    {G::House, "name", "houseName", [](Source s, Sink v) { v.Utf8(HouseNameUtf8(R(s).House)); }},
    {G::Holds, "from", "holdsFrom", [](Source s, Sink v) { v.Utf8(MinuteOfDayUtf8(R(s).Holds->From)); }},
    {G::Holds, "to", "holdsTo", [](Source s, Sink v) { v.Utf8(MinuteOfDayUtf8(R(s).Holds->To)); }},
    {G::Texts, "sunGeneral", "sunGeneral", [](Source s, Sink v) { v.Paragraphs(T(s).SunGeneral); }},
    {G::Texts, "sunInSign", "sunInSign", [](Source s, Sink v) { v.Paragraphs(T(s).SunInSign); }},
    {G::Texts, "moonGeneral", "moonGeneral", [](Source s, Sink v) { v.Paragraphs(T(s).MoonGeneral); }},
    {G::Texts, "moonInSign", "moonInSign", [](Source s, Sink v) { v.Paragraphs(T(s).MoonInSign); }},
    {G::Texts, "generalTraits", "generalTraits", [](Source s, Sink v) { v.Paragraphs(T(s).GeneralTraits); }},
    {G::Texts, "positiveTraits", "positiveTraits",
     [](Source s, Sink v) { v.Paragraphs(T(s).PositiveTraits); }},
    {G::Texts, "negativeTraits", "negativeTraits",
     [](Source s, Sink v) { v.Paragraphs(T(s).NegativeTraits); }},
    {G::Texts, "personality", "personality", [](Source s, Sink v) { v.Paragraphs(T(s).Personality); }},
    {G::Texts, "houseHeading", "houseHeading", [](Source s, Sink v) { v.Paragraphs(T(s).HouseHeading); }},
    {G::Texts, "houseText", "houseText", [](Source s, Sink v) { v.Paragraphs(T(s).HouseText); }},
};
constexpr std::size_t kFieldCount = std::size(kFields);

constexpr std::string_view GroupKeyOf(const RecordField& field) { return kGroupKeys[static_cast<std::size_t>(field.group)]; }

// The member of the top level that holds a field: the field itself, or its group.
constexpr std::string_view TopLevelKey(const RecordField& field)
{
    return GroupKeyOf(field).empty() ? field.key : GroupKeyOf(field);
}

constexpr std::array<std::uint8_t, kFieldCount> kJsonOrder = [] {
    std::array<std::uint8_t, kFieldCount> order{};
    for (std::size_t i = 0; i < kFieldCount; ++i)
        order[i] = static_cast<std::uint8_t>(i);
    std::sort(order.begin(), order.end(), [](std::uint8_t a, std::uint8_t b) {
        const RecordField& x = kFields[a];
        const RecordField& y = kFields[b];
        const std::string_view xTop = TopLevelKey(x);
        const std::string_view yTop = TopLevelKey(y);
        return xTop != yTop ? xTop < yTop : x.key < y.key;
    });
    return order;
}();

// No two fields share a JSON member.
static_assert([] {
    for (std::size_t i = 1; i < kFieldCount; ++i) {
        const RecordField& x = kFields[kJsonOrder[i - 1]];
        const RecordField& y = kFields[kJsonOrder[i]];
        if (TopLevelKey(x) == TopLevelKey(y) && (x.key == y.key || GroupKeyOf(x).empty() || GroupKeyOf(y).empty()))
            return false;
    }
    return true;
}());

}  // namespace

std::string_view GroupKey(RecordGroup group) { return kGroupKeys[static_cast<std::size_t>(group)]; }

RecordSource ReadingRecord(const engine::Reading& reading, const engine::ReadingTexts* texts, std::optional<int> row)
{
    RecordSource record;
    record.reading = &reading;
    record.place = reading.Birth.Place ? &*reading.Birth.Place : nullptr;
    record.texts = texts;
    record.row = row;
    return record;
}

RecordSource RefusedRecord(std::string_view error, int row)
{
    RecordSource record;
    record.row = row;
    record.error = error;
    return record;
}

GroupPresences PresenceOfGroups(const RecordSource& record)
{
    const auto when = [](bool present) { return present ? GroupPresence::Present : GroupPresence::Absent; };
    const bool reading = record.reading != nullptr;
    GroupPresences presences;
    presences.fill(when(reading));
    presences[static_cast<std::size_t>(G::Row)] = when(record.row.has_value());
    presences[static_cast<std::size_t>(G::Error)] = when(record.error.has_value());
    if (reading && !record.reading->Holds)
        presences[static_cast<std::size_t>(G::Holds)] = GroupPresence::Null;
    presences[static_cast<std::size_t>(G::Place)] = when(record.place != nullptr);
    presences[static_cast<std::size_t>(G::Texts)] = when(record.texts != nullptr);
    return presences;
}

std::span<const RecordField> RecordFields() { return kFields; }

std::span<const std::uint8_t> JsonOrderOfFields() { return kJsonOrder; }

void WithCrLfBreaks(QByteArray& utf8)
{
    // The lone LFs, each of which gains a CR.
    const char* const begin = utf8.constData();
    const char* const stop = begin + utf8.size();
    const auto nextLf = [stop](const char* from) {
        return static_cast<const char*>(std::memchr(from, '\n', static_cast<std::size_t>(stop - from)));
    };
    qsizetype lone = 0;
    for (const char* lf = nextLf(begin); lf; lf = nextLf(lf + 1))
        if (lf == begin || lf[-1] != '\r')
            ++lone;
    if (lone == 0)
        return;
    // In place, from the back: the bytes after each LF move on by the number
    // of lone LFs before them, and a lone LF's CR goes just before it.
    qsizetype end = utf8.size();
    utf8.resize(end + lone);
    char* const data = utf8.data();
    while (lone > 0) {
        const qsizetype at = static_cast<const char*>(memrchr(data, '\n', static_cast<std::size_t>(end))) - data;
        std::memmove(data + at + 1 + lone, data + at + 1, static_cast<std::size_t>(end - at - 1));
        data[at + lone] = '\n';
        if (at == 0 || data[at - 1] != '\r')
            data[at + --lone] = '\r';
        end = at;
    }
}

}  // namespace lunarys::presentation
