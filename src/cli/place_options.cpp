#include "cli/place_options.h"

#include <algorithm>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/atlas_open.h"
#include "cli/echo.h"
#include "presentation/reading_json.h"
#include "places/clock_note.h"
#include "places/place_coordinates.h"
#include "places/place_clock.h"

namespace lunarys::cli {

namespace {

constexpr std::size_t kEveryMatch = std::numeric_limits<std::size_t>::max();
// What the user typed, quoted and made safe for a one-line message.
QString Quoted(QStringView text) { return u'\'' + Echo(text) + u'\''; }

bool HasLetter(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The aligned --places table, with a heading.
QString PlacesTable(const places::PlaceMatches& found)
{
    std::vector<QStringList> rows{{QStringLiteral("Name"), QStringLiteral("State"), QStringLiteral("Country"),
                                   QStringLiteral("Time zone"), QStringLiteral("Latitude"),
                                   QStringLiteral("Longitude"), QStringLiteral("Matched")}};
    for (std::size_t i = 0; i < found.places.size(); ++i) {
        const places::Place& p = found.places[i];
        rows.push_back({p.name, p.state, p.country, p.timeZone, QString::number(p.latitude, 'f', 4),
                        QString::number(p.longitude, 'f', 4), found.matchedNames[i]});
    }
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[static_cast<std::size_t>(i)] = std::max(widths[static_cast<std::size_t>(i)], row[i].size());

    QString table;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            const qsizetype width = widths[static_cast<std::size_t>(i)];
            // Names to the left, the figures to the right.
            const bool figure = i == 4 || i == 5;
            line += figure ? row[i].rightJustified(width) : row[i].leftJustified(width);
            line += QStringLiteral("  ");
        }
        table += line.trimmed() + u'\n';
    }
    return table;
}

}  // namespace

std::variant<PlaceFound, QString> FindPlace(const places::Atlas& atlas, QStringView query)
{
    if (!HasLetter(query.split(u',').front()))
        return QStringLiteral("give a place's name, for example \"Pune\" or \"Springfield, Missouri\"");
    places::PlaceMatches matches = atlas.Find(query, 1);
    if (matches.places.empty())
        return QStringLiteral("no place matches %1 (lunarys-cli --places NAME lists the places of a name)")
            .arg(Quoted(query));
    return PlaceFound{std::move(matches.places.front()), matches.total, std::move(matches.matchedNames.front())};
}

QString TakenPlaceNotice(const PlaceFound& found)
{
    QStringList told;
    if (!found.matchedName.isEmpty())
        told << QStringLiteral("as %1").arg(found.matchedName);
    if (found.matches >= 2)
        told << QStringLiteral("%1 places match; add ', State' or ', Country'").arg(found.matches);
    if (told.isEmpty())
        return {};
    return QStringLiteral("Taking %1 (%2)").arg(places::PlaceDisplayName(found.place), told.join(QStringLiteral("; ")));
}

std::variant<places::BirthClock, QString> FindClock(QStringView timeZone, QDate localDate, QTime localTime)
{
    const QByteArray name = timeZone.toUtf8();
    if (!places::IsKnownTimeZone(name))
        return QStringLiteral("unknown time-zone name %1 (give an Area/City name such as Europe/Madrid)")
            .arg(Quoted(timeZone));
    std::optional<places::BirthClock> clock = places::ClockAt(name, localDate, localTime);
    if (!clock)
        return QStringLiteral("the date %1 does not exist").arg(localDate.toString(Qt::ISODate));
    return *std::move(clock);
}

void UsePlace(const places::Place& place, engine::Birth& birth)
{
    const places::PlaceCoordinates at = places::CoordinatesOf(place);
    birth.LongitudeDegrees = at.longitudeDegrees;
    birth.LongitudeMinutes = at.longitudeMinutes;
    birth.LongitudeIsEast = at.longitudeIsEast;
    birth.LatitudeDegrees = at.latitudeDegrees;
    birth.LatitudeMinutes = at.latitudeMinutes;
    birth.LatitudeIsSouth = at.latitudeIsSouth;
    birth.City = place.name;
    birth.State = place.state;
    birth.Country = place.country;
    birth.Place = engine::AtlasPlace{place.name, place.state, place.country, place.timeZone, place.latitude,
                                     place.longitude};
}

