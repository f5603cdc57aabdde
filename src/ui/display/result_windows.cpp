#include "ui/display/result_windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "engine/texts.h"
#include "ui/display/frm_display.h"
#include "ui/display/window_size.h"
#include "ui/shell/program.h"

namespace lunarys::ui {

ResultWindows::ResultWindows(Program& program) : program_(program) {}

ResultWindows::~ResultWindows() = default;

void ResultWindows::ShowReading(const engine::Reading& reading, QWidget& inputWindow)
{
    if (display_)
        display_.release()->deleteLater();
    inputWindow_ = &inputWindow;

    display_ = std::make_unique<FrmDisplay>(program_);
    QObject::connect(display_.get(), &FrmDisplay::backRequested, display_.get(), [this] { Back(); });
    display_->ShowReading(reading, engine::LoadReadingTexts(reading));

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
