#pragma once

#include <functional>

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace lunarys::ui {

// What a screen reader hears: names for the controls that their captions
// do not give them.

// Gives a drop-down list an accessible name that says what it is for. The
// list's current item stays its value and its text, and a screen reader hears
// a new item as a change of that text. (Qt on Linux otherwise names a list by
// its current item: "January combo box".) Call it before the list is filled.
void NameList(QComboBox& list, const QString& name);

// Keeps the accessible name of `widget` at what `name` says now: worked out
// again whenever the widget is shown and, for a text box, whenever its text
// changes. For the names that follow what a reading writes into a window.
void FollowName(QWidget& widget, std::function<QString()> name);

// Links a value label to its caption, so that it is read as
// "Caption: value", such as "Midpoint Element: Earth", whatever value it
// shows at the time. Call it before the label is shown.
void ReadWithCaption(QLabel& caption, QLabel& value);

}  // namespace lunarys::ui
