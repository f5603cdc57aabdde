#include "presentation/reading_text.h"

#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

QString Plain(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void Section(QString& out, const QString& heading, const QString& text)
{
    out += heading + u'\n';
    if (!text.isEmpty())
        out += Plain(text) + u'\n';
    out += u'\n';
}

void Line(QString& out, const QString& caption, const QString& value)
{
    out += caption + QStringLiteral(": ") + value + u'\n';
}

}  // namespace

QString ReadingAsText(const engine::Reading& r, const engine::ReadingTexts& t)
{
    QString out;
    out += QStringLiteral("Midpoint astrology reading for %1\n").arg(r.Birth.Name);
    out += QStringLiteral("Sun %1, Moon %2, Ascendant %3\n")
               .arg(PositionText(r.Sun), PositionText(r.Moon), AscendantText(r));
    // "1990-07-04T01:00Z" as "1990-07-04 01:00".
    Line(out, QStringLiteral("Universal time"), UniversalTimeText(r.Clock).replace(u'T', u' ').chopped(1));
    if (!r.Clock.Note.isEmpty())
        Line(out, QStringLiteral("Clock"), r.Clock.Note);
    out += u'\n';

    out += QStringLiteral("== About Midpoint Astrology ==\n");
    Line(out, QStringLiteral("Midpoint"), MidpointCaption(r.Midpoint));
    Line(out, QStringLiteral("Midpoint Element"), ElementName(engine::ElementOf(r.Midpoint.Sign)));
    Line(out, QStringLiteral("Midpoint Personality"), TemperamentName(engine::TemperamentOf(r.Midpoint.Sign)));
    out += u'\n';
    Section(out, QStringLiteral("More About Personality"), t.Personality);
    Section(out, QStringLiteral("General Traits"), t.GeneralTraits);
    Section(out, QStringLiteral("Positive Traits"), t.PositiveTraits);
    Section(out, QStringLiteral("Negative Traits"), t.NegativeTraits);

    out += QStringLiteral("== About Sun, Moon and House ==\n");
    out += QStringLiteral("-- Planet Sun's Characteristics --\n");
    Section(out, QStringLiteral("More About The Sun"), t.SunGeneral);
    Line(out, QStringLiteral("Sun In"), SignName(r.Sun.Sign));
    out += Plain(t.SunInSign) + QStringLiteral("\n\n");

    out += QStringLiteral("-- Planet Moon's Characteristics --\n");
    Line(out, QStringLiteral("Element"), ElementName(engine::ElementOf(r.Moon.Sign)));
    out += Plain(t.MoonGeneral) + QStringLiteral("\n\n");
    Line(out, QStringLiteral("Moon In"), SignName(r.Moon.Sign));
    out += Plain(t.MoonInSign) + QStringLiteral("\n\n");

    out += QStringLiteral("-- Midpoint House Characteristics --\n");
    Line(out, QStringLiteral("Midpoint lies in"), HouseName(r.House));
    if (!t.HouseHeading.isEmpty())
        Section(out, t.HouseHeading, t.HouseText);
    while (out.endsWith(QStringLiteral("\n\n")))
        out.chop(1);
    return out;
}

}  // namespace lunarys::presentation
