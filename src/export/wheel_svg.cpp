#include "export/wheel_svg.h"

#include <cmath>

#include "engine/zodiac.h"

namespace lunarys::exports {

namespace {

QString N(double value)
{
    QString text = QString::number(value, 'f', 2);
    if (text == QStringLiteral("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QString Point(const QPointF& p) { return N(p.x()) + u' ' + N(p.y()); }

QString Colour(const char* hex) { return QString::fromLatin1(hex); }

// One sign's piece of the ring: out along the outer edge counter-clockwise
// (SVG sweep 0 on a y-down screen), back along the inner edge clockwise.
QString SectorPath(const ChartWheel& w, double fromLongitude, double toLongitude)
{
    const QString outer = N(w.OuterRadius);
    const QString inner = N(w.ZodiacRadius);
    return QStringLiteral("M%1 A%2 %2 0 0 0 %3 L%4 A%5 %5 0 0 1 %6 Z")
        .arg(Point(w.At(fromLongitude, w.OuterRadius)), outer, Point(w.At(toLongitude, w.OuterRadius)),
             Point(w.At(toLongitude, w.ZodiacRadius)), inner, Point(w.At(fromLongitude, w.ZodiacRadius)));
}

QString Line(const QPointF& a, const QPointF& b, const QString& attributes)
{
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5/>\n")
        .arg(N(a.x()), N(a.y()), N(b.x()), N(b.y()), attributes);
}

QString Text(const QPointF& at, const QString& text, const QString& attributes)
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\" %3>%4</text>\n")
        .arg(N(at.x()), N(at.y()), attributes, text.toHtmlEscaped());
}

QString Circle(const QPointF& at, double radius, const QString& attributes)
{
    return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" %4/>\n").arg(N(at.x()), N(at.y()), N(radius), attributes);
}

}  // namespace

QString WheelAsSvg(const ChartWheel& w, const QString& title)
{
    const QString ink = Colour(WheelInk);
    const QString size = N(w.Size);
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %1\" role=\"img\" "
                                 "aria-labelledby=\"wheel-title\" font-family=\"sans-serif\" "
                                 "text-anchor=\"middle\" dominant-baseline=\"central\">\n")
                      .arg(size);
    svg += QStringLiteral("<title id=\"wheel-title\">%1</title>\n").arg(title.toHtmlEscaped());

    svg += QStringLiteral("<g class=\"signs\" stroke=\"%1\" stroke-width=\"1\">\n").arg(ink);
    for (const WheelSign& sign : w.Signs)
        svg += QStringLiteral("<path class=\"sign\" fill=\"%1\" d=\"%2\"/>\n")
                   .arg(Colour(ElementFill(engine::ElementOf(sign.Sign))),
                        SectorPath(w, sign.StartLongitude, sign.StartLongitude + 30));
    svg += QStringLiteral("</g>\n<g class=\"sign-labels\" font-size=\"13\" fill=\"%1\">\n").arg(ink);
    for (const WheelSign& sign : w.Signs)
        svg += Text(sign.LabelCentre, sign.Label, {});
    svg += QStringLiteral("</g>\n");

    svg += QStringLiteral("<g class=\"houses\" stroke=\"%1\">\n").arg(ink);
    for (const WheelHouse& house : w.Houses) {
        const bool horizon = house.Number == 1 || house.Number == 7;
        svg += Line(house.CuspInner, house.CuspOuter,
                    QStringLiteral("id=\"cusp-%1\" stroke-width=\"%2\"").arg(house.Number).arg(horizon ? 2 : 0.75));
    }
    svg += Circle(w.Centre, w.HubRadius, QStringLiteral("id=\"wheel-hub\" fill=\"#ffffff\" stroke-width=\"1\""));
    svg += QStringLiteral("</g>\n<g class=\"house-numbers\" font-size=\"11\" fill=\"%1\">\n").arg(ink);
    for (const WheelHouse& house : w.Houses)
        svg += Text(house.LabelCentre, QString::number(house.Number), {});
    svg += QStringLiteral("</g>\n<g class=\"marks\" font-size=\"12\" font-weight=\"bold\">\n");
    for (const WheelMark& mark : w.Marks) {
        const QString colour = Colour(MarkColour(mark.Body));
        svg += Line(mark.TickFrom, mark.TickTo, QStringLiteral("stroke=\"%1\" stroke-width=\"2\"").arg(colour));
        svg += Circle(mark.Dot, w.DotRadius,
                      QStringLiteral("class=\"mark\" id=\"mark-%1\" fill=\"%2\"")
                          .arg(QString::fromLatin1(BodyId(mark.Body)), colour));
        svg += Text(mark.LabelCentre, mark.Label, QStringLiteral("fill=\"%1\"").arg(colour));
    }
    svg += QStringLiteral("</g>\n</svg>\n");
    return svg;
}

}  // namespace lunarys::exports
