#include "support.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace lunarys::ui::testing {

KeyStrokes Typed(const QString& text)
{
    KeyStrokes strokes;
    for (const QChar c : text) {
        KeyStroke stroke;
        const QChar upper = c.toUpper();
        // Letters, digits and the common signs have their own key codes.
        if (upper.unicode() >= 0x20 && upper.unicode() < 0x7f)
            stroke.key = upper.unicode();
        stroke.modifiers = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        stroke.text = QString(c);
        strokes.append(stroke);
    }
    return strokes;
}

KeyStroke Key(int key, Qt::KeyboardModifiers modifiers)
{
    KeyStroke stroke;
    stroke.key = key;
    stroke.modifiers = modifiers;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: stroke.text = QStringLiteral("\r"); break;
    case Qt::Key_Backspace: stroke.text = QStringLiteral("\b"); break;
    case Qt::Key_Escape: stroke.text = QStringLiteral("\x1b"); break;
    case Qt::Key_Tab: stroke.text = QStringLiteral("\t"); break;
    case Qt::Key_Delete: stroke.text = QStringLiteral("\x7f"); break;
    default:
        if (modifiers & Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
            stroke.text = QString(QChar(key - Qt::Key_A + 1));
        else if (key >= 0x20 && key < 0x7f)
            stroke.text = QString(QChar(key)).toLower();
    }
    return stroke;
}

void Send(QWidget& widget, const KeyStrokes& strokes)
{
    for (const KeyStroke& stroke : strokes) {
        // The shortcut-override round comes first, as from a real keyboard.
        QKeyEvent override(QEvent::ShortcutOverride, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(&widget, &override);
        QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
        QCoreApplication::sendEvent(&widget, &release);
    }
}

char* toString(const ShownMessage& message)
{
    const QString icon = message.icon == MessageIcon::Error ? QStringLiteral("error") : QStringLiteral("information");
    return QTest::toString(QStringLiteral("\"%1\" (%2)").arg(message.text, icon));
}

namespace {

void Choose(QComboBox& list, int index)
{
    list.setFocus();
    list.setCurrentIndex(index);
}

}  // namespace

void Enter(FrmMain& input, const Birth& birth)
{
    for (const char* box : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM"})
        Control<QLineEdit>(input, box).clear();
    Send(Control<QLineEdit>(input, "txtName"), Typed(birth.typedName));
    Choose(Control<QComboBox>(input, "cboMonth"), birth.month);
    Choose(Control<QComboBox>(input, "cboDate"), birth.day);
    Choose(Control<QComboBox>(input, "cboYear"), Control<QComboBox>(input, "cboYear").findText(birth.year));
    Choose(Control<QComboBox>(input, "cboHH"), birth.hour.toInt());
    Choose(Control<QComboBox>(input, "cboMM"), birth.minute.toInt());
    Choose(Control<QComboBox>(input, "cmbTimeZone"), birth.zone);
    Send(Control<QLineEdit>(input, "txtLonD"), Typed(birth.lonDeg));
    Send(Control<QLineEdit>(input, "txtLonM"), Typed(birth.lonMin));
    QTest::mouseClick(&Control<QRadioButton>(input, birth.west ? "optLong_1" : "optLong_0"), Qt::LeftButton);
    Send(Control<QLineEdit>(input, "txtLatD"), Typed(birth.latDeg));
    Send(Control<QLineEdit>(input, "txtLatM"), Typed(birth.latMin));
    QTest::mouseClick(&Control<QRadioButton>(input, birth.south ? "optLat_1" : "optLat_0"), Qt::LeftButton);
}

}  // namespace lunarys::ui::testing
