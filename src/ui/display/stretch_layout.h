#pragma once

#include <vector>

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace lunarys::ui {

// How a control follows the window when the window is larger than its
// design size: the share of the extra width and height by which it moves
// and by which it grows. {0, 0, 0, 0} keeps it where it is.
struct Stretch {
    double moveX = 0;
    double moveY = 0;
    double growWidth = 0;
    double growHeight = 0;
};

// Places controls laid out at fixed positions for a window that has grown:
// each keeps its design geometry plus its shares of the extra size. At the
// design size nothing moves.
class StretchLayout {
public:
    void Add(QWidget& widget, Stretch stretch);

    // Takes each control's present geometry as its design geometry, less
    // what the present extra size has added to it. Run after a control was
    // fitted to its text.
    void Capture();

    // The window's client is now `extra` larger than its design size (never
    // smaller: the design size is the least).
    void Apply(QSize extra);

private:
    struct Entry {
        QPointer<QWidget> widget;
        Stretch stretch;
        QRect design;
    };
    static QRect Stretched(const QRect& design, const Stretch& stretch, QSize extra);

    std::vector<Entry> entries_;
    QSize extra_{0, 0};
};

}  // namespace lunarys::ui
