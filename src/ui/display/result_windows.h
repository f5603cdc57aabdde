#pragma once

#include <memory>

#include <QPointer>

#include "ui/shell/reading_presenter.h"

class QWidget;

namespace lunarys::ui {

class FrmDisplay;
class PeopleShelf;
class Program;

// Brings up a fresh result window for every reading, in place of the input
// window, and goes back to the input window on Back.
class ResultWindows final : public ReadingPresenter {
public:
    // With people, the result window's File menu keeps the person shown.
    explicit ResultWindows(Program& program, PeopleShelf* people = nullptr);
    ~ResultWindows() override;

    void ShowReading(const engine::Reading& reading, QWidget& inputWindow) override;

    // The result window while one is open.
    FrmDisplay* ResultWindow() const { return display_.get(); }

private:
    void Back();
    void AddKeepCommand(const engine::Birth& birth);

    Program& program_;
    PeopleShelf* people_ = nullptr;
    QPointer<QWidget> inputWindow_;
    std::unique_ptr<FrmDisplay> display_;
};

// Moves a top-level window to the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

}  // namespace lunarys::ui
