#include "ui/display/display_style.h"

#include <cmath>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QWidget>

namespace lunarys::ui {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kSmallestPointSize = 6.0;
constexpr double kPointStep = 0.25;
const char* const kDesignRect = "designRect";
const char* const kDesignFont = "designFont";

QString FindReadingFontFamily()
{
    const QString verdana = QStringLiteral("Verdana");
    if (QFontDatabase::families().contains(verdana, Qt::CaseInsensitive))
        return verdana;
    QFont sans(QStringLiteral("Sans Serif"));
    sans.setStyleHint(QFont::SansSerif);
    return QFontInfo(sans).family();
}

struct Needed {
    int width;
    int height;
};

Needed TextSize(const QLabel& label, int width)
{
    const QFontMetrics metrics(label.font());
    const int frame = 2 * label.frameWidth() + 2 * label.margin();
    if (label.wordWrap()) {
        const QRect bounds = metrics.boundingRect(QRect(0, 0, width - frame, 100000),
                                                  Qt::TextWordWrap | int(label.alignment()), label.text());
        return {bounds.width() + frame, bounds.height() + frame};
    }
    return {metrics.horizontalAdvance(label.text()) + frame + 1, metrics.height() + frame};
}

}  // namespace

QString ReadingFontFamily()
{
    static const QString family = FindReadingFontFamily();
    return family;
}

QFont ReadingFont(double pointSize, bool bold)
{
    QFont font(ReadingFontFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

int TwipsToPixels(int twips, double logicalDpi)
{
    return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

QRect TwipsToPixels(const QRect& twips, double logicalDpiX, double logicalDpiY)
{
    const int left = TwipsToPixels(twips.x(), logicalDpiX);
    const int top = TwipsToPixels(twips.y(), logicalDpiY);
    // Edges, not sizes, are rounded, so neighbours meet without gaps.
    const int right = TwipsToPixels(twips.x() + twips.width(), logicalDpiX);
    const int bottom = TwipsToPixels(twips.y() + twips.height(), logicalDpiY);
    return {left, top, right - left, bottom - top};
}

void PlaceInTwips(QWidget& widget, int left, int top, int width, int height)
{
    widget.setGeometry(TwipsToPixels(QRect(left, top, width, height), widget.logicalDpiX(), widget.logicalDpiY()));
}

void PlaceLabelInTwips(QLabel& label, int left, int top, int width, int height)
{
    label.setProperty(kDesignRect,
                      TwipsToPixels(QRect(left, top, width, height), label.logicalDpiX(), label.logicalDpiY()));
    label.setProperty(kDesignFont, label.font());
    FitLabel(label);
}

void FitLabel(QLabel& label)
{
    const QVariant stored = label.property(kDesignRect);
    if (!stored.isValid())
        return;
    const QRect design = stored.toRect();
    label.setFont(label.property(kDesignFont).value<QFont>());
    const int room = label.parentWidget() ? label.parentWidget()->width() : design.right() + 1;

    auto fitted = [&](int width) {
        QRect rect = design;
        rect.setWidth(width);
        if (label.alignment() & Qt::AlignHCenter)
            rect.moveLeft(design.center().x() - width / 2);
        else if (label.alignment() & Qt::AlignRight)
            rect.moveRight(design.right());
        // Keep it inside the parent.
        if (rect.right() >= room)
            rect.moveRight(room - 1);
        if (rect.left() < 0)
            rect.moveLeft(0);
        return rect;
    };

    const int widest = std::max(design.width(), room);
    for (;;) {
        const Needed needed = TextSize(label, label.wordWrap() ? design.width() : widest);
        const bool fitsWidth = label.wordWrap() || needed.width <= widest;
        const bool fitsHeight = !label.wordWrap() || needed.height <= design.height();
        const double size = label.font().pointSizeF();
        if ((fitsWidth && fitsHeight) || size - kPointStep < kSmallestPointSize) {
            QRect rect = fitted(label.wordWrap() ? design.width() : std::max(design.width(), needed.width));
            rect.setHeight(std::max(design.height(), needed.height));
            label.setGeometry(rect);
            return;
        }
        QFont smaller = label.font();
        smaller.setPointSizeF(size - kPointStep);
        label.setFont(smaller);
    }
}

}  // namespace lunarys::ui
