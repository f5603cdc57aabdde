#pragma once

#include <functional>
#include <string_view>

namespace lunarys::places {

// Calls `message` for every message of a GNU gettext catalog (a .mo file)
// held in `bytes`: its key (msgid) and its text (msgstr), both views into
// `bytes`, up to the first NUL (the singular of a plural entry). Either byte
// order is read. Returns false, having called nothing, when the bytes are not
// a catalog, or one of its tables or NUL-ended strings lies outside them.
bool ForEachMessage(std::string_view bytes,
                    const std::function<void(std::string_view key, std::string_view text)>& message);

}  // namespace lunarys::places
