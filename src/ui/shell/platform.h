#pragma once

#include <functional>
#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "engine/input_check.h"

class QDialog;
class QPrinter;

namespace lunarys::ui {

using engine::MessageIcon;

// Modal boxes. Every box carries the program's name in its title bar.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A notice with an OK button.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    // A question with Yes and No; true when the answer is Yes.
    virtual bool AskYesNo(const QString& question, MessageIcon icon) = 0;
    // Shows a dialog modal and returns when it has been closed.
    virtual void RunModal(QDialog& dialog) = 0;
};

// Hands a web address to the user's browser. Whether that worked is never
// looked at.
class WebOpener {
public:
    virtual ~WebOpener() = default;
    virtual void Open(const QUrl& address) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate Today() const = 0;
};

// What a read from the settings store found.
struct StoredText {
    enum class Kind { Absent, Present, Unreadable };
    Kind kind = Kind::Absent;
    QString text;
};

// The per-user settings store of the program, addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual StoredText Read(const QString& section, const QString& key) = 0;
    // false when the value could not be stored.
    virtual bool Write(const QString& section, const QString& key, const QString& text) = 0;
};

// Tells whether this is the only running copy of the program for this user.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // true when no other copy runs; the claim lasts as long as the lock.
    // Another copy that is running is asked to bring its window to the front.
    virtual bool TryAcquire() = 0;
    // What this copy does when a later start asks it to show itself.
    virtual void OnShowRequest(std::function<void()> show) { (void)show; }
};

// Asks the user where to keep a file.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A save dialog opened at the suggested path, offering the filters
    // ("PDF document (*.pdf)"), the first chosen unless `chosenFilter` names
    // another. The path, or none when the user cancelled; `chosenFilter` then
    // holds the filter in force.
    virtual std::optional<QString> AskSaveFileName(const QString& suggestedPath, const QStringList& filters,
                                                   QString* chosenFilter) = 0;
};

// Puts pages on paper.
class Printing {
public:
    virtual ~Printing() = default;
    // Shows the pages that `paint` draws on the printer, with a button that
    // chooses a printer and prints them; returns when the user is done.
    virtual void PreviewAndPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

// Ends the process once every window has been closed.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void EndProcess() = 0;
};

// Everything outside the program that the windows depend on. The owner
// (main, or a test) keeps the pieces alive for the whole run.
struct Platform {
    Dialogs& dialogs;
    WebOpener& web;
    Clock& clock;
    SettingsStore& settings;
    InstanceLock& instanceLock;
    ProcessControl& process;
    FileDialogs& files;
    Printing& printing;
};

}  // namespace lunarys::ui
