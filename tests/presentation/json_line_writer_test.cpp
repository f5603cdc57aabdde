#include "presentation/json_line_writer.h"

#include <cstring>
#include <random>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "engine/reading.h"
#include "presentation/reading_json.h"

namespace lunarys::presentation {
namespace {

std::string Compact(const QJsonDocument& document)
{
    return document.toJson(QJsonDocument::Compact).toStdString();
}

// Numbers and strings are written as QJsonDocument writes them: special
// values, then random bit patterns and random longitudes.
TEST(JsonLineWriter, NumbersAndStringsAsQJsonDocumentWritesThem)
{
    std::vector<double> numbers{0.0,    -0.0,   1,      30,          359.99999999999994, 1e-4, 1.2345e-4, 1.5e-7, 1e-5,
                                5e-324, 1e15,   9.5e15, 1e16,        9007199254740992.0, 9007199254740994.0,
                                1e21,   123456789012345678.0, -6460657851.262059, 3256937983961036500000.0};
    std::mt19937_64 random(20250704);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        numbers.push_back(std::isfinite(value) ? value : 1.5);
        numbers.push_back(std::uniform_real_distribution<double>(0, 360)(random));
    }
    for (const double value : numbers) {
        std::string mine = "[";
        AppendNumber(mine, value);
        mine += ']';
        ASSERT_EQ(mine, Compact(QJsonDocument(QJsonArray{value}))) << value;
    }

    std::string controls;
    for (char c = 1; c < 0x20; ++c)
        controls += c;
    for (const std::string& text : {controls, std::string("quote \" backslash \\ slash / del \x7f"),
                                    std::string("MARY ANN \xc3\x89LO\xc3\x8fSE \xe2\x80\xa8 \xf0\x9f\x9c\x9a"),
                                    std::string("line\r\nbreaks\tand\b\f")}) {
        std::string mine = "[";
        AppendJsonString(mine, text);
        mine += ']';
        EXPECT_EQ(mine, Compact(QJsonDocument(QJsonArray{QString::fromStdString(text)})));
    }
}

// A batch line is the object that --json prints, with the row, without the
// texts unless asked: the same bytes as QJsonDocument's compact form, for
// many readings of random births, with and without texts, and one whose
// range is not known.
TEST(JsonLineWriter, ReadingLinesAreQJsonDocumentsObjects)
{
    const QString names[] = {QStringLiteral("MARY ANN"), QString::fromUtf8("\xc3\x89LO\xc3\x8f" "SE"),
                             QString::fromUtf8("\xd0\x90\xd0\x9d\xd0\x9d\xd0\x90"), QString()};
    std::mt19937 random(1990);
    engine::ChartState chart;
    int checked = 0;
    for (int row = 1; row <= 3000; ++row) {
        engine::BirthInput in;
        in.Name = names[random() % 3];
        in.Year = 1901 + static_cast<int>(random() % 150);
        in.MonthIndex = static_cast<int>(random() % 12);
        in.DayIndex = static_cast<int>(random() % 28);
        in.Hour = static_cast<int>(random() % 24);
        in.Minute = static_cast<int>(random() % 60);
        in.ZoneIndex = static_cast<int>(random() % 71);
        in.DaylightSaving = random() % 2;
        in.LongitudeDegrees = QString::number(random() % 180);
        in.LongitudeMinutes = QString::number(random() % 60);
        in.LongitudeIsEast = random() % 2;
        in.LatitudeDegrees = QString::number(random() % 90);
        in.LatitudeMinutes = QString::number(random() % 60);
        in.LatitudeIsSouth = random() % 2;
        if (row % 10 == 0) {   // a clock and a place from the atlas
            in.Clock = engine::DatabaseClock{345, false, QStringLiteral("Asia/Kathmandu"), QStringLiteral("Kathmandu \"…\""), {}};
            in.Place = engine::AtlasPlace{QStringLiteral("Kathmandu"), QStringLiteral("Bagmati"), QStringLiteral("Nepal"),
                                          QStringLiteral("Asia/Kathmandu"), 27.70169, 85.3206};
        }
        engine::Reading reading = std::get<engine::Reading>(engine::RunReading(in, chart));
        if (row == 7)
            reading.Holds.reset();
        const bool withTexts = row % 50 == 0;
        const engine::ReadingTexts texts = withTexts ? engine::LoadReadingTexts(reading) : engine::ReadingTexts{};

        QJsonObject expected = ReadingAsJsonObject(reading, texts);
        expected.insert(QStringLiteral("row"), row);
        if (!withTexts)
            expected.remove(QStringLiteral("texts"));
        std::string line;
        AppendReadingLine(line, reading, withTexts ? &texts : nullptr, row);
        ASSERT_EQ(line, Compact(QJsonDocument(expected)) + '\n') << "row " << row;
        if (withTexts || row % 10 == 0 || row == 7) {   // and the document --json prints
            const QByteArray document = QJsonDocument(ReadingAsJsonObject(reading, texts)).toJson(QJsonDocument::Indented);
            ASSERT_EQ(ReadingAsJson(reading, texts), document) << "row " << row;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 3000);

    std::string refused;
    AppendRefusedLine(refused, "Please Enter Value Between 0 And 89 in the Degree of Latitude", 12);
    EXPECT_EQ(refused, Compact(QJsonDocument(QJsonObject{
                           {QStringLiteral("row"), 12},
                           {QStringLiteral("error"),
                            QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude")}}))
                           + '\n');
}

}  // namespace
}  // namespace lunarys::presentation
