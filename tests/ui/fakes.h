#pragma once

// Stand-ins for everything outside the program, recording what the windows
// asked of them.
#include <functional>
#include <optional>

#include <QDate>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "engine/chart_state.h"
#include "ui/shell/platform.h"

namespace lunarys::ui::testing {

struct ShownMessage {
    QString text;
    MessageIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeDialogs final : public Dialogs {
public:
    void ShowMessage(const QString& text, MessageIcon icon) override { messages.append({text, icon}); }

    bool AskYesNo(const QString& question, MessageIcon icon) override
    {
        questions.append({question, icon});
        if (onQuestion)
            onQuestion();
        return answerYes;
    }

    void RunModal(QDialog& dialog) override
    {
        ++modalRuns;
        if (onModal)
            onModal(dialog);
    }

    QList<ShownMessage> messages;
    QList<ShownMessage> questions;
    bool answerYes = false;
    std::function<void()> onQuestion;
    std::function<void(QDialog&)> onModal;
    int modalRuns = 0;
};

class FakeWeb final : public WebOpener {
public:
    void Open(const QUrl& address) override { opened.append(address); }
    QList<QUrl> opened;
};

class FakeClock final : public Clock {
public:
    QDate Today() const override { return today; }
    QDate today{2024, 5, 1};
};

class FakeSettings final : public SettingsStore {
public:
    StoredText Read(const QString& section, const QString& key) override
    {
        ++reads;
        if (unreadable)
            return {StoredText::Kind::Unreadable, {}};
        const auto found = values.constFind(section + u'/' + key);
        if (found == values.cend())
            return {StoredText::Kind::Absent, {}};
        return {StoredText::Kind::Present, *found};
    }

    bool Write(const QString& section, const QString& key, const QString& text) override
    {
        ++writes;
        values.insert(section + u'/' + key, text);
        return true;
    }

    QMap<QString, QString> values;
    bool unreadable = false;
    int reads = 0;
    int writes = 0;
};

class FakeLock final : public InstanceLock {
public:
    bool TryAcquire() override { return !otherCopyRunning; }
    void OnShowRequest(std::function<void()> s) override { show = std::move(s); }
    bool otherCopyRunning = false;
    std::function<void()> show;   // what a later start would run
};

class FakeProcess final : public ProcessControl {
public:
    void EndProcess() override { ++ends; }
    int ends = 0;
};

// Answers a save dialog with the path set here (none: cancelled), recording
// what it was offered.
class FakeFileDialogs final : public FileDialogs {
public:
    std::optional<QString> AskSaveFileName(const QString& suggestedPath, const QStringList& filters,
                                           QString* chosenFilter) override
    {
        suggested.append(suggestedPath);
        offered = filters;
        if (chosenFilter && !filter.isEmpty())
            *chosenFilter = filter;
        return answer;
    }

    std::optional<QString> answer;
    QString filter;
    QStringList suggested;
    QStringList offered;
};

// Paints the pages once on the printer it is given, as a preview would.
class FakePrinting final : public Printing {
public:
    void PreviewAndPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        ++previews;
        if (beforePaint)
            beforePaint(printer);
        paint(printer);
    }

    int previews = 0;
    std::function<void(QPrinter&)> beforePaint;
};

struct FakePlatform {
    FakeDialogs dialogs;
    FakeWeb web;
    FakeClock clock;
    FakeSettings settings;
    FakeLock lock;
    FakeProcess process;
    FakeFileDialogs files;
    FakePrinting printing;
    Platform services{dialogs, web, clock, settings, lock, process, files, printing};
};

}  // namespace lunarys::ui::testing
