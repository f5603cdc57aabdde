#pragma once

#include <QLabel>

namespace lunarys::ui {

// A label that runs a command when clicked, shown with a hand pointer.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lunarys::ui
