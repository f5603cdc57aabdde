#include "cli/people_commands.h"

#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QString Two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString DateText(const engine::Birth& b) { return QStringLiteral("%1-%2-%3").arg(b.Year, 4, 10, QLatin1Char('0')).arg(Two(b.Month), Two(b.Day)); }
QString TimeText(const engine::Birth& b) { return Two(b.Hour) + u':' + Two(b.Minute); }
QString Longitude(const engine::Birth& b)
{
    return QStringLiteral("%1:%2%3").arg(b.LongitudeDegrees).arg(Two(b.LongitudeMinutes)).arg(QChar(b.LongitudeIsEast ? u'E' : u'W'));
}
QString Latitude(const engine::Birth& b)
{
    return QStringLiteral("%1:%2%3").arg(b.LatitudeDegrees).arg(Two(b.LatitudeMinutes)).arg(QChar(b.LatitudeIsSouth ? u'S' : u'N'));
}
QString PlaceText(const engine::Birth& b)
{
    QStringList parts;
    for (const QString& part : {b.City, b.State, b.Country})
        if (!part.trimmed().isEmpty())
            parts << part.trimmed();
    return parts.join(QStringLiteral(", "));
}
// The place's whole name as --place finds it again.
QString AtlasName(const engine::AtlasPlace& p)
{
    QStringList parts{p.Name};
    if (!p.State.isEmpty())
        parts << p.State;
    parts << p.Country;
    return parts.join(QStringLiteral(", "));
}
QString ZoneItem(int index)
{
    return index >= 0 && index < static_cast<int>(engine::Zones.size())
               ? engine::ToQString(engine::Zones[static_cast<std::size_t>(index)].Item)
               : QString();
}
QString ClockText(const engine::Birth& b)
{
    if (const engine::DatabaseClock* clock = engine::DatabaseClockOf(b))
        return clock->TimeZone;
    const auto& list = std::get<engine::ListZoneClock>(b.Clock);
    return ZoneItem(list.ZoneIndex) + (list.DaylightSaving ? QStringLiteral(" +DST") : QString());
}

QString Table(const std::vector<engine::Birth>& births)
{
    std::vector<QStringList> rows{{QStringLiteral("Name"), QStringLiteral("Born"), QStringLiteral("Clock"),
                                   QStringLiteral("Longitude"), QStringLiteral("Latitude"), QStringLiteral("Place")}};
    for (const engine::Birth& b : births)
        rows.push_back({b.Name, DateText(b) + u' ' + TimeText(b), ClockText(b), Longitude(b), Latitude(b), PlaceText(b)});
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], row[i].size());
    QString table;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += row[i].leftJustified(widths[std::size_t(i)]) + QStringLiteral("  ");
        table += line.trimmed() + u'\n';
    }
    return table;
}

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
    QJsonObject person{{QStringLiteral("name"), b.Name},         {QStringLiteral("date"), DateText(b)},
                       {QStringLiteral("time"), TimeText(b)},    {QStringLiteral("clock"), clock},
                       {QStringLiteral("lon"), Longitude(b)},    {QStringLiteral("lat"), Latitude(b)},
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

QString CsvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

// One --batch row: a place whose clock is followed gives the coordinates and
// the clock; otherwise the coordinates, with a database zone or a list zone.
QString CsvRow(const engine::Birth& b)
{
    QString place, lon, lat, zone, dst, tz;
    const engine::DatabaseClock* database = engine::DatabaseClockOf(b);
    if (b.Place && database && database->TimeZone == b.Place->TimeZone) {
        place = AtlasName(*b.Place);
    } else {
        lon = Longitude(b);
        lat = Latitude(b);
        if (database) {
            tz = database->TimeZone;
        } else {
            const auto& list = std::get<engine::ListZoneClock>(b.Clock);
            zone = QString::number(list.ZoneIndex);
            dst = list.DaylightSaving ? QStringLiteral("yes") : QStringLiteral("no");
        }
    }
    return QStringList{CsvField(b.Name), DateText(b), TimeText(b), lon, lat, zone, dst, CsvField(place), tz}.join(u',');
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

QByteArray PeopleListing(const std::vector<engine::Birth>& births, OutputFormat format)
{
    if (format == OutputFormat::Json) {
        QJsonArray list;
        for (const engine::Birth& b : births)
            list.append(AsJson(b));
        return QJsonDocument(list).toJson(QJsonDocument::Indented);
    }
    if (format == OutputFormat::Csv) {
        QString csv = QStringLiteral("name,date,time,lon,lat,zone,dst,place,tz\r\n");
        for (const engine::Birth& b : births)
            csv += CsvRow(b) + QStringLiteral("\r\n");
        return csv.toUtf8();
    }
    return Table(births).toUtf8();
}

int RunPeopleVerb(const CliRequest& request, people::PeopleFile& file)
{
    switch (request.action) {
    case CliRequest::Action::ListPeople: {
        auto listed = file.List(request.peopleQuery);
        if (const auto* problem = std::get_if<QString>(&listed)) {
            Line(stderr, QStringLiteral("lunarys-cli: ") + *problem);
            return kNotDone;
        }
        auto& people = std::get<std::vector<people::Person>>(listed);
        std::vector<engine::Birth> births;
        births.reserve(people.size());
        for (people::Person& person : people)
            births.push_back(std::move(person.Birth));
        const QByteArray out = PeopleListing(births, request.output.format);
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
