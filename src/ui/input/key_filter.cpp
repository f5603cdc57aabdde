#include "ui/input/key_filter.h"

#include <optional>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include "engine/input_check.h"
#include "ui/shell/platform.h"

namespace lunarys::ui {

namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;
constexpr char32_t kEscape = 27;
constexpr char32_t kSpace = 32;

// The character code a key press types, as a box's key handler sees it:
// Ctrl with a letter gives the control codes 1 to 26, Enter 13, Backspace 8.
// Keys that type nothing (arrows, Delete, function keys), focus moves by Tab
// and Alt or Meta combinations have none.
std::optional<char32_t> TypedCode(const QKeyEvent& key)
{
    const int k = key.key();
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab)
        return std::nullopt;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (k) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Escape: return kEscape;
    default: break;
    }
    if (modifiers & Qt::ControlModifier) {
        if (k >= Qt::Key_A && k <= Qt::Key_Z)
            return static_cast<char32_t>(k - Qt::Key_A + 1);
        return std::nullopt;
    }
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    const char32_t code = text.toUcs4().value(0);
    if (QChar::category(code) == QChar::Other_Control)
        return std::nullopt;
    return code;
}

// An Alt or Meta combination that carries text. The window takes its access
// keys as shortcuts before the key press is sent, so one that reaches a box
// is no access key; the line edit would still insert its text.
bool IsAltOrMetaText(const QKeyEvent& key)
{
    if (!(key.modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && QChar::category(text.toUcs4().value(0)) != QChar::Other_Control;
}

bool IsAsciiDigit(char32_t code) { return code >= U'0' && code <= U'9'; }

// The editing shortcuts every text box has; the line edit carries them out.
// Pasting is not among them: pasted text is filtered as typed text is.
bool IsEditingShortcut(const QKeyEvent& key)
{
    for (const QKeySequence::StandardKey standard :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo})
        if (key.matches(standard))
            return true;
    return false;
}

// The Paste entry of a line edit's standard context menu: named "edit-paste"
// in newer Qt versions, otherwise known by its caption before the shortcut.
QAction* StandardPasteEntry(const QMenu& menu)
{
    if (auto* named = menu.findChild<QAction*>(QStringLiteral("edit-paste")))
        return named;
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions())
        if (action->text().section(u'\t', 0, 0) == caption)
            return action;
    return nullptr;
}

}  // namespace

KeyFilter* KeyFilter::Install(QLineEdit& box, BoxRule rule, Dialogs& dialogs)
{
    auto* filter = new KeyFilter(box, rule, dialogs);
    box.installEventFilter(filter);
    // Dropped text would bypass the filter; the boxes take typing and pasting.
    box.setAcceptDrops(false);
    // Digits need no input method (names may: accented letters are composed).
    if (rule == BoxRule::Digits)
        box.setAttribute(Qt::WA_InputMethodEnabled, false);
    return filter;
}

KeyFilter::KeyFilter(QLineEdit& box, BoxRule rule, Dialogs& dialogs)
    : QObject(&box), box_(box), rule_(rule), dialogs_(dialogs)
{
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &box_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: return OnKeyPress(static_cast<const QKeyEvent&>(*event));
    case QEvent::ContextMenu: ShowContextMenu(static_cast<const QContextMenuEvent&>(*event)); return true;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (mouse.button() != Qt::MiddleButton || !clipboard->supportsSelection())
            return false;
        Insert(clipboard->text(QClipboard::Selection));
        return true;
    }
    case QEvent::InputMethod: {
        // Text still being composed is not yet in the box; what an input
        // method commits obeys the rule, whatever else the event carries.
        auto& input = static_cast<QInputMethodEvent&>(*event);
        const QString commit = input.commitString();
        if (commit.isEmpty())
            return false;
        if (!Accepts(commit)) {
            Refuse();
            return true;
        }
        if (rule_ == BoxRule::Name)
            input.setCommitString(engine::NameInCapitals(commit), input.replacementStart(), input.replacementLength());
        return false;
    }
    default: return false;
    }
}

bool KeyFilter::OnKeyPress(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Paste)) {
        Insert(QGuiApplication::clipboard()->text());
        return true;
    }
    if (IsEditingShortcut(key))
        return false;
    if (IsAltOrMetaText(key))
        return true;   // types nothing, and is no mistake worth a message
    const std::optional<char32_t> code = TypedCode(key);
    if (!code)
        return false;
    // Enter does in a box what it does anywhere in the window.
    if (*code == kBackspace || *code == kEnter)
        return false;

    if (rule_ == BoxRule::Digits) {
        if (IsAsciiDigit(*code))
            return false;
        Refuse();
        return true;
    }

    if (*code == kSpace)
        return false;
    // Letters are typed in lower case and kept in capitals.
    Insert(QString::fromUcs4(&*code, 1));
    return true;
}

bool KeyFilter::Accepts(const QString& text) const
{
    if (rule_ == BoxRule::Digits)
        return engine::IsDigitText(text);
    // Letters and blanks fit anywhere; a hyphen or an apostrophe only after
    // a letter, so the name is judged as it will read.
    if (engine::IsNameText(text))
        return true;
    QString result = box_.text();
    const int start = box_.hasSelectedText() ? box_.selectionStart() : box_.cursorPosition();
    result.replace(start, box_.hasSelectedText() ? box_.selectedText().size() : 0, text);
    return engine::IsNameBeingTyped(result);
}

void KeyFilter::Insert(const QString& text)
{
    if (text.isEmpty())
        return;
    if (!Accepts(text)) {
        Refuse();
        return;
    }
    box_.insert(rule_ == BoxRule::Name ? engine::NameInCapitals(text) : text);
}

void KeyFilter::Refuse()
{
    if (rule_ == BoxRule::Digits)
        dialogs_.ShowMessage(QString::fromLatin1(engine::messages::OnlyNumbers), MessageIcon::Error);
    else
        dialogs_.ShowMessage(QString::fromLatin1(engine::messages::OnlyLetters), MessageIcon::Information);
}

void KeyFilter::ShowContextMenu(const QContextMenuEvent& event)
{
    QMenu* menu = box_.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The standard Paste entry would insert the clipboard unfiltered.
    if (QAction* paste = StandardPasteEntry(*menu)) {
        QObject::disconnect(paste, nullptr, &box_, nullptr);
        connect(paste, &QAction::triggered, this, [this] { Insert(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event.globalPos());
}

}  // namespace lunarys::ui
