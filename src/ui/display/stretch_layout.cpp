#include "ui/display/stretch_layout.h"

#include <cmath>

namespace lunarys::ui {

namespace {

int Share(double share, int extra) { return static_cast<int>(std::lround(share * extra)); }

}  // namespace

void StretchLayout::Add(QWidget& widget, Stretch stretch)
{
    entries_.push_back({&widget, stretch, widget.geometry()});
}

void StretchLayout::Capture()
{
    for (Entry& entry : entries_) {
        if (!entry.widget)
            continue;
        const QRect now = entry.widget->geometry();
        const Stretch& s = entry.stretch;
        entry.design = QRect(now.x() - Share(s.moveX, extra_.width()), now.y() - Share(s.moveY, extra_.height()),
                             now.width() - Share(s.growWidth, extra_.width()),
                             now.height() - Share(s.growHeight, extra_.height()));
    }
}

QRect StretchLayout::Stretched(const QRect& design, const Stretch& s, QSize extra)
{
    return QRect(design.x() + Share(s.moveX, extra.width()), design.y() + Share(s.moveY, extra.height()),
                 design.width() + Share(s.growWidth, extra.width()),
                 design.height() + Share(s.growHeight, extra.height()));
}

void StretchLayout::Apply(QSize extra)
{
    extra_ = extra.expandedTo(QSize(0, 0));
    for (const Entry& entry : entries_)
        if (entry.widget)
            entry.widget->setGeometry(Stretched(entry.design, entry.stretch, extra_));
}

}  // namespace lunarys::ui
