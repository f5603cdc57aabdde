#include "ui/shell/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace lunarys::ui {

namespace {

// A drop-down list as a screen reader sees it: named by what it is for, its
// current item as its value and as its text (a screen reader reads a list's
// value from its text), and its item list as its one child.
class ListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QComboBox* List() const { return static_cast<QComboBox*>(object()); }
    QString Shown() const { return List()->currentText(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Shown();
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? Shown() : own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = List()->view()->isVisible();
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == List()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (List()->view()->isVisible())
            List()->hidePopup();
        else
            List()->showPopup();
    }

    // The text: the current item, read-only, without selection or caret.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// The label whose buddy `value` is, if any.
QLabel* CaptionOf(const QLabel& value)
{
    if (const QWidget* parent = value.parentWidget())
        for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == &value)
                return label;
    return nullptr;
}

// A value label read with its caption, as it reads now: "Midpoint Element:
// Earth", or only the caption while the value is empty.
class ValueAccessible : public QAccessibleWidget {
public:
    explicit ValueAccessible(QLabel* value) : QAccessibleWidget(value, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* value = static_cast<const QLabel*>(object());
        const QLabel* caption = CaptionOf(*value);
        if (t != QAccessible::Name || !value->accessibleName().isEmpty() || !caption)
            return QAccessibleWidget::text(t);
        return value->text().isEmpty() ? caption->text() : caption->text() + QStringLiteral(": ") + value->text();
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox")) {
        auto* list = qobject_cast<QComboBox*>(object);
        if (list && !list->isEditable())
            return new ListAccessible(list);
    } else if (className == QLatin1String("QLabel")) {
        auto* label = qobject_cast<QLabel*>(object);
        if (label && CaptionOf(*label))
            return new ValueAccessible(label);
    }
    return nullptr;
}

// Qt asks the factory installed last first, so this one comes before the one
// that makes Qt's own interfaces. It has to be in place before the first
// list or value label is asked for its interface, which is then kept.
void InstallFactory()
{
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

// Sets a widget's accessible name again when it is shown and when its text
// changes.
class NameFollower : public QObject {
public:
    NameFollower(QWidget& widget, std::function<QString()> name)
        : QObject(&widget), widget_(widget), name_(std::move(name))
    {
        widget.installEventFilter(this);
        if (auto* box = qobject_cast<QPlainTextEdit*>(&widget))
            connect(box, &QPlainTextEdit::textChanged, this, &NameFollower::Refresh);
        if (auto* box = qobject_cast<QTextEdit*>(&widget))
            connect(box, &QTextEdit::textChanged, this, &NameFollower::Refresh);
        Refresh();
    }

    void Refresh()
    {
        const QString name = name_();
        if (widget_.accessibleName() != name)
            widget_.setAccessibleName(name);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &widget_ && event->type() == QEvent::Show)
            Refresh();
        return false;
    }

private:
    QWidget& widget_;
    std::function<QString()> name_;
};

}  // namespace

void NameList(QComboBox& list, const QString& name)
{
    InstallFactory();
    list.setAccessibleName(name);
    // A screen reader hears a new item as a change of the list's text.
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list, shown = list.currentText()](const QString& now) mutable {
                         QAccessibleTextUpdateEvent event(&list, 0, shown, now);
                         QAccessible::updateAccessibility(&event);
                         shown = now;
                     });
}

void FollowName(QWidget& widget, std::function<QString()> name) { new NameFollower(widget, std::move(name)); }

void ReadWithCaption(QLabel& caption, QLabel& value)
{
    InstallFactory();
    caption.setBuddy(&value);
}

}  // namespace lunarys::ui
