#include "export/wheel_painter.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "engine/zodiac.h"

namespace lunarys::exports {

namespace {

QColor Colour(const char* hex) { return QColor(QString::fromLatin1(hex)); }

QRectF Square(const QPointF& centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// QPainterPath angles run counter-clockwise from three o'clock on screen,
// like the wheel's own.
QPainterPath Sector(const ChartWheel& w, double fromLongitude)
{
    const double start = w.ScreenAngle(fromLongitude);
    QPainterPath path;
    path.arcMoveTo(Square(w.Centre, w.OuterRadius), start);
    path.arcTo(Square(w.Centre, w.OuterRadius), start, 30);
    path.arcTo(Square(w.Centre, w.ZodiacRadius), start + 30, -30);
    path.closeSubpath();
    return path;
}

void Label(QPainter& painter, const QPointF& centre, const QString& text)
{
    const QRectF box(centre.x() - 40, centre.y() - 12, 80, 24);
    painter.drawText(box, Qt::AlignCenter, text);
}

QFont WheelFont(int pixels, bool bold)
{
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

void PaintWheel(QPainter& painter, const ChartWheel& w, const QRectF& target)
{
    painter.save();
    const double side = std::min(target.width(), target.height());
    const double scale = side / w.Size;
    painter.translate(target.center().x() - side / 2, target.center().y() - side / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    const QColor ink = Colour(WheelInk);
    painter.setPen(QPen(ink, 1));
    for (const WheelSign& sign : w.Signs) {
        painter.setBrush(Colour(ElementFill(engine::ElementOf(sign.Sign))));
        painter.drawPath(Sector(w, sign.StartLongitude));
    }
    painter.setFont(WheelFont(13, false));
    for (const WheelSign& sign : w.Signs)
        Label(painter, sign.LabelCentre, sign.Label);

    for (const WheelHouse& house : w.Houses) {
        const bool horizon = house.Number == 1 || house.Number == 7;
        painter.setPen(QPen(ink, horizon ? 2 : 0.75));
        painter.drawLine(house.CuspInner, house.CuspOuter);
    }
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(w.Centre, w.HubRadius, w.HubRadius);
    painter.setFont(WheelFont(11, false));
    for (const WheelHouse& house : w.Houses)
        Label(painter, house.LabelCentre, QString::number(house.Number));

    painter.setFont(WheelFont(12, true));
    for (const WheelMark& mark : w.Marks) {
        const QColor colour = Colour(MarkColour(mark.Body));
        painter.setPen(QPen(colour, 2));
        painter.drawLine(mark.TickFrom, mark.TickTo);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(mark.Dot, w.DotRadius, w.DotRadius);
        painter.setPen(colour);
        Label(painter, mark.LabelCentre, mark.Label);
    }
    painter.restore();
}

}  // namespace lunarys::exports
