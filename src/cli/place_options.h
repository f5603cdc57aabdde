#pragma once

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

#include "cli/cli_options.h"
#include "engine/birth.h"
#include "places/atlas.h"
#include "places/clock_history.h"

namespace lunarys::cli {

// A place named on the command line: the one taken (the atlas's best match)
// and how many matched, with the other name it was found by ("Bombay" for
// Mumbai), if it was.
struct PlaceFound {
    places::Place place;
    std::size_t matches = 0;
    QString matchedName;
};

// "CITY[, STATE][, COUNTRY]" looked up in the atlas, or why no place can be
// taken ("no place matches 'Atlantis'").
std::variant<PlaceFound, QString> FindPlace(const places::Atlas& atlas, QStringView query);

// What to tell when several places matched or the place was found by another
// of its names: "Taking Springfield, Missouri, United States of America (11
// places match; add ', State' or ', Country')", "Taking Mumbai, Maharashtra,
// India (as Bombay)". Empty when only one place matched, by its own name.
QString TakenPlaceNotice(const PlaceFound& found);

// The clock of a time-zone name such as "Europe/Madrid" at a local date and
// time, or why there is none ("unknown time-zone name 'Mars/Olympus'").
std::variant<places::BirthClock, QString> FindClock(QStringView timeZone, QDate localDate, QTime localTime);

// Writes a place into the birth as the input window's boxes would hold it:
// the coordinates to the nearest minute, the city, state and country.
void UsePlace(const places::Place& place, engine::Birth& birth);

// Why the options given together cannot be used, or nothing: --place gives
// the coordinates and the clock, --tz the clock. `given` holds the names of
// the options set, without dashes.
std::optional<QString> PlaceOptionsClash(const QStringList& given);

// What --place or --tz has to tell besides the reading: which of several
// places was taken, for standard error, or nothing. The place itself goes into
// the birth details.
struct PlaceOutcome {
    QString notice;
};

// Fills the request's birth details from --place (the atlas is loaded only
// then) or --tz; leaves them alone when neither is given. The error is one
// line naming the option.
std::variant<PlaceOutcome, QString> ApplyPlaceOptions(CliRequest& request);

// The same for one birth, with an atlas already loaded (needed only with a
// place): a batch row's place and tz columns.
std::variant<PlaceOutcome, QString> ApplyPlace(const places::Atlas* atlas, const std::optional<QString>& place,
                                               const std::optional<QString>& timeZone, engine::Birth& in);

// --places QUERY: every matching place, best first, as an aligned table or a
// JSON array, each with the other name it matched; or why there is none.
std::variant<QByteArray, QString> PlacesListing(QStringView query, bool json);

}  // namespace lunarys::cli
