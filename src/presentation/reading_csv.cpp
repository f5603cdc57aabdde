#include "presentation/reading_csv.h"

#include <array>

#include "astro/position_text.h"
#include "presentation/json_line_writer.h"
#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

constexpr std::array<std::string_view, 36> kColumns{
    "row",          "error",           "name",          "timeZoneHours",   "timeZoneMinutes",
    "timeZone",     "utcOffsetMinutes", "daylightSaving", "universalTime",  "placeName",
    "placeState",   "placeCountry",    "placeLatitude", "placeLongitude",  "clockNote",
    "sunLongitude", "sunWhole",        "sunText",       "sunSign",         "moonLongitude",
    "moonWhole",    "moonText",        "moonSign",      "moonElement",     "ascendantLongitude",
    "ascendantText", "midpointDegree", "midpointLabel", "midpointCaption", "midpointSign",
    "midpointElement", "midpointTemperament", "houseNumber", "houseName",  "holdsFrom",
    "holdsTo"};

constexpr std::array<std::string_view, 10> kTextColumns{
    "sunGeneral",     "sunInSign",      "moonGeneral", "moonInSign",   "generalTraits",
    "positiveTraits", "negativeTraits", "personality", "houseHeading", "houseText"};

constexpr std::string_view kLineEnd = "\r\n";

// The fields of one line, separated by commas.
class Fields {
public:
    explicit Fields(std::string& out) : out_(out) {}
    Fields& Text(std::string_view utf8)
    {
        Comma();
        AppendCsvField(out_, utf8);
        return *this;
    }
    Fields& Text(const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        return Text(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    }
    template <typename Number>
    Fields& Value(Number value)
    {
        Comma();
        AppendNumber(out_, value);
        return *this;
    }
    Fields& Empty(std::size_t count = 1)
    {
        for (std::size_t i = 0; i < count; ++i)
            Comma();
        return *this;
    }
    void End() { out_ += kLineEnd; }

private:
    void Comma()
    {
        if (!first_)
            out_ += ',';
        first_ = false;
    }
    std::string& out_;
    bool first_ = true;
};

}  // namespace

void AppendCsvHeader(std::string& out, bool withTexts)
{
    Fields line(out);
    for (const std::string_view column : kColumns)
        line.Text(column);
    if (withTexts)
        for (const std::string_view column : kTextColumns)
            line.Text(column);
    line.End();
}

void AppendCsvReading(std::string& out, const engine::Reading& r, const engine::ReadingTexts* texts, int row)
{
    const QByteArray name = r.Birth.Name.toUtf8();
    const engine::Sign midpoint = r.Midpoint.Sign;
    Fields line(out);
    line.Value(row).Empty().Text(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    line.Value(r.Clock.TimeZoneHours()).Value(r.Clock.TimeZoneMinutes());
    line.Text(r.Clock.TimeZone).Value(r.Clock.UtcOffsetMinutes);
    line.Text(r.Clock.DaylightSaving ? std::string_view("true") : std::string_view("false"));
    line.Text(UniversalTimeUtf8(r.Clock));
    if (const std::optional<engine::AtlasPlace>& place = r.Birth.Place)
        line.Text(place->Name).Text(place->State).Text(place->Country).Value(place->Latitude).Value(place->Longitude);
    else
        line.Empty(5);
    line.Text(r.Clock.Note);
    line.Value(r.Sun.Longitude).Value(r.Sun.Whole).Text(astro::PositionText(r.Sun.Longitude)).Text(engine::NameOf(r.Sun.Sign));
    line.Value(r.Moon.Longitude).Value(r.Moon.Whole).Text(astro::PositionText(r.Moon.Longitude));
    line.Text(engine::NameOf(r.Moon.Sign)).Text(engine::NameOf(engine::ElementOf(r.Moon.Sign)));
    line.Value(r.AscendantLongitude).Text(astro::AscendantText(r.AscendantLongitude));
    line.Value(r.Midpoint.Degree).Text(MidpointLabelUtf8(r.Midpoint)).Text(MidpointCaptionUtf8(r.Midpoint));
    line.Text(engine::NameOf(midpoint)).Text(engine::NameOf(engine::ElementOf(midpoint)));
    line.Text(engine::NameOf(engine::TemperamentOf(midpoint)));
    line.Value(r.House).Text(HouseNameUtf8(r.House));
    if (r.Holds)
        line.Text(MinuteOfDayUtf8(r.Holds->From)).Text(MinuteOfDayUtf8(r.Holds->To));
    else
        line.Empty(2);
    if (texts) {
        const engine::ReadingTexts& t = *texts;
        line.Text(t.SunGeneral).Text(t.SunInSign).Text(t.MoonGeneral).Text(t.MoonInSign).Text(t.GeneralTraits);
        line.Text(t.PositiveTraits).Text(t.NegativeTraits).Text(t.Personality).Text(t.HouseHeading).Text(t.HouseText);
    }
    line.End();
}

void AppendCsvRefused(std::string& out, std::string_view message, int row, bool withTexts)
{
    Fields line(out);
    line.Value(row).Text(message).Empty(kColumns.size() - 2 + (withTexts ? kTextColumns.size() : 0));
    line.End();
}

void AppendCsvField(std::string& out, std::string_view utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace lunarys::presentation
