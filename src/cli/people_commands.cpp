#include "cli/people_commands.h"

#include <unistd.h>

#include <algorithm>
#include <array>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>

#include "cli/batch_columns.h"
#include "cli/csv_reader.h"
#include "cli/echo.h"
#include "engine/input_check.h"
#include "engine/qt_text.h"
#include "engine/zones.h"
#include "people/people_file.h"
#include "places/place_clock.h"

namespace lunarys::cli {

namespace {

constexpr int kUnusable = 2;
constexpr int kNotDone = 1;

void Line(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QString Quoted(QStringView text) { return u'\'' + Echo(text) + u'\''; }

// The listing's texts are written straight into one text, without a string
// per field: ten thousand people make a hundred thousand fields.

// n in decimal, with zeros in front up to `width` characters.
void AppendNumber(QString& out, int n, int width = 1)
{
    char digits[12];
    int count = 0;
    unsigned value = n < 0 ? 0u - unsigned(n) : unsigned(n);
    do {
        digits[count++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (n < 0)
        out += u'-';
    for (int i = count + (n < 0 ? 1 : 0); i < width; ++i)
        out += u'0';
    while (count > 0)
        out += QLatin1Char(digits[--count]);
}

void AppendDate(QString& out, const engine::Birth& b)
{
    AppendNumber(out, b.Year, 4);
    out += u'-';
    AppendNumber(out, b.Month, 2);
    out += u'-';
    AppendNumber(out, b.Day, 2);
}
void AppendTime(QString& out, const engine::Birth& b)
{
    AppendNumber(out, b.Hour, 2);
    out += u':';
    AppendNumber(out, b.Minute, 2);
}
void AppendAngle(QString& out, int degrees, int minutes, char16_t hemisphere)
{
    AppendNumber(out, degrees);
    out += u':';
    AppendNumber(out, minutes, 2);
    out += hemisphere;
}
void AppendLongitude(QString& out, const engine::Birth& b)
{
    AppendAngle(out, b.LongitudeDegrees, b.LongitudeMinutes, b.LongitudeIsEast ? u'E' : u'W');
}
void AppendLatitude(QString& out, const engine::Birth& b)
{
    AppendAngle(out, b.LatitudeDegrees, b.LatitudeMinutes, b.LatitudeIsSouth ? u'S' : u'N');
}
// One field of a birth as its own text, from the appender that writes it into a row.
QString TextOf(void (*append)(QString&, const engine::Birth&), const engine::Birth& b)
{
    QString text;
    append(text, b);
    return text;
}
// City, State and Country as typed, the empty ones left out.
void AppendPlace(QString& out, const engine::Birth& b)
{
    bool first = true;
    for (const QString* part : {&b.City, &b.State, &b.Country}) {
        const QStringView trimmed = QStringView(*part).trimmed();
        if (trimmed.isEmpty())
            continue;
        if (!first)
            out += QLatin1StringView(", ");
        out += trimmed;
        first = false;
    }
}
// The place's whole name as --place finds it again.
void AppendAtlasName(QString& out, const engine::AtlasPlace& p)
{
    out += p.Name;
    if (!p.State.isEmpty())
        out += QLatin1StringView(", ") + p.State;
    out += QLatin1StringView(", ") + p.Country;
}
QString ZoneItem(int index)
{
    return index >= 0 && index < static_cast<int>(engine::Zones.size())
               ? engine::ToQString(engine::Zones[static_cast<std::size_t>(index)].Item)
               : QString();
}

// The zone list's items, made once for a listing.
class ZoneItems {
public:
    ZoneItems()
    {
        for (std::size_t i = 0; i < engine::Zones.size(); ++i)
            items_[i] = ZoneItem(int(i));
    }
    const QString& operator[](int index) const
    {
        return index >= 0 && index < int(items_.size()) ? items_[std::size_t(index)] : none_;
    }

private:
    std::array<QString, engine::Zones.size()> items_;
    QString none_;
};

void AppendClock(QString& out, const engine::Birth& b, const ZoneItems& items)
{
    if (const engine::DatabaseClock* clock = engine::DatabaseClockOf(b)) {
        out += clock->TimeZone;
        return;
    }
    const auto& list = std::get<engine::ListZoneClock>(b.Clock);
    out += items[list.ZoneIndex];
    if (list.DaylightSaving)
        out += QLatin1StringView(" +DST");
}

// Lines of columns, each as wide as its widest cell and two spaces apart.
// The cells are kept in UTF-8 with their width in UTF-16 units (as the
// window's texts count them) until the widths are known.
class TableOfPeople {
public:
    static constexpr std::size_t kColumns = 6;

    TableOfPeople()
    {
        row_ = QStringLiteral("NameBornClockLongitudeLatitudePlace");
        AddRow({4, 8, 13, 22, 30, 35});
    }

    void Add(const engine::Birth& b)
    {
        row_.truncate(0);
        std::array<qsizetype, kColumns> ends{};
        row_ += b.Name;
        ends[0] = row_.size();
        AppendDate(row_, b);
        row_ += u' ';
        AppendTime(row_, b);
        ends[1] = row_.size();
        AppendClock(row_, b, items_);
        ends[2] = row_.size();
        AppendLongitude(row_, b);
        ends[3] = row_.size();
        AppendLatitude(row_, b);
        ends[4] = row_.size();
        AppendPlace(row_, b);
        ends[5] = row_.size();
        AddRow(ends);
    }

    QByteArray Text() const
    {
        qsizetype lineBytes = 0;
        for (const qsizetype width : widths_)
            lineBytes += width + 2;
        QByteArray text;
        text.reserve(cells_.size() + qsizetype(ends_.size() / kColumns) * (lineBytes + 1));
        for (std::size_t row = 0; row < ends_.size() / kColumns; ++row) {
            const qsizetype lineStart = text.size();
            for (std::size_t column = 0; column < kColumns; ++column) {
                const std::size_t i = row * kColumns + column;
                const qsizetype start = i == 0 ? 0 : ends_[i - 1].bytes;
                text.append(cells_.constData() + start, ends_[i].bytes - start);
                text.append(widths_[column] - ends_[i].width + 2, ' ');
            }
            // The line without the blanks at its ends (cells never begin or
            // end with other blanks than spaces: names, places and clocks are trimmed).
            while (text.size() > lineStart && text.back() == ' ')
                text.chop(1);
            qsizetype blanks = 0;
            while (lineStart + blanks < text.size() && text.at(lineStart + blanks) == ' ')
                ++blanks;
            text.remove(lineStart, blanks);
            text += '\n';
        }
        return text;
    }

private:
    struct End {
        qsizetype bytes;  // where the cell ends in cells_
        qsizetype width;  // the cell's length in UTF-16 units
    };

    void AddRow(const std::array<qsizetype, kColumns>& ends)
    {
        const qsizetype before = cells_.size();
        cells_.resize(before + encoder_.requiredSpace(row_.size()));
        char* out = cells_.data() + before;
        qsizetype start = 0;
        for (std::size_t column = 0; column < kColumns; ++column) {
            out = encoder_.appendToBuffer(out, QStringView(row_).sliced(start, ends[column] - start));
            const qsizetype width = ends[column] - start;
            ends_.push_back({out - cells_.constData(), width});
            widths_[column] = std::max(widths_[column], width);
            start = ends[column];
        }
        cells_.truncate(out - cells_.constData());
    }

    const ZoneItems items_;
    QStringEncoder encoder_{QStringEncoder::Utf8};
    QString row_;
    QByteArray cells_;
    std::vector<End> ends_;
    std::array<qsizetype, kColumns> widths_{};
};

QJsonObject AsJson(const engine::Birth& b)
{
    QJsonObject clock;
    if (const engine::DatabaseClock* database = engine::DatabaseClockOf(b)) {
        clock = {{QStringLiteral("timeZone"), database->TimeZone}, {QStringLiteral("zone"), QJsonValue()},
                 {QStringLiteral("daylightSaving"), QJsonValue()}};
    } else {
        const auto& list = std::get<engine::ListZoneClock>(b.Clock);
        clock = {{QStringLiteral("timeZone"), QJsonValue()}, {QStringLiteral("zone"), list.ZoneIndex},
                 {QStringLiteral("zoneItem"), ZoneItem(list.ZoneIndex)}, {QStringLiteral("daylightSaving"), list.DaylightSaving}};
    }
    QJsonObject person{{QStringLiteral("name"), b.Name},         {QStringLiteral("date"), TextOf(AppendDate, b)},
                       {QStringLiteral("time"), TextOf(AppendTime, b)},    {QStringLiteral("clock"), clock},
                       {QStringLiteral("lon"), TextOf(AppendLongitude, b)},    {QStringLiteral("lat"), TextOf(AppendLatitude, b)},
                       {QStringLiteral("city"), b.City},         {QStringLiteral("state"), b.State},
                       {QStringLiteral("country"), b.Country},   {QStringLiteral("place"), QJsonValue()}};
    if (b.Place)
        person.insert(QStringLiteral("place"),
                      QJsonObject{{QStringLiteral("name"), b.Place->Name},
                                  {QStringLiteral("state"), b.Place->State},
                                  {QStringLiteral("country"), b.Place->Country},
                                  {QStringLiteral("timeZone"), b.Place->TimeZone},
                                  {QStringLiteral("latitude"), b.Place->Latitude},
                                  {QStringLiteral("longitude"), b.Place->Longitude}});
    return person;
}

void AppendCsvField(QString& out, QStringView text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r')) {
        out += text;
        return;
    }
    out += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

// One --batch row: a place whose clock is followed gives the coordinates and
// the clock; otherwise the coordinates, with a database zone or a list zone.
void AppendCsvRow(QString& out, const engine::Birth& b)
{
    AppendCsvField(out, b.Name);
    out += u',';
    AppendDate(out, b);
    out += u',';
    AppendTime(out, b);
    out += u',';
    const engine::DatabaseClock* database = engine::DatabaseClockOf(b);
    if (b.Place && database && database->TimeZone == b.Place->TimeZone) {
        out += QLatin1StringView(",,,,");
        QString place;
        AppendAtlasName(place, *b.Place);
        AppendCsvField(out, place);
        out += u',';
    } else {
        AppendLongitude(out, b);
        out += u',';
        AppendLatitude(out, b);
        out += u',';
        if (database) {
            out += QLatin1StringView(",,,");
            out += database->TimeZone;
        } else {
            const auto& list = std::get<engine::ListZoneClock>(b.Clock);
            AppendNumber(out, list.ZoneIndex);
            out += list.DaylightSaving ? QLatin1StringView(",yes,,") : QLatin1StringView(",no,,");
        }
    }
    out += QLatin1StringView("\r\n");
}

int Import(const CliRequest& request, people::PeopleFile& file)
{
    QFile input;
    const bool standardInput = request.importFile == QLatin1StringView("-");
    const bool opened = standardInput ? input.open(STDIN_FILENO, QIODevice::ReadOnly)
                                      : (input.setFileName(request.importFile), input.open(QIODevice::ReadOnly));
    if (!opened) {
        Line(stderr, QStringLiteral("lunarys-cli: --import: cannot open %1: %2").arg(Quoted(request.importFile), input.errorString()));
        return kUnusable;
    }
    CsvReader reader(input);
    if (!reader.Next() || !reader.Problem().empty()) {
        Line(stderr, QStringLiteral("lunarys-cli: --import: the first line must name the columns"));
        return kUnusable;
    }
    auto header = BatchColumns::FromHeader(reader.Fields());
    if (const auto* error = std::get_if<UsageError>(&header)) {
        Line(stderr, QStringLiteral("lunarys-cli: --import: %1").arg(error->message));
        return kUnusable;
    }
    const BatchColumns& columns = std::get<BatchColumns>(header);
    std::vector<engine::Birth> births;
    QByteArray refusals;
    int row = 0;
    while (reader.Next()) {
        ++row;
        engine::Birth birth;
        std::optional<QString> refusal;
        if (!reader.Problem().empty())
            refusal = QString::fromLatin1(reader.Problem());
        else
            refusal = columns.Read(reader.Fields(), birth);
        if (!refusal)
            if (const std::optional<engine::InputProblem> problem = engine::CheckBirth(birth))
                refusal = problem->Message;
        if (refusal)
            refusals += QJsonDocument(QJsonObject{{QStringLiteral("error"), *refusal}, {QStringLiteral("row"), row}})
                            .toJson(QJsonDocument::Compact) + '\n';
        else
            births.push_back(std::move(birth));
    }
    if (!reader.Problem().empty() && row == 0) {
        Line(stderr, QStringLiteral("lunarys-cli: --import: %1").arg(QString::fromLatin1(reader.Problem())));
        return kUnusable;
    }
    const auto kept = file.KeepAll(births);
    if (const auto* problem = std::get_if<QString>(&kept)) {
        Line(stderr, QStringLiteral("lunarys-cli: ") + *problem);
        return kNotDone;
    }
    std::fwrite(refusals.constData(), 1, std::size_t(refusals.size()), stdout);
    const std::size_t refused = std::size_t(row) - births.size();
    Line(stderr, QStringLiteral("%1 %2 kept, %3 %4 refused")
                     .arg(births.size())
                     .arg(births.size() == 1 ? QStringLiteral("person") : QStringLiteral("people"))
                     .arg(refused)
                     .arg(refused == 1 ? QStringLiteral("row") : QStringLiteral("rows")));
    return refused == 0 ? 0 : kNotDone;
}

}  // namespace

std::unique_ptr<people::PeopleFile> OpenPeopleFile(const CliRequest& request, QString& refusal)
{
    const QString path = request.peopleFile.isEmpty() ? people::PeopleFile::DefaultPath() : request.peopleFile;
    auto opened = people::PeopleFile::Open(path);
    if (auto* problem = std::get_if<QString>(&opened)) {
        refusal = QStringLiteral("lunarys-cli: ") + *problem;
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<people::PeopleFile>>(opened));
}

class PeopleListing::Table : public TableOfPeople {};

PeopleListing::PeopleListing(OutputFormat format) : format_(format)
{
    if (format_ == OutputFormat::Csv)
        csv_ = QStringLiteral("name,date,time,lon,lat,zone,dst,place,tz\r\n");
    else if (format_ != OutputFormat::Json)
        table_ = std::make_unique<Table>();
}

PeopleListing::~PeopleListing() = default;

void PeopleListing::Add(const engine::Birth& birth)
{
    if (format_ == OutputFormat::Json)
        json_.append(AsJson(birth));
    else if (format_ == OutputFormat::Csv)
        AppendCsvRow(csv_, birth);
    else
        table_->Add(birth);
}

QByteArray PeopleListing::Text() const
{
    if (format_ == OutputFormat::Json)
        return QJsonDocument(json_).toJson(QJsonDocument::Indented);
    if (format_ == OutputFormat::Csv)
        return csv_.toUtf8();
    return table_->Text();
}

int RunPeopleVerb(const CliRequest& request, people::PeopleFile& file)
{
    switch (request.action) {
    case CliRequest::Action::ListPeople: {
        PeopleListing listing(request.output.format);
        if (const std::optional<QString> problem =
                file.ForEach(request.peopleQuery, [&listing](const people::Person& person) { listing.Add(person.Birth); })) {
            Line(stderr, QStringLiteral("lunarys-cli: ") + *problem);
            return kNotDone;
        }
        const QByteArray out = listing.Text();
        std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : kNotDone;
    }
    case CliRequest::Action::Forget: {
        const auto forgotten = file.Forget(request.personName);
        if (const auto* problem = std::get_if<QString>(&forgotten)) {
            Line(stderr, QStringLiteral("lunarys-cli: ") + *problem);
            return kNotDone;
        }
        if (!std::get<bool>(forgotten)) {
            Line(stderr, QStringLiteral("lunarys-cli: --forget: no one named %1 is kept").arg(Quoted(request.personName)));
            return kUnusable;
        }
        Line(stderr, QStringLiteral("Forgot %1").arg(people::PersonKey(request.personName)));
        return 0;
    }
    case CliRequest::Action::Import: return Import(request, file);
    default: return kUnusable;
    }
}

std::variant<engine::Birth, QString> KeptBirth(people::PeopleFile& file, const QString& name)
{
    const auto found = file.Find(name);
    if (const auto* problem = std::get_if<QString>(&found))
        return QStringLiteral("lunarys-cli: ") + *problem;
    const std::optional<people::Person>& person = std::get<std::optional<people::Person>>(found);
    if (!person)
        return QStringLiteral("lunarys-cli: --person: no one named %1 is kept").arg(Quoted(name));
    engine::Birth birth = person->Birth;
    if (!places::ReadDatabaseClock(birth))
        return QStringLiteral("lunarys-cli: --person: the time-zone database does not know %1")
            .arg(Quoted(std::get<engine::DatabaseClock>(birth.Clock).TimeZone));
    return birth;
}

std::variant<QString, QString> KeepBirth(people::PeopleFile& file, const engine::Birth& birth)
{
    const auto kept = file.Keep(birth);
    if (const auto* problem = std::get_if<QString>(&kept))
        return std::variant<QString, QString>(std::in_place_index<1>, QStringLiteral("lunarys-cli: ") + *problem);
    const QString name = people::PersonKey(birth.Name);
    return std::variant<QString, QString>(std::in_place_index<0>,
                                          (std::get<people::Kept>(kept) == people::Kept::New ? QStringLiteral("Kept ")
                                                                                             : QStringLiteral("Updated "))
                                              + name);
}

}  // namespace lunarys::cli
