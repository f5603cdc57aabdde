#include <algorithm>

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "engine/reading.h"
#include "presentation/json_line_writer.h"
#include "presentation/reading_csv.h"
#include "presentation/reading_json.h"

namespace lunarys::presentation {
namespace {

// The records of a CSV text, RFC 4180: quoted cells may hold commas, doubled
// quotes and line breaks; records end in CR LF.
std::vector<std::vector<std::string>> ParseCsv(std::string_view csv)
{
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
            records.back().back() += csv[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            records.back().emplace_back();
        else if (!quoted && csv.substr(i, 2) == "\r\n") {
            records.emplace_back(1);
            ++i;
        } else
            records.back().back() += c;
    }
    records.pop_back();   // after the last CR LF
    return records;
}

// Every output of a reading holds the same fields: the CSV row and a refused
// row have a cell for each column, with empty cells for a missing place and
// skipped-minute range; the texts' line breaks, CR LF or a lone LF, are CR
// LF in the indented JSON, the JSON line and the CSV cell.
TEST(ReadingRecord, EveryOutputHasItsFieldsAndTextsWithCrLfBreaks)
{
    engine::BirthInput in;
    in.Name = QStringLiteral("Kath");
    in.Year = 1999;
    in.MonthIndex = 11;
    in.DayIndex = 30;
    in.Hour = 23;
    in.Minute = 59;
    in.LongitudeDegrees = QStringLiteral("85");
    in.LongitudeMinutes = QStringLiteral("19");
    in.LongitudeIsEast = true;
    in.LatitudeDegrees = QStringLiteral("27");
    in.LatitudeMinutes = QStringLiteral("42");
    in.Clock = engine::DatabaseClock{345, false, QStringLiteral("Asia/Kathmandu"), QStringLiteral("Kathmandu"), {}};
    in.Place = engine::AtlasPlace{QStringLiteral("Kathmandu"), QStringLiteral("Bagmati"), QStringLiteral("Nepal"),
                                  QStringLiteral("Asia/Kathmandu"), 27.70169, 85.3206};
    engine::ChartState chart;
    const engine::Reading birth = std::get<engine::Reading>(engine::RunReading(in, chart));

    const struct {
        const char* text;
        bool place;
        bool holds;
    } cases[] = {
        {"One, \"two\".\n\nThree\nfour.", true, true},
        {"One, \"two\".\r\n\r\nThree\r\nfour.", false, false},
        {"One, \"two\".\n\r\nThree\r\nfour.", true, false},
    };
    const std::string expected = "One, \"two\".\r\n\r\nThree\r\nfour.";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        engine::Reading reading = birth;
        if (!c.place)
            reading.Birth.Place.reset();
        if (!c.holds)
            reading.Holds.reset();
        engine::ReadingTexts texts = engine::LoadReadingTexts(reading);
        texts.SunGeneral = QString::fromUtf8(c.text);

        const QJsonObject object = ReadingAsJsonObject(reading, texts);
        EXPECT_EQ(object[QStringLiteral("texts")][QStringLiteral("sunGeneral")].toString().toStdString(), expected);

        std::string line;
        AppendReadingLine(line, reading, &texts, 1);
        const QJsonObject parsed = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        EXPECT_EQ(parsed[QStringLiteral("texts")][QStringLiteral("sunGeneral")].toString().toStdString(), expected);
        EXPECT_EQ(parsed.contains(QStringLiteral("place")), c.place);
        EXPECT_EQ(parsed[QStringLiteral("holds")].isObject(), c.holds);

        std::string csv;
        AppendCsvHeader(csv, true);
        AppendCsvReading(csv, reading, &texts, 1);
        AppendCsvRefused(csv, "Please Enter only Letters", 2, true);
        const auto records = ParseCsv(csv);
        ASSERT_EQ(records.size(), 3u);
        const std::vector<std::string>& header = records[0];
        EXPECT_EQ(records[1].size(), header.size());
        EXPECT_EQ(records[2].size(), header.size());
        const auto cell = [&](std::string_view column) {
            const auto at = std::find(header.begin(), header.end(), column);
            return at == header.end() ? std::string("(no column)") : records[1][static_cast<std::size_t>(at - header.begin())];
        };
        EXPECT_EQ(cell("sunGeneral"), expected);
        EXPECT_EQ(cell("placeName"), c.place ? "Kathmandu" : "");
        EXPECT_EQ(cell("holdsTo").empty(), !c.holds);
        EXPECT_EQ(cell("timeZone"), "Asia/Kathmandu");
        EXPECT_EQ(records[2][1], "Please Enter only Letters");
        EXPECT_EQ(std::count(records[2].begin(), records[2].end(), std::string()), std::ssize(header) - 2);
    }
}

}  // namespace
}  // namespace lunarys::presentation
