#include "export/reading_outline.h"

#include <QRegularExpression>

#include "presentation/reading_labels.h"
#include "presentation/time_ranges.h"

namespace lunarys::exports {

namespace {

OutlineBlock Heading(int level, const QString& caption) { return {OutlineBlock::Kind::Heading, level, caption, {}}; }
OutlineBlock Field(const QString& caption, const QString& value) { return {OutlineBlock::Kind::Field, 0, caption, value}; }
OutlineBlock Text(const QString& text) { return {OutlineBlock::Kind::Text, 0, {}, text}; }

}  // namespace

ReadingOutline OutlineOf(const engine::Reading& r, const engine::ReadingTexts& t)
{
    using namespace presentation;
    ReadingOutline o;
    o.Name = r.Birth.Name;
    o.Title = QStringLiteral("Midpoint astrology reading for %1").arg(r.Birth.Name);
    o.Birth = BirthDetailLines(r);
    o.Holds = HoldsSentence(r);
    o.Chart = ChartDetailLines(r);

    QList<OutlineBlock>& b = o.Body;
    const engine::Sign midpoint = r.Midpoint.Sign;
    b << Heading(1, QStringLiteral("About Midpoint Astrology"))
      << Field(QStringLiteral("Midpoint"), MidpointCaption(r.Midpoint))
      << Field(QStringLiteral("Midpoint Element"), ElementName(engine::ElementOf(midpoint)))
      << Field(QStringLiteral("Midpoint Personality"), TemperamentName(engine::TemperamentOf(midpoint)))
      << Heading(2, QStringLiteral("More About Personality")) << Text(t.Personality)
      << Heading(2, QStringLiteral("General Traits")) << Text(t.GeneralTraits)
      << Heading(2, QStringLiteral("Positive Traits")) << Text(t.PositiveTraits)
      << Heading(2, QStringLiteral("Negative Traits")) << Text(t.NegativeTraits);

    b << Heading(1, QStringLiteral("About Sun, Moon and House"))
      << Heading(2, QStringLiteral("Planet Sun's Characteristics"))
      << Heading(3, QStringLiteral("More About The Sun")) << Text(t.SunGeneral)
      << Field(QStringLiteral("Sun In"), SignName(r.Sun.Sign)) << Text(t.SunInSign)
      << Heading(2, QStringLiteral("Planet Moon's Characteristics"))
      << Field(QStringLiteral("Element"), ElementName(engine::ElementOf(r.Moon.Sign))) << Text(t.MoonGeneral)
      << Field(QStringLiteral("Moon In"), SignName(r.Moon.Sign)) << Text(t.MoonInSign)
      << Heading(2, QStringLiteral("Midpoint House Characteristics"))
      << Field(QStringLiteral("Midpoint lies in"), HouseName(r.House));
    if (!t.HouseHeading.isEmpty())
        b << Heading(3, t.HouseHeading) << Text(t.HouseText);
    return o;
}

QList<QString> Paragraphs(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    static const QRegularExpression blankLines(QStringLiteral("\n[ \t]*\n\\s*"));
    QList<QString> paragraphs;
    for (const QString& paragraph : plain.split(blankLines)) {
        const QString trimmed = paragraph.trimmed();
        if (!trimmed.isEmpty())
            paragraphs.append(trimmed);
    }
    return paragraphs;
}

}  // namespace lunarys::exports
