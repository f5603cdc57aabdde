#pragma once

#include <optional>

#include <QFrame>
#include <QMainWindow>

#include "engine/reading_model.h"
#include "engine/texts.h"
#include "export/reading_outline.h"
#include "ui/display/stretch_layout.h"
#include "ui/display/window_size.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;

namespace lunarys::ui {

class LinkCommands;
class Program;

// First tab: the midpoint's sign, element, temperament and trait texts.
class MidpointPage : public QFrame {
    Q_OBJECT

public:
    // The controls follow the window's size by `layout`.
    explicit MidpointPage(StretchLayout& layout, QWidget* parent = nullptr);
    void Fill(const exports::ReadingOutline& outline);
    void FocusFirstText();

private:
    QLabel* lblMidpoint_ = nullptr;
    QLabel* lblMidpointElement_ = nullptr;
    QLabel* lblMidpointPersonality_ = nullptr;
    QPlainTextEdit* txtPersonalityDesc_ = nullptr;
    QPlainTextEdit* txtGeneralTraits_ = nullptr;
    QPlainTextEdit* txtPositiveTraitsc_ = nullptr;
    QPlainTextEdit* txtNegativeTraits_ = nullptr;
};

// Second tab: the Sun, the Moon and the midpoint's house.
class SunMoonHousePage : public QFrame {
    Q_OBJECT

public:
    SunMoonHousePage(LinkCommands& links, StretchLayout& layout, QWidget* parent = nullptr);
    void Fill(const exports::ReadingOutline& outline);

private:
    QPlainTextEdit* txtSunDesc_ = nullptr;
    QLabel* lblSunInSign_ = nullptr;
    QPlainTextEdit* txtSunInSignDesc_ = nullptr;
    QLabel* lblMoonElement_ = nullptr;
    QPlainTextEdit* txtMoonDesc_ = nullptr;
    QLabel* lblMoonInSign_ = nullptr;
    QPlainTextEdit* txtMoonInSignDesc_ = nullptr;
    QLabel* lblMidpointliesin_ = nullptr;
    QTextEdit* RTBHouseDesc_ = nullptr;
};

// The result window: one reading on two tabs, with Back and Exit, and the
// reading saved to a file or printed from the File menu.
class FrmDisplay : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmDisplay(Program& program, QWidget* parent = nullptr);

    // Writes a reading into both tabs and keeps it for saving and printing;
    // the window is not shown here.
    void ShowReading(const engine::Reading& reading, const engine::ReadingTexts& texts);

    // The first text of the first tab takes the focus, so that reading starts
    // there and Enter ends nothing.
    void FocusFirstText();

    // The size the window opens at, which is also its least.
    QSize DesignSize() const;
    // Its size now, kept for the next reading when it closes or goes back.
    WindowSize CurrentSize() const;

    // Save Reading As and Print, for the reading shown.
    void SaveReading();
    void PrintReading();

    // Back: the owner closes this window and brings back the input window.
    // Exit: the program ends.
    void Exit();

signals:
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildBottomStrip(QWidget& central);

    Program& program_;
    QTabWidget* SSTab1_ = nullptr;
    MidpointPage* midpointPage_ = nullptr;
    SunMoonHousePage* sunMoonHousePage_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    std::optional<engine::Reading> reading_;
    engine::ReadingTexts texts_;
    QLabel* lblHolds_ = nullptr;   // the birth times that give the same reading
    StretchLayout stretch_;
    QSize designClient_;
};

}  // namespace lunarys::ui
