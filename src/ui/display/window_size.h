#pragma once

#include <optional>

#include <QSize>

namespace lunarys::ui {

class SettingsStore;

// The result window's size, kept for the next reading.
inline const char* const ReadingWindowKey = "ReadingWindow";

struct WindowSize {
    QSize size;   // the window's own size, not maximized
    bool maximized = false;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

// Stored as "1200x800" or "1200x800 maximized"; anything else is no size.
std::optional<WindowSize> ReadWindowSize(SettingsStore& settings);
void WriteWindowSize(SettingsStore& settings, const WindowSize& size);

}  // namespace lunarys::ui
