#pragma once

#include <QObject>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

namespace lunarys::ui {

class Dialogs;

// What a filtered box takes, from the keyboard or from a paste.
enum class BoxRule {
    Name,    // letters of any alphabet and blanks, shown in capitals
    Digits,  // the decimal digits 0 to 9
};

// Filters the characters that reach a line edit: typed keys, pastes by key,
// context menu or middle click, and text from an input method. A refused
// character brings the rule's message and leaves the box as it was.
class KeyFilter : public QObject {
    Q_OBJECT

public:
    // The filter belongs to the box.
    static KeyFilter* Install(QLineEdit& box, BoxRule rule, Dialogs& dialogs);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyFilter(QLineEdit& box, BoxRule rule, Dialogs& dialogs);

    bool OnKeyPress(const QKeyEvent& key);
    bool Accepts(const QString& text) const;
    void Insert(const QString& text);
    void Refuse();
    void ShowContextMenu(const QContextMenuEvent& event);

    QLineEdit& box_;
    BoxRule rule_;
    Dialogs& dialogs_;
};

}  // namespace lunarys::ui
