#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include <QString>

#include "cli/cli_options.h"
#include "engine/birth.h"

namespace lunarys::places {
class Atlas;
}

namespace lunarys::cli {

// The columns of a batch file as its header names them, in any order and any
// case: each birth option's name (name, date, time, lon, lat, zone), dst, and
// place or tz in place of the coordinates and the zone. A column's text is
// read exactly as its option's value; an empty text is an option left out.
class BatchColumns {
public:
    // From the header's fields: a usage error for a header that names no
    // column, an unknown or repeated column, or a missing column whose option
    // may not be left out. Columns whose options cannot go together (place
    // and lon, tz and zone) may all be named: a row that fills two of them is
    // refused. A place column loads the atlas, once.
    static std::variant<BatchColumns, UsageError> FromHeader(const std::vector<std::string_view>& header);

    std::size_t Count() const { return columns_.size(); }

    // One row into a fresh birth, or the message that refuses it: the one
    // its option would give on the command line. Blanks around a text do
    // not count. The input check is still to come.
    std::optional<QString> Read(const std::vector<std::string_view>& fields, engine::Birth& in) const;

private:
    enum class Kind { Option, DaylightSaving, Place, TimeZone };
    struct Column {
        Kind kind = Kind::Option;
        const BirthOption* option = nullptr;  // for Kind::Option
        QString name;                         // as its option is called
    };
    std::vector<Column> columns_;
    bool mayClash_ = false;  // the header names columns that cannot go together
    bool hasPlace_ = false;
    std::shared_ptr<const places::Atlas> atlas_;
};

// The dst column: yes, no, true, false, 1, 0 in any case, or empty for no.
std::optional<bool> DaylightSavingOf(std::string_view text);

}  // namespace lunarys::cli
