#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "ui/shell/platform.h"
#include "ui/shell/web_links.h"

namespace lunarys::ui {

// Where the reminder date lives in the settings store, as an ISO date.
inline const char* const SettingsSection = "Settings";
inline const char* const ReminderDateKey = "ReminderDate";

// The life of the program: start-up, the commands every window shares (web
// links, the about box) and quitting.
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Platform& Services() const { return platform_; }
    LinkCommands& Links() { return links_; }

    // Makes the input window; main() and the tests say which window that is.
    using InputWindowFactory = std::function<std::unique_ptr<QWidget>(Program&)>;

    // Refuses a second copy, runs the update reminder, then creates and shows
    // the input window. false when the program has ended instead.
    bool StartProgram(const InputWindowFactory& createInputWindow);

    // Asks at most once whether to look for an update, when the stored date
    // is more than 14 days away from today.
    void UpdateReminder();

    // Shows the about box, modal; returns when it is closed.
    void ShowAboutBox();

    // Closes every window of the program and ends the process.
    void QuitProgram();

    // A later start asked for this copy: its windows come to the front.
    void BringToFront();
    bool IsQuitting() const { return quitting_; }

    // The input window, once the start-up has created it.
    QWidget* InputWindow() const { return inputWindow_.get(); }

private:
    Platform& platform_;
    LinkCommands links_;
    std::unique_ptr<QWidget> inputWindow_;
    bool quitting_ = false;
};

}  // namespace lunarys::ui
