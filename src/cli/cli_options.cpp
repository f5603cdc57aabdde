#include "cli/cli_options.h"

#include <algorithm>
#include <optional>

#include <QCommandLineParser>

#include "cli/echo.h"
#include "cli/place_options.h"
#include "engine/input_check.h"
#include "engine/version.h"
#include "engine/zones.h"

namespace lunarys::cli {

namespace {

bool AllDigits(QStringView text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// A number of one to `maxDigits` decimal digits within [low, high].
std::optional<int> NumberIn(QStringView text, int maxDigits, int low, int high)
{
    if (text.isEmpty() || text.size() > maxDigits || !AllDigits(text))
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<UsageError> ReadName(const QString& text, engine::Birth& in)
{
    in.Name = text;
    return std::nullopt;
}

// The parts of a text between the separators, as views of it: rows of a
// batch read many of them, and a view costs no copy.
QList<QStringView> Parts(QStringView text, QChar separator) { return text.split(separator); }

std::optional<UsageError> ReadDate(const QString& text, engine::Birth& in)
{
    const QList<QStringView> parts = Parts(text, u'-');
    if (parts.size() != 3 || parts[0].size() != 4 || !AllDigits(parts[0]) || !AllDigits(parts[1]) || !AllDigits(parts[2])
        || parts[1].isEmpty() || parts[1].size() > 2 || parts[2].isEmpty() || parts[2].size() > 2)
        return UsageError{QStringLiteral("--date: expected YYYY-MM-DD, got '%1'").arg(Echo(text))};
    const auto year = NumberIn(parts[0], 4, 1901, 2050);
    if (!year)
        return UsageError{QStringLiteral("--date: the year must be from 1901 to 2050")};
    const auto month = NumberIn(parts[1], 2, 1, 12);
    if (!month)
        return UsageError{QStringLiteral("--date: the month must be from 1 to 12")};
    const auto day = NumberIn(parts[2], 2, 1, 31);
    if (!day)
        return UsageError{QStringLiteral("--date: the day must be from 1 to 31")};
    in.Year = *year;
    in.Month = *month;
    in.Day = *day;
    return std::nullopt;
}

std::optional<UsageError> ReadTime(const QString& text, engine::Birth& in)
{
    const QList<QStringView> parts = Parts(text, u':');
    const auto wellFormed = [&] {
        if (parts.size() < 2 || parts.size() > 3)
            return false;
        for (const QStringView part : parts)
            if (part.isEmpty() || part.size() > 2 || !AllDigits(part))
                return false;
        return true;
    };
    if (!wellFormed())
        return UsageError{QStringLiteral("--time: expected HH:MM or HH:MM:SS, got '%1'").arg(Echo(text))};
    const auto hour = NumberIn(parts[0], 2, 0, 23);
    if (!hour)
        return UsageError{QStringLiteral("--time: the hour must be from 0 to 23")};
    const auto minute = NumberIn(parts[1], 2, 0, 59);
    if (!minute)
        return UsageError{QStringLiteral("--time: the minutes must be from 0 to 59")};
    if (parts.size() == 3 && !NumberIn(parts[2], 2, 0, 59))
        return UsageError{QStringLiteral("--time: the seconds must be from 0 to 59")};
    in.Hour = *hour;
    in.Minute = *minute;   // seconds are accepted and, as in the window, not used
    return std::nullopt;
}

// Digits as a number; none as -1, which the input check tells as the window
// tells an empty box.
int DigitsValue(QStringView digits) { return digits.isEmpty() ? -1 : digits.toInt(); }

// DEG:MIN followed by a hemisphere letter, an ASCII letter in either case.
// Empty degrees or minutes are left to the input check, which tells the user
// as the window would.
std::optional<UsageError> ReadCoordinate(const QString& option, const QString& text, QChar positive, QChar negative,
                                         int& degrees, int& minutes, bool& isPositive)
{
    const auto usage = [&] {
        return UsageError{QStringLiteral("--%1: expected DEG:MIN followed by %2 or %3, got '%4'")
                              .arg(option, positive, negative, Echo(text))};
    };
    if (text.isEmpty())
        return usage();
    // Not QChar::toUpper: the long s would pass for an S.
    const char16_t last = text.back().unicode();
    const QChar hemisphere = last >= u'a' && last <= u'z' ? QChar(last - u'a' + u'A') : QChar(last);
    const QList<QStringView> parts = Parts(QStringView(text).chopped(1), u':');
    if ((hemisphere != positive && hemisphere != negative) || parts.size() != 2 || !AllDigits(parts[0])
        || !AllDigits(parts[1]) || parts[0].size() > 5 || parts[1].size() > 5)
        return usage();
    degrees = DigitsValue(parts[0]);
    minutes = DigitsValue(parts[1]);
    isPositive = hemisphere == positive;
    return std::nullopt;
}

std::optional<UsageError> ReadZone(const QString& text, engine::Birth& in)
{
    if (!text.isEmpty() && AllDigits(text)) {
        const auto index = NumberIn(text, 2, 0, static_cast<int>(engine::Zones.size()) - 1);
        if (!index)
            return UsageError{QStringLiteral("--zone: the index must be from 0 to 70 (see --list-zones)")};
        ListClockOf(in).ZoneIndex = *index;
        return std::nullopt;
    }
    const QByteArray utf8 = text.toUtf8();
    int index = engine::ZoneIndexOfItem(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    for (std::size_t i = 0; index < 0 && i < engine::Zones.size(); ++i)
        if (QString::fromUtf8(engine::Zones[i].Item).compare(text, Qt::CaseInsensitive) == 0)
            index = static_cast<int>(i);
    if (index < 0)
        return UsageError{QStringLiteral("--zone: unknown zone '%1' (see --list-zones)").arg(Echo(text))};
    ListClockOf(in).ZoneIndex = index;
    return std::nullopt;
}

std::optional<UsageError> ReadLongitude(const QString& text, engine::Birth& in)
{
    return ReadCoordinate(QStringLiteral("lon"), text, u'E', u'W', in.LongitudeDegrees, in.LongitudeMinutes,
                          in.LongitudeIsEast);
}

std::optional<UsageError> ReadLatitude(const QString& text, engine::Birth& in)
{
    bool north = true;
    if (auto error = ReadCoordinate(QStringLiteral("lat"), text, u'N', u'S', in.LatitudeDegrees, in.LatitudeMinutes,
                                    north))
        return error;
    in.LatitudeIsSouth = !north;
    return std::nullopt;
}

constexpr BirthOption kBirthOptions[] = {
    {QLatin1StringView("name"), ReadName, "--name: missing; give the person's name (letters and blanks)", false},
    {QLatin1StringView("date"), ReadDate, "--date: missing (the birth date, YYYY-MM-DD)", false},
    {QLatin1StringView("time"), ReadTime, "--time: missing (the local clock time of birth, HH:MM)", false},
    {QLatin1StringView("lon"), ReadLongitude, "--lon: missing; give DEG:MIN followed by E or W", true},
    {QLatin1StringView("lat"), ReadLatitude, "--lat: missing; give DEG:MIN followed by N or S", true},
    {QLatin1StringView("zone"), ReadZone, nullptr, false},
};

bool IsDateOrTime(const BirthOption& option)
{
    return option.name == QLatin1StringView("date") || option.name == QLatin1StringView("time");
}

// --format, --json and --output, and what goes with --batch (--texts) and
// --time-unknown.
std::optional<UsageError> ReadOutputOptions(const QCommandLineParser& parser, CliRequest& request)
{
    const auto given = [&parser](const char* option) {
        const QString name = QString::fromLatin1(option);
        return parser.isSet(name) ? std::optional<QString>(parser.value(name)) : std::nullopt;
    };
    const bool batch = parser.isSet(QStringLiteral("batch"));
    const bool json = parser.isSet(QStringLiteral("json"));
    if (auto error = ChooseOutput(given("format"), json, given("output"), request.output))
        return UsageError{*error};
    const OutputFormat format = request.output.format;
    if (!batch) {
        if (parser.isSet(QStringLiteral("texts")))
            return UsageError{QStringLiteral("--texts: only with --batch")};
        if (format == OutputFormat::Csv)
            return UsageError{QStringLiteral("--format csv: only with --batch")};
        if (parser.isSet(QStringLiteral("time-unknown")) && format != OutputFormat::Text && format != OutputFormat::Json)
            return UsageError{QStringLiteral("--time-unknown: prints text or json")};
        return std::nullopt;
    }
    for (const char* option : {"name", "date", "time", "lon", "lat", "zone", "dst", "place", "tz", "time-unknown"})
        if (parser.isSet(QString::fromLatin1(option)))
            return UsageError{
                QStringLiteral("--%1: not with --batch (the file gives the births)").arg(QLatin1StringView(option))};
    if (!given("format") && !json)
        request.output.format = OutputFormat::Json;
    else if (format != OutputFormat::Json && format != OutputFormat::Csv)
        return UsageError{QStringLiteral("--format: with --batch, json or csv")};
    request.action = CliRequest::Action::Batch;
    request.batchFile = parser.value(QStringLiteral("batch"));
    request.texts = parser.isSet(QStringLiteral("texts"));
    if (request.batchFile.isEmpty())
        return UsageError{QStringLiteral("--batch: give a file, or - for standard input")};
    return std::nullopt;
}

// --people, --person, --forget and --import, each alone with what it takes;
// nothing when none is given.
std::optional<std::variant<CliRequest, UsageError>> PeopleVerb(const QCommandLineParser& parser, CliRequest& request)
{
    using Action = CliRequest::Action;
    const std::pair<const char*, Action> verbs[] = {
        {"people", Action::ListPeople}, {"person", Action::Person}, {"forget", Action::Forget}, {"import", Action::Import}};
    const char* verb = nullptr;
    for (const auto& [option, action] : verbs) {
        if (!parser.isSet(QString::fromLatin1(option)))
            continue;
        if (verb)
            return UsageError{QStringLiteral("--%1: not with --%2").arg(QLatin1StringView(option), QLatin1StringView(verb))};
        verb = option;
        request.action = action;
    }
    if (!verb)
        return std::nullopt;
    const QString given = QString::fromLatin1(verb);
    // A kept person's reading takes the output options; the other verbs only their own.
    const bool reading = request.action == Action::Person;
    for (const char* option : {"name", "date", "time", "lon", "lat", "zone", "dst", "place", "tz", "time-unknown",
                               "batch", "texts", "keep", "format", "json", "output"}) {
        const QString other = QString::fromLatin1(option);
        const bool allowed = (reading && (other == u"format" || other == u"json" || other == u"output"))
                          || (request.action == Action::ListPeople && (other == u"format" || other == u"json"));
        if (parser.isSet(other) && !allowed)
            return UsageError{QStringLiteral("--%1: not with --%2").arg(other, given)};
    }
    for (const char* option : {"person", "forget", "import", "people-file", "format", "output"})
        if (parser.values(QString::fromLatin1(option)).size() > 1)
            return UsageError{QStringLiteral("--%1: given more than once").arg(QLatin1StringView(option))};
    switch (request.action) {
    case Action::ListPeople: {
        request.peopleQuery = parser.positionalArguments().value(0);
        const bool json = parser.isSet(QStringLiteral("json"));
        const QString format = parser.value(QStringLiteral("format"));
        if (parser.isSet(QStringLiteral("format")) && format != u"text" && format != u"json" && format != u"csv")
            return UsageError{QStringLiteral("--format: with --people, text, json or csv")};
        if (json && parser.isSet(QStringLiteral("format")) && format != u"json")
            return UsageError{QStringLiteral("--json: not with --format %1").arg(Echo(format))};
        request.output.format = json || format == u"json" ? OutputFormat::Json
                                : format == u"csv"        ? OutputFormat::Csv
                                                          : OutputFormat::Text;
        break;
    }
    case Action::Person: {
        const auto value = [&parser](const char* option) {
            const QString name = QString::fromLatin1(option);
            return parser.isSet(name) ? std::optional<QString>(parser.value(name)) : std::nullopt;
        };
        if (auto error = ChooseOutput(value("format"), parser.isSet(QStringLiteral("json")), value("output"), request.output))
            return UsageError{*error};
        if (request.output.format == OutputFormat::Csv)
            return UsageError{QStringLiteral("--format csv: only with --batch or --people")};
        [[fallthrough]];
    }
    case Action::Forget:
        request.personName = parser.value(given);
        if (request.personName.trimmed().isEmpty())
            return UsageError{QStringLiteral("--%1: give the name of a kept person").arg(given)};
        break;
    case Action::Import:
        request.importFile = parser.value(given);
        if (request.importFile.isEmpty())
            return UsageError{QStringLiteral("--import: give a file, or - for standard input")};
        break;
    default: break;
    }
    return request;
}

}  // namespace

std::variant<CliRequest, UsageError> ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption name(QStringLiteral("name"), {}, QStringLiteral("NAME"));
    const QCommandLineOption date(QStringLiteral("date"), {}, QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption time(QStringLiteral("time"), {}, QStringLiteral("HH:MM[:SS]"));
    const QCommandLineOption lon(QStringLiteral("lon"), {}, QStringLiteral("DEG:MIN{E|W}"));
    const QCommandLineOption lat(QStringLiteral("lat"), {}, QStringLiteral("DEG:MIN{N|S}"));
    const QCommandLineOption zone(QStringLiteral("zone"), {}, QStringLiteral("INDEX|ITEM"));
    const QCommandLineOption dst(QStringLiteral("dst"));
    const QCommandLineOption place(QStringLiteral("place"), {}, QStringLiteral("CITY[, STATE][, COUNTRY]"));
    const QCommandLineOption tz(QStringLiteral("tz"), {}, QStringLiteral("AREA/CITY"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"));
    const QCommandLineOption output(QStringLiteral("output"), {}, QStringLiteral("FILE"));
    const QCommandLineOption timeUnknown(QStringLiteral("time-unknown"));
    const QCommandLineOption batch(QStringLiteral("batch"), {}, QStringLiteral("FILE"));
    const QCommandLineOption texts(QStringLiteral("texts"));
    const QCommandLineOption listZones(QStringLiteral("list-zones"));
    const QCommandLineOption places(QStringLiteral("places"), {}, QStringLiteral("QUERY"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption keep(QStringLiteral("keep"));
    const QCommandLineOption people(QStringLiteral("people"));
    const QCommandLineOption person(QStringLiteral("person"), {}, QStringLiteral("NAME"));
    const QCommandLineOption forget(QStringLiteral("forget"), {}, QStringLiteral("NAME"));
    const QCommandLineOption import(QStringLiteral("import"), {}, QStringLiteral("FILE"));
    const QCommandLineOption peopleFile(QStringLiteral("people-file"), {}, QStringLiteral("FILE"));
    parser.addOptions({name, date, time, lon, lat, zone, dst, place, tz, json, format, output, timeUnknown, batch,
                       texts, listZones, places, help, version, keep, people, person, forget, import, peopleFile});

    if (!parser.parse(QStringList{QStringLiteral("lunarys-cli")} + arguments)) {
        // The parser's own words would repeat an unknown option raw.
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return UsageError{QStringLiteral("unknown option '%1'").arg(Echo(unknown.constFirst()))};
        return UsageError{parser.errorText()};
    }
    // --people takes its query as the one argument that follows.
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > (parser.isSet(people) ? 1 : 0))
        return UsageError{QStringLiteral("unexpected argument '%1'").arg(Echo(positional.constLast()))};

    CliRequest request;
    if (parser.isSet(peopleFile)) {
        request.peopleFile = parser.value(peopleFile);
        if (request.peopleFile.isEmpty())
            return UsageError{QStringLiteral("--people-file: give a file")};
    }
    if (parser.isSet(help)) {
        request.action = CliRequest::Action::Help;
        return request;
    }
    if (parser.isSet(version)) {
        request.action = CliRequest::Action::Version;
        return request;
    }
    if (parser.isSet(listZones)) {
        request.action = CliRequest::Action::ListZones;
        return request;
    }
    if (parser.isSet(places)) {
        request.action = CliRequest::Action::ListPlaces;
        request.placesQuery = parser.value(places);
        request.output.format = parser.isSet(json) ? OutputFormat::Json : OutputFormat::Text;
        return request;
    }
    if (auto verb = PeopleVerb(parser, request))
        return *std::move(verb);
    for (const QCommandLineOption* option :
         {&name, &date, &time, &lon, &lat, &zone, &place, &tz, &format, &output, &batch})
        if (parser.values(*option).size() > 1)
            return UsageError{QStringLiteral("--%1: given more than once").arg(option->names().constFirst())};
    if (auto error = ReadOutputOptions(parser, request))
        return *error;
    if (request.action == CliRequest::Action::Batch)
        return request;
    QStringList placeOptions;
    for (const QCommandLineOption* option : {&place, &tz, &lon, &lat, &zone, &dst})
        if (parser.isSet(*option))
            placeOptions << option->names().constFirst();
    if (std::optional<QString> clash = PlaceOptionsClash(placeOptions))
        return UsageError{*clash};
    if (parser.isSet(timeUnknown)) {
        if (parser.isSet(time))
            return UsageError{QStringLiteral("--time-unknown: not with --time")};
        request.action = CliRequest::Action::TimeRanges;
    }

    // The date and time are asked for first; any other missing option is
    // told after the given ones have been read, so that a wrong one is told
    // first.
    const auto leftOut = [&](const BirthOption& option) {
        if (!option.missing || parser.isSet(option.name))
            return false;
        if (option.givenByPlace && parser.isSet(place))
            return false;
        return !(option.name == QLatin1StringView("time") && parser.isSet(timeUnknown));
    };
    for (const BirthOption& option : kBirthOptions)
        if (IsDateOrTime(option) && leftOut(option))
            return UsageError{QString::fromLatin1(option.missing)};
    engine::Birth& in = request.birth;
    for (const BirthOption& option : kBirthOptions)
        if (parser.isSet(option.name))
            if (auto error = option.read(parser.value(option.name), in))
                return *error;
    for (const BirthOption& option : kBirthOptions)
        if (leftOut(option))
            return UsageError{QString::fromLatin1(option.missing)};
    ListClockOf(in).DaylightSaving = parser.isSet(dst);
    if (parser.isSet(place))
        request.place = parser.value(place);
    if (parser.isSet(tz))
        request.timeZone = parser.value(tz);
    request.keep = parser.isSet(keep);
    if (request.keep && request.action != CliRequest::Action::Reading)
        return UsageError{QStringLiteral("--keep: only with a reading")};
    return request;
}

std::span<const BirthOption> BirthOptions() { return kBirthOptions; }

engine::ListZoneClock& ListClockOf(engine::Birth& in)
{
    if (auto* list = std::get_if<engine::ListZoneClock>(&in.Clock))
        return *list;
    return in.Clock.emplace<engine::ListZoneClock>();
}

std::optional<QString> TakeName(engine::Birth& in)
{
    // Plain ASCII letters and blanks, the common case, need no Unicode
    // normalisation.
    const bool plain = std::all_of(in.Name.cbegin(), in.Name.cend(), [](QChar c) {
        return c == u' ' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    });
    if (plain) {
        in.Name = in.Name.toUpper();
        return std::nullopt;
    }
    if (!engine::IsNameText(in.Name))
        return QString::fromLatin1(engine::messages::OnlyLetters);
    in.Name = engine::NameInCapitals(in.Name);
    return std::nullopt;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: lunarys-cli --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
        "                   --lon DEG:MIN{E|W} --lat DEG:MIN{N|S} [--zone INDEX|ITEM] [--dst]\n"
        "                   [--format text|json|html|pdf | --json] [--output FILE]\n"
        "       lunarys-cli --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
        "                   --place \"CITY[, STATE][, COUNTRY]\" [--format ...] [--output FILE]\n"
        "       lunarys-cli --time-unknown --name NAME --date YYYY-MM-DD\n"
        "                   (--lon ... --lat ... [--zone ...|--tz ...] | --place ...) [--json]\n"
        "       lunarys-cli --batch FILE|- [--format json|csv] [--texts] [--output FILE]\n"
        "       lunarys-cli --places QUERY [--json]\n"
        "       lunarys-cli --people [QUERY] [--json | --format csv]\n"
        "       lunarys-cli --person NAME [--format ...] [--output FILE]\n"
        "       lunarys-cli --forget NAME | --import FILE|-\n"
        "       lunarys-cli --list-zones | --help | --version\n");
}

QString HelpText()
{
    return UsageText() + QStringLiteral(
        "\n"
        "Computes a natal Sun-Moon midpoint reading: the Sun and Moon signs, the\n"
        "midpoint with its sign, element and temperament, the midpoint's house\n"
        "counted from the ascendant, and the texts that go with them.\n"
        "\n"
        "Options:\n"
        "  --name NAME          the person's name: letters and blanks, a hyphen or an\n"
        "                       apostrophe between letters (shown in capitals)\n"
        "  --date YYYY-MM-DD    local date of birth, years 1901 to 2050\n"
        "  --time HH:MM[:SS]    local clock time of birth (seconds are not used)\n"
        "  --lon DEG:MIN{E|W}   longitude of the birthplace, for example 72:50E\n"
        "  --lat DEG:MIN{N|S}   latitude of the birthplace, for example 18:57N\n"
        "  --zone INDEX|ITEM    time zone: list index 0..70 or a list item, in any case;\n"
        "                       default 29, \"Greenwich Mean Time,GMT,0.0\"\n"
        "  --dst                daylight saving time was in effect\n"
        "  --place \"CITY[, STATE][, COUNTRY]\"\n"
        "                       the birthplace from the atlas, instead of --lon, --lat,\n"
        "                       --zone and --dst: its coordinates, and the clock of its\n"
        "                       time zone on that date; the most populous match\n"
        "  --tz AREA/CITY       the time zone by its database name, e.g. Europe/Madrid,\n"
        "                       instead of --zone and --dst (with --lon and --lat)\n"
        "  --format FORMAT      the reading as text (the default), json (one JSON\n"
        "                       object), html (one web page with the chart wheel)\n"
        "                       or pdf (needs --output)\n"
        "  --json               the same as --format json\n"
        "  --output FILE        write the reading to FILE, replacing it whole,\n"
        "                       instead of standard output\n"
        "  --time-unknown       instead of --time: the day's birth times split into ranges\n"
        "                       that give the same Sun, Moon and midpoint signs and house\n"
        "  --batch FILE|-       one reading for every row of a CSV file (- for standard\n"
        "                       input) whose header names the columns: name, date, time,\n"
        "                       lon, lat, zone, dst, or place or tz; one JSON object a line\n"
        "  --format json|csv    with --batch: JSON lines (the default) or CSV rows\n"
        "  --texts              with --batch: the texts too\n"
        "  --keep               with a reading: keep the person's birth as well\n"
        "  --people [QUERY]     list the kept people whose names hold QUERY (any case);\n"
        "                       --json, or --format csv in the columns of --batch\n"
        "  --person NAME        the reading of a kept person (name in any case)\n"
        "  --forget NAME        remove a kept person\n"
        "  --import FILE|-      keep every birth of a --batch CSV file, in one go\n"
        "  --people-file FILE   keep people in FILE instead of\n"
        "                       ~/.local/share/Lunarys/people.sqlite\n"
        "  --list-zones         print the 71 time zones, each after its index and a tab\n"
        "  --places QUERY       print the places that match, most populous first: name,\n"
        "                       state, country, time zone, latitude, longitude\n"
        "  -h, --help           print this help\n"
        "  --version            print the version\n"
        "\n"
        "Exit status: 0 on success; 1 when the output cannot be written or a batch\n"
        "row was refused; 2 when the command line or the birth details cannot be\n"
        "used, no place matches or a time-zone name is unknown. The reason is\n"
        "printed on standard error.\n"
        "\n"
        "Examples:\n"
        "  lunarys-cli --name \"Mary Ann\" --date 1990-07-04 --time 06:30 --zone 34 \\\n"
        "              --lon 72:50E --lat 18:57N\n"
        "  lunarys-cli --name \"Mary Ann\" --date 1990-07-04 --time 06:30 --place \"Mumbai, India\"\n");
}

QString VersionText() { return QStringLiteral("lunarys-cli " LUNARYS_VERSION_STRING "\n"); }

}  // namespace lunarys::cli
