#include "ui/shell/program.h"

#include <algorithm>

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "ui/shell/frm_about.h"
#include "ui/shell/program_texts.h"

namespace lunarys::ui {

namespace {

// Farther than this from today, in either direction, the stored date brings
// the update question.
constexpr qint64 kReminderDays = 14;

}  // namespace

Program::Program(Platform& platform) : platform_(platform), links_(platform.web) {}

Program::~Program() = default;

bool Program::StartProgram(const InputWindowFactory& createInputWindow)
{
    if (!platform_.instanceLock.TryAcquire()) {
        platform_.dialogs.ShowMessage(QString::fromLatin1(text::AlreadyRunning), MessageIcon::Information);
        QuitProgram();
        return false;
    }
    UpdateReminder();
    inputWindow_ = createInputWindow(*this);
    inputWindow_->adjustSize();
    if (const QScreen* screen = inputWindow_->screen()) {
        const QRect free = screen->availableGeometry();
        inputWindow_->move(free.x() + std::max(0, (free.width() - inputWindow_->width()) / 2),
                           free.y() + std::max(0, (free.height() - inputWindow_->height()) / 2));
    }
    inputWindow_->show();
    platform_.instanceLock.OnShowRequest([this] { BringToFront(); });
    return true;
}

void Program::BringToFront()
{
    // The shown window (input or result) and any dialog open over it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || !window->isWindow() || window->windowType() == Qt::Popup
            || window->windowType() == Qt::ToolTip)
            continue;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
        window->activateWindow();
    }
}

void Program::UpdateReminder()
{
    const QString section = QString::fromLatin1(SettingsSection);
    const QString key = QString::fromLatin1(ReminderDateKey);
    const QDate today = platform_.clock.Today();

    const StoredText stored = platform_.settings.Read(section, key);
    switch (stored.kind) {
    case StoredText::Kind::Unreadable: return;
    case StoredText::Kind::Absent: platform_.settings.Write(section, key, today.toString(Qt::ISODate)); return;
    case StoredText::Kind::Present: break;
    }

    const QDate remembered = QDate::fromString(stored.text.trimmed(), Qt::ISODate);
    if (!remembered.isValid())
        return;
    const qint64 daysAhead = today.daysTo(remembered);
    if (daysAhead >= -kReminderDays && daysAhead <= kReminderDays)
        return;

    const bool check =
        platform_.dialogs.AskYesNo(QString::fromLatin1(text::UpdateQuestion), MessageIcon::Information);
    platform_.settings.Write(section, key, today.toString(Qt::ISODate));
    if (check)
        links_.OpenDownloadPage();
}

void Program::ShowAboutBox()
{
    FrmAbout about(links_);
    platform_.dialogs.RunModal(about);
}

void Program::QuitProgram()
{
    if (quitting_)
        return;
    quitting_ = true;
    // A window may take others with it when it closes.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);
    for (const QPointer<QWidget>& window : windows)
        if (window)
            window->close();
    platform_.process.EndProcess();
}

}  // namespace lunarys::ui