std::optional<QString> PlaceOptionsClash(const QStringList& given)
{
    const auto clashWith = [&given](const QString& option, std::initializer_list<const char*> others,
                                    const char* reason) -> std::optional<QString> {
        if (!given.contains(option))
            return std::nullopt;
        for (const char* other : others)
            if (given.contains(QLatin1String(other)))
                return QStringLiteral("--%1 cannot be used with --%2: %3").arg(option, QLatin1String(other),
                                                                               QLatin1String(reason));
        return std::nullopt;
    };
    if (auto clash = clashWith(QStringLiteral("place"), {"lon", "lat", "zone", "dst", "tz"},
                               "the place gives the coordinates, and its time zone the clock"))
        return clash;
    return clashWith(QStringLiteral("tz"), {"zone", "dst"},
                     "the time-zone database gives the offset and daylight saving");
}

std::variant<PlaceOutcome, QString> ApplyPlaceOptions(CliRequest& request)
{
    std::shared_ptr<const places::Atlas> atlas;
    if (request.place) {
        auto opened = OpenAtlas();
        if (const auto* problem = std::get_if<QString>(&opened))
            return QStringLiteral("--place: ") + *problem;
        atlas = std::get<std::shared_ptr<const places::Atlas>>(std::move(opened));
    }
    return ApplyPlace(atlas.get(), request.place, request.timeZone, request.birth);
}

std::variant<PlaceOutcome, QString> ApplyPlace(const places::Atlas* atlas, const std::optional<QString>& place,
                                               const std::optional<QString>& givenTimeZone, engine::Birth& in)
{
    PlaceOutcome outcome;
    std::optional<QString> timeZone = givenTimeZone;
    if (place) {
        const std::variant<PlaceFound, QString> found = FindPlace(*atlas, *place);
        if (const auto* problem = std::get_if<QString>(&found))
            return QStringLiteral("--place: ") + *problem;
        const PlaceFound& taken = std::get<PlaceFound>(found);
        UsePlace(taken.place, in);
        outcome.notice = TakenPlaceNotice(taken);
        timeZone = taken.place.timeZone;
    }
    // An impossible date is left to the input check, which tells it as the
    // window does.
    const QDate date(in.Year, in.Month, in.Day);
    if (!timeZone || !date.isValid())
        return outcome;
    const std::variant<places::BirthClock, QString> clock = FindClock(*timeZone, date, QTime(in.Hour, in.Minute));
    if (const auto* problem = std::get_if<QString>(&clock))
        return (place ? QStringLiteral("--place: ") : QStringLiteral("--tz: ")) + *problem;
    in.Clock = places::DatabaseClockOf(std::get<places::BirthClock>(clock));
    return outcome;
}

std::variant<QByteArray, QString> PlacesListing(QStringView query, bool json)
{
    if (!HasLetter(query.split(u',').front()))
        return QStringLiteral("--places: give a place's name, for example \"Pune\" or \"Springfield, Missouri\"");
    const auto atlas = OpenAtlas();
    if (const auto* problem = std::get_if<QString>(&atlas))
        return QStringLiteral("--places: ") + *problem;
    const places::PlaceMatches matches = std::get<std::shared_ptr<const places::Atlas>>(atlas)->Find(query, kEveryMatch);
    if (matches.places.empty())
        return QStringLiteral("--places: no place matches %1").arg(Quoted(query));
    if (!json)
        return PlacesTable(matches).toUtf8();
    QJsonArray list;
    for (std::size_t i = 0; i < matches.places.size(); ++i) {
        const places::Place& place = matches.places[i];
        QJsonObject entry = presentation::PlaceAsJson(
            {place.name, place.state, place.country, place.timeZone, place.latitude, place.longitude});
        entry.insert(QStringLiteral("matched"),
                     matches.matchedNames[i].isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(matches.matchedNames[i]));
        list.append(entry);
    }
    return QJsonDocument(list).toJson(QJsonDocument::Indented);
}

}  // namespace lunarys::cli
