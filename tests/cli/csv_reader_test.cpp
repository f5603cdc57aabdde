// A batch file's records and header, as the CSV reader and the columns read
// them.
#include "cli/csv_reader.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include "cli/batch_columns.h"

namespace lunarys::cli {
namespace {

// The header's verdict, then each data record: its fields joined by '|', or
// '!' and what breaks the rules; one record a line.
std::string Read(const std::string& input)
{
    QByteArray bytes = QByteArray::fromStdString(input);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    CsvReader reader(device);
    if (!reader.Next())
        return "no header";
    const auto columns = BatchColumns::FromHeader(reader.Fields());
    if (const auto* error = std::get_if<UsageError>(&columns))
        return std::string("error: ").append(error->message.toStdString());
    std::string records;
    while (reader.Next()) {
        if (!reader.Problem().empty()) {
            records += '!';
            records += reader.Problem();
            records += '\n';
            continue;
        }
        const std::vector<std::string_view>& fields = reader.Fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                records += '|';
            records += fields[i];
        }
        records += '\n';
    }
    return records;
}

TEST(BatchFile, RecordsAndHeaders)
{
    const struct {
        const char* what;
        std::string input;
        std::string expected;
    } cases[] = {
        {"plain", "name,date,time,lon,lat\nAnn,1990-07-04,06:30,1E,2N\n", "Ann|1990-07-04|06:30|1E|2N\n"},
        {"CR LF and a byte-order mark", "\xEF\xBB\xBFname,date,time,place\r\nAnn,1990-07-04,06:30,Pune\r\nBo,1,2,3\r\n",
         "Ann|1990-07-04|06:30|Pune\nBo|1|2|3\n"},
        {"quotes, doubled quotes, a comma and a line break inside quotes",
         "name,date,time,place\n\"Ann, \"\"Jo\"\"\",\"1990-\r\n07\",\"\",\"Paris, Texas\"\n",
         "Ann, \"Jo\"|1990-\r\n07||Paris, Texas\n"},
        {"blank lines and lines of blanks are skipped", "\n\nname,date,time,place\n\n \t \nAnn,1,2,3\n\n",
         "Ann|1|2|3\n"},
        {"no line break at the end, empty fields, CR alone", "name,date,time,place\r,,,\rAnn,1,2,3", "|||\nAnn|1|2|3\n"},
        {"a quote inside a field, text after a closing quote, a quote left open",
         "name,date,time,place\nA\"b,1,2,3\n\"a\"b,1,2,3\n\"open,1,2,3\nlast,1,2,3\n",
         "!a quote inside a field that does not start with one\n!text after the closing quote of a field\n"
         "!a quoted field is not closed at the end of the input\n"},
        {"column names in any order and case, blanks around them", "Time , NAME,\"Date\",dst,ZONE,lat,lon\n"
         "06:30,Ann,1990-07-04,yes,34,18:57N,72:50E\n", "06:30|Ann|1990-07-04|yes|34|18:57N|72:50E\n"},
        {"a missing column that its option cannot do without", "name,date,lon\n",
         "error: --batch: no column 'time'"},
        {"an extra column", "name,date,time,hair\n", "error: unknown column 'hair'"},
        // Columns whose options clash may share a header; a row is judged by what it fills.
        {"a place with coordinates", "name,date,time,place,lon,lat\nAnn,1,2,Pune,,\n", "Ann|1|2|Pune||\n"},
        {"a time-zone name with a list zone", "name,date,time,lon,lat,tz,zone\n", ""},
        {"no coordinates and no place", "name,date,time,tz\n", "error: --batch: no column 'lon'"},
        {"a column twice", "name,date,time,Date\n", "error: column 'Date' given more than once"},
        {"no header", "Mary Ann,1990-07-04,06:30\n",
         "error: --batch: the first line must name the columns (name, date, time, lon, lat, zone, dst, place, tz)"},
        {"nothing at all", "\n\n", "no header"},
        {"a record of 64 KiB, line end not counted", "name,date,time,place\n" + std::string(65530, 'a') + ",1,2,3\r\n",
         std::string(65530, 'a') + "|1|2|3\n"},
        {"one byte more, then a good row", "name,date,time,place\n" + std::string(65531, 'a') + ",1,2,3\nAnn,1,2,3\n",
         "!more than 64 KiB before its line ends\nAnn|1|2|3\n"},
        {"1 MB in quotes: the next row starts after the next line end all the same",
         "name,date,time,place\n\"" + std::string(1'000'000, '\0') + "\r\nAnn,1,2,3\n",
         "!more than 64 KiB before its line ends\nAnn|1|2|3\n"},
        {"too long up to the end of the input", "name,date,time,place\nAnn,1,2,3\n" + std::string(200'000, ','),
         "Ann|1|2|3\n!more than 64 KiB before its line ends\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.input), c.expected) << c.what;
}

}  // namespace
}  // namespace lunarys::cli
