#include "cli/batch_columns.h"

#include <algorithm>
#include <array>

namespace lunarys::cli {

namespace {

constexpr std::string_view kDaylightSaving = "dst";

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
    names << FromUtf8(kDaylightSaving);
    return names.join(QStringLiteral(", "));
}

}  // namespace

std::variant<BatchColumns, UsageError> BatchColumns::FromHeader(const std::vector<std::string_view>& header)
{
    BatchColumns columns;
    std::vector<const BirthOption*> seen;
    bool daylightSaving = false;
    bool anyKnown = false;
    std::optional<UsageError> unknown;
    for (const std::string_view raw : header) {
        const std::string_view name = Trimmed(raw);
        const auto options = BirthOptions();
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const BirthOption& o) { return SameName(name, o.name); });
        const bool isDst = SameName(name, QLatin1StringView(kDaylightSaving.data(), kDaylightSaving.size()));
        if (option == options.end() && !isDst) {
            if (!unknown)
                unknown = UsageError{QStringLiteral("unknown column '%1'").arg(FromUtf8(name))};
            continue;
        }
        anyKnown = true;
        const BirthOption* known = option == options.end() ? nullptr : &*option;
        if (isDst ? daylightSaving : std::find(seen.begin(), seen.end(), known) != seen.end())
            return UsageError{QStringLiteral("column '%1' given more than once").arg(FromUtf8(name))};
        if (isDst)
            daylightSaving = true;
        else
            seen.push_back(known);
        columns.columns_.push_back({known});
    }
    if (!anyKnown)
        return UsageError{QStringLiteral("--batch: the first line must name the columns (%1)").arg(ColumnList())};
    if (unknown)
        return *unknown;
    for (const BirthOption& option : BirthOptions())
        if (option.missing && std::find(seen.begin(), seen.end(), &option) == seen.end())
            return UsageError{QStringLiteral("--batch: no column '%1'").arg(QString(option.name))};
    return columns;
}

std::optional<QString> BatchColumns::Read(const std::vector<std::string_view>& fields, engine::BirthInput& in) const
{
    if (fields.size() != columns_.size())
        return QStringLiteral("%1 fields where the header names %2").arg(fields.size()).arg(columns_.size());
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::string_view text = Trimmed(fields[i]);
        const BirthOption* option = columns_[i].option;
        if (!option) {
            const std::optional<bool> dst = DaylightSavingOf(text);
            if (!dst)
                return QStringLiteral("dst: expected yes, no, true, false, 1, 0 or nothing, got '%1'")
                    .arg(FromUtf8(text));
            in.DaylightSaving = *dst;
        } else if (text.empty()) {
            if (option->missing)
                return QString::fromLatin1(option->missing);
        } else if (const std::optional<UsageError> error = option->read(FromUtf8(text), in)) {
            return error->message;
        }
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
