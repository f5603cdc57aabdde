#pragma once

#include <QLabel>

namespace lunarys::ui {

// A label that runs a command when clicked, shown with a hand pointer.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // A word-wrapped, underlined label in the palette's link colour, as the
    // input window and the about box show their links.
    static LinkLabel* Create(const QString& text, const char* objectName, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lunarys::ui
