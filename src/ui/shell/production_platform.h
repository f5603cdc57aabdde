#pragma once

#include <memory>

#include <QLocalServer>
#include <QLockFile>
#include <QSettings>
#include <QString>

#include "ui/shell/platform.h"

namespace lunarys::ui {

// Message boxes titled "Lunarys", shown over the active window.
class MessageBoxDialogs final : public Dialogs {
public:
    void ShowMessage(const QString& text, MessageIcon icon) override;
    bool AskYesNo(const QString& question, MessageIcon icon) override;
    void RunModal(QDialog& dialog) override;
};

class DesktopWebOpener final : public WebOpener {
public:
    void Open(const QUrl& address) override;
};

class SystemClock final : public Clock {
public:
    QDate Today() const override;
};

// Qt's save dialog, over the active window.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> AskSaveFileName(const QString& suggestedPath, const QStringList& filters,
                                           QString* chosenFilter) override;
};

// Qt's print preview; its print button opens the print dialog.
class PreviewPrinting final : public Printing {
public:
    void PreviewAndPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
};

// QSettings in the user's own settings file of the program, DefaultPath().
// Only a regular file (or none yet) is read: with anything else in its place
// (a pipe, a device, a folder) the program runs as with no settings, keeps
// none, and says so on standard error.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    // An INI file at the given path, for a run that must not touch the
    // user's own settings.
    explicit QSettingsStore(const QString& iniFilePath);
    ~QSettingsStore() override;

    StoredText Read(const QString& section, const QString& key) override;
    bool Write(const QString& section, const QString& key, const QString& text) override;

    // ~/.config/Lunarys/Lunarys.conf, or where XDG_CONFIG_HOME says.
    static QString DefaultPath();

private:
    std::unique_ptr<QSettings> settings_;
};

// A lock file in the user's runtime folder, held while the program runs.
// Only a file naming a running copy of the program, of this user and this
// host, refuses the start. Any other (left by a crash, empty, unreadable,
// written on another host) is stale and taken over. Where no lock file can
// be made, the program runs without one and says so on standard error.
class LockFileInstanceLock final : public InstanceLock {
public:
    LockFileInstanceLock();
    explicit LockFileInstanceLock(const QString& lockFilePath);
    // Copies of `program` (an executable's path) count as copies of this one.
    LockFileInstanceLock(const QString& lockFilePath, const QString& program);

    bool TryAcquire() override;
    void OnShowRequest(std::function<void()> show) override;

    static QString DefaultPath();
    // The local socket of the copy holding the lock, beside the lock file.
    static QString SocketPath(const QString& lockFilePath);

private:
    // The process id of a running copy named by the lock file, or 0.
    qint64 RunningCopy() const;
    // Whether the copy answered a request to show itself within a second.
    bool AskToShow() const;
    void Listen();

    QLockFile lock_;
    QString path_;
    QString program_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> show_;
};

// Leaves the event loop, which ends main() and the process.
class ApplicationExit final : public ProcessControl {
public:
    void EndProcess() override;
};

// The production pieces together, owned by main().
class ProductionPlatform {
public:
    ProductionPlatform() = default;
    Platform Services();

private:
    MessageBoxDialogs dialogs_;
    DesktopWebOpener web_;
    SystemClock clock_;
    QSettingsStore settings_;
    LockFileInstanceLock lock_;
    ApplicationExit exit_;
    QtFileDialogs files_;
    PreviewPrinting printing_;
};

}  // namespace lunarys::ui
