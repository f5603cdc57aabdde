#include "ui/display/result_windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QWidget>

#include "engine/texts.h"
#include "ui/display/frm_display.h"
#include "ui/display/window_size.h"
#include "ui/shell/people_shelf.h"
#include "ui/shell/program.h"

namespace lunarys::ui {

ResultWindows::ResultWindows(Program& program, PeopleShelf* people) : program_(program), people_(people) {}

ResultWindows::~ResultWindows() = default;

void ResultWindows::ShowReading(const engine::Reading& reading, QWidget& inputWindow)
{
    if (display_)
        display_.release()->deleteLater();
    inputWindow_ = &inputWindow;

    display_ = std::make_unique<FrmDisplay>(program_);
    QObject::connect(display_.get(), &FrmDisplay::backRequested, display_.get(), [this] { Back(); });
    display_->ShowReading(reading, engine::LoadReadingTexts(reading));
    if (people_)
        AddKeepCommand(reading.Birth);

    // The size of the last reading's window, within the screen.
    const std::optional<WindowSize> remembered = ReadWindowSize(program_.Services().settings);
    if (remembered) {
        QSize size = remembered->size.expandedTo(display_->DesignSize());
        if (const QScreen* screen = display_->screen())
            size = size.boundedTo(screen->availableGeometry().size()).expandedTo(display_->DesignSize());
        display_->resize(size);
    }

    inputWindow.hide();
    CentreOnScreen(*display_);
    if (remembered && remembered->maximized) {
        display_->showMaximized();
    } else {
        display_->show();
        // Once shown, the window's frame is known; centre the whole of it.
        CentreOnScreen(*display_);
    }
    display_->FocusFirstText();
}

// File › Keep This Person (Ctrl+K), above Exit; a line at the foot of the
// window says what was done.
void ResultWindows::AddKeepCommand(const engine::Birth& birth)
{
    QMenu* file = display_->findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (!file)
        return;
    // Above Exit, the last entry, and the line before it.
    const QList<QAction*> entries = file->actions();
    QAction* exit = entries.isEmpty() ? nullptr : entries.constLast();
    if (entries.size() > 1 && entries[entries.size() - 2]->isSeparator())
        exit = entries[entries.size() - 2];
    auto* keep = new QAction(QStringLiteral("&Keep This Person"), file);
    keep->setObjectName(QStringLiteral("mnuFileKeep"));
    keep->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    file->insertAction(exit, keep);
    FrmDisplay* display = display_.get();
    QObject::connect(keep, &QAction::triggered, display, [this, birth, display] {
        const QString done = people_->Keep(birth);
        if (done.isEmpty())
            return;
        // The window grows by the line, so that it covers nothing.
        const bool first = !display->findChild<QStatusBar*>();
        QStatusBar* bar = display->statusBar();
        // A label of its own: a menu's hints would wipe a status message.
        auto* line = bar->findChild<QLabel*>(QStringLiteral("lblKept"));
        if (!line) {
            line = new QLabel(bar);
            line->setObjectName(QStringLiteral("lblKept"));
            line->setTextFormat(Qt::PlainText);
            bar->addWidget(line, 1);
        }
        line->setText(done);
        line->setAccessibleName(done);
        if (first) {
            const int height = display->height() + bar->sizeHint().height();
            if (display->minimumHeight() == display->maximumHeight())
                display->setFixedHeight(height);
            else
                display->resize(display->width(), height);
        }
    });
}

void ResultWindows::Back()
{
    if (!display_)
        return;
    WriteWindowSize(program_.Services().settings, display_->CurrentSize());
    // The window asking to go back is still in its own event handler.
    display_->hide();
    display_.release()->deleteLater();
    if (inputWindow_)
        inputWindow_->show();
}

void CentreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize size = window.frameGeometry().size().expandedTo(window.size());
    window.move(available.x() + (available.width() - size.width()) / 2,
                available.y() + (available.height() - size.height()) / 2);
}

}  // namespace lunarys::ui
