#pragma once

// Helpers for driving the windows in tests: a whole program wired to fakes,
// lookup of controls by objectName, and typing.
#include <stdexcept>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>
#include <QtTest/QtTest>

#include "fakes.h"
#include "ui/display/frm_display.h"
#include "ui/display/result_windows.h"
#include "ui/input/frm_main.h"
#include "ui/shell/program.h"

namespace lunarys::ui::testing {

// The program as main() puts it together, with fakes in place of the
// platform.
struct RunningProgram {
    FakePlatform fakes;
    engine::ChartState chart;
    Program program{fakes.services};
    ResultWindows results{program};

    bool Start()
    {
        return program.StartProgram(FrmMain::Factory(chart, results));
    }
    FrmMain& Input() const
    {
        auto* input = qobject_cast<FrmMain*>(program.InputWindow());
        if (!input)
            throw std::runtime_error("the input window has not been created");
        return *input;
    }
    FrmDisplay* Result() const { return results.ResultWindow(); }
};

// A control by its objectName; a missing one fails the test.
template <typename T>
T& Control(const QObject& root, const char* objectName)
{
    T* found = root.findChild<T*>(QString::fromLatin1(objectName));
    if (!found)
        throw std::runtime_error(std::string("no control named ") + objectName);
    return *found;
}

// Deletes the windows that asked to be deleted later.
inline void DeleteLaterNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A key as a keyboard sends it: text that needs no key code of its own
// (letters of any alphabet) goes as the event's text.
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};
using KeyStrokes = QList<KeyStroke>;

// Plain text typed character by character.
KeyStrokes Typed(const QString& text);
KeyStroke Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Send(QWidget& widget, const KeyStrokes& strokes);

char* toString(const ShownMessage& message);

// Birth details as the input window takes them.
struct Birth {
    QString typedName;
    int month;      // list index
    int day;        // list index
    QString year;
    QString hour;
    QString minute;
    int zone;
    QString lonDeg, lonMin;
    bool west;
    QString latDeg, latMin;
    bool south;
};

// The worked example: Mary Ann, 4 July 1990, 06:30 Indian time, 72° 50' E,
// 18° 57' N.
inline const Birth kExample{QStringLiteral("Mary Ann"), 6, 3, QStringLiteral("1990"), QStringLiteral("6"),
                     QStringLiteral("30"), 34, QStringLiteral("72"), QStringLiteral("50"), false,
                     QStringLiteral("18"), QStringLiteral("57"), false};

// Enters a birth as a user would: typing into the boxes, picking from lists.
void Enter(FrmMain& input, const Birth& birth);


}  // namespace lunarys::ui::testing

Q_DECLARE_METATYPE(lunarys::ui::testing::KeyStroke)
Q_DECLARE_METATYPE(lunarys::ui::testing::ShownMessage)
