#include "cli/cli_options.h"

#include <algorithm>
#include <optional>

#include <QCommandLineParser>

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

std::optional<UsageError> ReadName(const QString& text, engine::BirthInput& in)
{
    in.Name = text;
    return std::nullopt;
}

std::optional<UsageError> ReadDate(const QString& text, engine::BirthInput& in)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 3 || parts[0].size() != 4 || !AllDigits(parts[0]) || !AllDigits(parts[1]) || !AllDigits(parts[2])
        || parts[1].isEmpty() || parts[1].size() > 2 || parts[2].isEmpty() || parts[2].size() > 2)
        return UsageError{QStringLiteral("--date: expected YYYY-MM-DD, got '%1'").arg(text)};
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
    in.MonthIndex = *month - 1;
    in.DayIndex = *day - 1;
    return std::nullopt;
}

std::optional<UsageError> ReadTime(const QString& text, engine::BirthInput& in)
{
    const QStringList parts = text.split(u':');
    const auto wellFormed = [&] {
        if (parts.size() < 2 || parts.size() > 3)
            return false;
        for (const QString& part : parts)
            if (part.isEmpty() || part.size() > 2 || !AllDigits(part))
                return false;
        return true;
    };
    if (!wellFormed())
        return UsageError{QStringLiteral("--time: expected HH:MM or HH:MM:SS, got '%1'").arg(text)};
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

// DEG:MIN followed by a hemisphere letter. Empty degrees or minutes are left
// to the input check, which tells the user as the window would.
std::optional<UsageError> ReadCoordinate(const QString& option, const QString& text, QChar positive, QChar negative,
                                         QString& degrees, QString& minutes, bool& isPositive)
{
    const auto usage = [&] {
        return UsageError{
            QStringLiteral("--%1: expected DEG:MIN%2 or DEG:MIN%3, got '%4'").arg(option, positive, negative, text)};
    };
    if (text.isEmpty())
        return usage();
    const QChar hemisphere = text.back().toUpper();
    const QStringList parts = text.chopped(1).split(u':');
    if ((hemisphere != positive && hemisphere != negative) || parts.size() != 2 || !AllDigits(parts[0])
        || !AllDigits(parts[1]) || parts[0].size() > 5 || parts[1].size() > 5)
        return usage();
    degrees = parts[0];
    minutes = parts[1];
    isPositive = hemisphere == positive;
    return std::nullopt;
}

std::optional<UsageError> ReadZone(const QString& text, engine::BirthInput& in)
{
    if (!text.isEmpty() && AllDigits(text)) {
        const auto index = NumberIn(text, 2, 0, static_cast<int>(engine::Zones.size()) - 1);
        if (!index)
            return UsageError{QStringLiteral("--zone: the index must be from 0 to 70 (see --list-zones)")};
        in.ZoneIndex = *index;
        return std::nullopt;
    }
    const QByteArray utf8 = text.toUtf8();
    const int index = engine::ZoneIndexOfItem(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    if (index < 0)
        return UsageError{QStringLiteral("--zone: unknown zone '%1' (see --list-zones)").arg(text)};
    in.ZoneIndex = index;
    return std::nullopt;
}

std::optional<UsageError> ReadLongitude(const QString& text, engine::BirthInput& in)
{
    return ReadCoordinate(QStringLiteral("lon"), text, u'E', u'W', in.LongitudeDegrees, in.LongitudeMinutes,
                          in.LongitudeIsEast);
}

std::optional<UsageError> ReadLatitude(const QString& text, engine::BirthInput& in)
{
    bool north = true;
    if (auto error = ReadCoordinate(QStringLiteral("lat"), text, u'N', u'S', in.LatitudeDegrees, in.LatitudeMinutes,
                                    north))
        return error;
    in.LatitudeIsSouth = !north;
    return std::nullopt;
}

constexpr BirthOption kBirthOptions[] = {
    {QLatin1StringView("name"), ReadName, nullptr},
    {QLatin1StringView("date"), ReadDate, "--date: missing (the birth date, YYYY-MM-DD)"},
    {QLatin1StringView("time"), ReadTime, "--time: missing (the local clock time of birth, HH:MM)"},
    {QLatin1StringView("lon"), ReadLongitude, nullptr},
    {QLatin1StringView("lat"), ReadLatitude, nullptr},
    {QLatin1StringView("zone"), ReadZone, nullptr},
};

// --batch with --format, --output and --texts; --format json alone is --json.
std::optional<UsageError> ReadOutputOptions(const QCommandLineParser& parser, CliRequest& request)
{
    const QString format = parser.value(QStringLiteral("format"));
    if (parser.isSet(QStringLiteral("format")) && format != QLatin1StringView("json")
        && format != QLatin1StringView("csv"))
        return UsageError{QStringLiteral("--format: expected json or csv, got '%1'").arg(format)};
    if (!parser.isSet(QStringLiteral("batch"))) {
        for (const char* option : {"output", "texts"})
            if (parser.isSet(QString::fromLatin1(option)))
                return UsageError{QStringLiteral("--%1: only with --batch").arg(QLatin1StringView(option))};
        if (format == QLatin1StringView("csv"))
            return UsageError{QStringLiteral("--format: csv only with --batch")};
        request.json = format == QLatin1StringView("json");
        return std::nullopt;
    }
    for (const char* option : {"name", "date", "time", "lon", "lat", "zone", "dst", "time-unknown"})
        if (parser.isSet(QString::fromLatin1(option)))
            return UsageError{
                QStringLiteral("--%1: not with --batch (the file gives the births)").arg(QLatin1StringView(option))};
    request.action = CliRequest::Action::Batch;
    request.batchFile = parser.value(QStringLiteral("batch"));
    request.outputFile = parser.value(QStringLiteral("output"));
    request.csv = format == QLatin1StringView("csv");
    request.texts = parser.isSet(QStringLiteral("texts"));
    if (request.batchFile.isEmpty())
        return UsageError{QStringLiteral("--batch: give a file, or - for standard input")};
    if (parser.isSet(QStringLiteral("output")) && request.outputFile.isEmpty())
        return UsageError{QStringLiteral("--output: give a file")};
    return std::nullopt;
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
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption timeUnknown(QStringLiteral("time-unknown"));
    const QCommandLineOption batch(QStringLiteral("batch"), {}, QStringLiteral("FILE"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("json|csv"));
    const QCommandLineOption output(QStringLiteral("output"), {}, QStringLiteral("FILE"));
    const QCommandLineOption texts(QStringLiteral("texts"));
    const QCommandLineOption listZones(QStringLiteral("list-zones"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({name, date, time, lon, lat, zone, dst, json, timeUnknown, batch, format, output, texts,
                       listZones, help, version});

    if (!parser.parse(QStringList{QStringLiteral("lunarys-cli")} + arguments))
        return UsageError{parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return UsageError{QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst())};

    CliRequest request;
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
    for (const QCommandLineOption* option : {&name, &date, &time, &lon, &lat, &zone, &batch, &format, &output})
        if (parser.values(*option).size() > 1)
            return UsageError{QStringLiteral("--%1: given more than once").arg(option->names().constFirst())};
    if (auto error = ReadOutputOptions(parser, request))
        return *error;
    if (request.action == CliRequest::Action::Batch)
        return request;

    if (parser.isSet(timeUnknown)) {
        if (parser.isSet(time))
            return UsageError{QStringLiteral("--time-unknown: not with --time")};
        request.action = CliRequest::Action::TimeRanges;
    }
    for (const BirthOption& option : kBirthOptions)
        if (option.missing && !parser.isSet(option.name)
            && !(option.name == QLatin1StringView("time") && parser.isSet(timeUnknown)))
            return UsageError{QString::fromLatin1(option.missing)};
    engine::BirthInput& in = request.input;
    for (const BirthOption& option : kBirthOptions)
        if (parser.isSet(option.name))
            if (auto error = option.read(parser.value(option.name), in))
                return *error;
    in.DaylightSaving = parser.isSet(dst);
    request.json = request.json || parser.isSet(json);
    return request;
}

std::span<const BirthOption> BirthOptions() { return kBirthOptions; }

std::optional<QString> TakeName(engine::BirthInput& in)
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

QString HelpText()
{
    return QStringLiteral(
        "Usage: lunarys-cli --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
        "                   --lon DEG:MIN{E|W} --lat DEG:MIN{N|S} [--zone INDEX|ITEM] [--dst] [--json]\n"
        "       lunarys-cli --time-unknown --name NAME --date YYYY-MM-DD --lon ... --lat ... [--json]\n"
        "       lunarys-cli --batch FILE|- [--format json|csv] [--texts] [--output FILE]\n"
        "       lunarys-cli --list-zones | --help | --version\n"
        "\n"
        "Computes a natal Sun-Moon midpoint reading: the Sun and Moon signs, the\n"
        "midpoint with its sign, element and temperament, the midpoint's house\n"
        "counted from the ascendant, and the texts that go with them.\n"
        "\n"
        "Options:\n"
        "  --name NAME          the person's name: letters and blanks (shown in capitals)\n"
        "  --date YYYY-MM-DD    local date of birth, years 1901 to 2050\n"
        "  --time HH:MM[:SS]    local clock time of birth (seconds are not used)\n"
        "  --lon DEG:MIN{E|W}   longitude of the birthplace, for example 72:50E\n"
        "  --lat DEG:MIN{N|S}   latitude of the birthplace, for example 18:57N\n"
        "  --zone INDEX|ITEM    time zone: list index 0..70 or the exact list item;\n"
        "                       default 29, \"Greenwich Mean Time,GMT,0.0\"\n"
        "  --dst                daylight saving time was in effect\n"
        "  --json               print the reading as one JSON object\n"
        "  --time-unknown       instead of --time: the day's birth times split into ranges\n"
        "                       that give the same Sun, Moon and midpoint signs and house\n"
        "  --batch FILE|-       one reading for every row of a CSV file (- for standard\n"
        "                       input) whose header names the columns: name, date, time,\n"
        "                       lon, lat, zone, dst; one JSON object a line\n"
        "  --format json|csv    with --batch: JSON lines (the default) or CSV\n"
        "  --texts              with --batch: the texts too\n"
        "  --output FILE        with --batch: write to FILE instead of standard output\n"
        "  --list-zones         print the 71 time zones, each after its index and a tab\n"
        "  -h, --help           print this help\n"
        "  --version            print the version\n"
        "\n"
        "Exit status: 0 on success; 2 when the command line or the birth details\n"
        "cannot be used (the reason is printed on standard error). A batch exits\n"
        "with 1 when any row was refused.\n"
        "\n"
        "Example:\n"
        "  lunarys-cli --name \"Mary Ann\" --date 1990-07-04 --time 06:30 --zone 34 \\\n"
        "              --lon 72:50E --lat 18:57N\n");
}

QString VersionText() { return QStringLiteral("lunarys-cli " LUNARYS_VERSION_STRING "\n"); }

}  // namespace lunarys::cli
