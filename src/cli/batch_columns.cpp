#include "cli/batch_columns.h"

#include <algorithm>
#include <array>

#include <QRegularExpression>

#include "cli/echo.h"
#include "cli/place_options.h"
#include "cli/atlas_open.h"
#include "places/atlas.h"

namespace lunarys::cli {

namespace {

constexpr std::string_view kDaylightSaving = "dst";
constexpr std::string_view kPlace = "place";
constexpr std::string_view kTimeZone = "tz";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view text, QLatin1StringView name)
{
    return QLatin1StringView(text.data(), static_cast<qsizetype>(text.size())).compare(name, Qt::CaseInsensitive)
           == 0;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ColumnList()
{
    QStringList names;
    for (const BirthOption& option : BirthOptions())
        names << QString(option.name);
    names << FromUtf8(kDaylightSaving) << FromUtf8(kPlace) << FromUtf8(kTimeZone);
    return names.join(QStringLiteral(", "));
}

}  // namespace

std::variant<BatchColumns, UsageError> BatchColumns::FromHeader(const std::vector<std::string_view>& header)
{
    BatchColumns columns;
    QStringList seen;   // the columns' names as their options are called
    std::optional<UsageError> unknown;
    for (const std::string_view raw : header) {
        const std::string_view name = Trimmed(raw);
        const auto options = BirthOptions();
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const BirthOption& o) { return SameName(name, o.name); });
        Column column;
        QString called;
        if (option != options.end()) {
            column = {Kind::Option, &*option, {}};
            called = QString(option->name);
        } else {
            const std::pair<std::string_view, Kind> special[] = {
                {kDaylightSaving, Kind::DaylightSaving}, {kPlace, Kind::Place}, {kTimeZone, Kind::TimeZone}};
            const auto found = std::find_if(std::begin(special), std::end(special), [&](const auto& s) {
                return SameName(name, QLatin1StringView(s.first.data(), static_cast<qsizetype>(s.first.size())));
            });
            if (found == std::end(special)) {
                if (!unknown)
                    unknown = UsageError{QStringLiteral("unknown column '%1'").arg(Echo(FromUtf8(name)))};
                continue;
            }
            column.kind = found->second;
            called = FromUtf8(found->first);
        }
        if (seen.contains(called))
            return UsageError{QStringLiteral("column '%1' given more than once").arg(Echo(FromUtf8(name)))};
        seen << called;
        column.name = called;
        columns.columns_.push_back(column);
    }
    if (seen.isEmpty())
        return UsageError{QStringLiteral("--batch: the first line must name the columns (%1)").arg(ColumnList())};
    if (unknown)
        return *unknown;
    // Columns whose options cannot go together may share a file (kept people
    // with a place, a list zone or a database zone); a row is refused when it
    // fills two of them.
    columns.mayClash_ = PlaceOptionsClash(seen).has_value();
    const bool place = seen.contains(FromUtf8(kPlace));
    columns.hasPlace_ = place;
    for (const BirthOption& option : BirthOptions())
        if (option.missing && !seen.contains(QString(option.name)) && !(option.givenByPlace && place))
            return UsageError{QStringLiteral("--batch: no column '%1'").arg(QString(option.name))};
    if (place) {
        auto atlas = OpenAtlas();
        if (const auto* problem = std::get_if<QString>(&atlas))
            return UsageError{QStringLiteral("--batch: ") + *problem};
        columns.atlas_ = std::get<std::shared_ptr<const places::Atlas>>(std::move(atlas));
    }
    return columns;
}

std::optional<QString> BatchColumns::Read(const std::vector<std::string_view>& fields, engine::Birth& in) const
{
    if (fields.size() != columns_.size())
        return QStringLiteral("%1 fields where the header names %2").arg(fields.size()).arg(columns_.size());
    std::optional<QString> place;
    std::optional<QString> timeZone;
    // The columns this row fills, when the header allows a clash or a place.
    QStringList given;
    if (mayClash_ || hasPlace_) {
        for (std::size_t i = 0; i < columns_.size(); ++i)
            if (!Trimmed(fields[i]).empty())
                given << columns_[i].name;
        if (std::optional<QString> clash = PlaceOptionsClash(given))
            // "--place cannot be used with --lon: ..." told of columns.
            return clash->replace(QRegularExpression(QStringLiteral("--(\\w+)")), QStringLiteral("the \\1 column"));
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::string_view text = Trimmed(fields[i]);
        const Column& column = columns_[i];
        switch (column.kind) {
        case Kind::DaylightSaving: {
            const std::optional<bool> dst = DaylightSavingOf(text);
            if (!dst)
                return QStringLiteral("dst: expected yes, no, true, false, 1, 0 or nothing, got '%1'")
                    .arg(Echo(FromUtf8(text)));
            ListClockOf(in).DaylightSaving = *dst;
            break;
        }
        case Kind::Place:
            if (!text.empty())
                place = FromUtf8(text);
            break;
        case Kind::TimeZone:
            if (!text.empty())
                timeZone = FromUtf8(text);
            break;
        case Kind::Option:
            if (text.empty()) {
                // With a place column, a coordinate may be left to the place.
                if (column.option->missing && !(column.option->givenByPlace && hasPlace_))
                    return QString::fromLatin1(column.option->missing);
            } else if (const std::optional<UsageError> error = column.option->read(FromUtf8(text), in)) {
                return error->message;
            }
            break;
        }
    }
    if (hasPlace_ && !place) {
        const bool coordinates = std::any_of(given.cbegin(), given.cend(), [](const QString& name) {
            return name == u"lon" || name == u"lat";
        });
        if (!coordinates)
            return QStringLiteral("--place: missing; give CITY[, STATE][, COUNTRY]");
        for (const BirthOption& option : BirthOptions())
            if (option.givenByPlace && option.missing && !given.contains(QString(option.name)))
                return QString::fromLatin1(option.missing);
    }
    if (place || timeZone) {
        const auto placed = ApplyPlace(atlas_.get(), place, timeZone, in);
        if (const auto* problem = std::get_if<QString>(&placed))
            return *problem;
    }
    return TakeName(in);
}

std::optional<bool> DaylightSavingOf(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, bool>, 7> kWords{
        {{"", false}, {"yes", true}, {"no", false}, {"true", true}, {"false", false}, {"1", true}, {"0", false}}};
    for (const auto& [word, value] : kWords)
        if (text.size() == word.size() && SameName(text, QLatin1StringView(word.data(), word.size())))
            return value;
    return std::nullopt;
}

}  // namespace lunarys::cli
