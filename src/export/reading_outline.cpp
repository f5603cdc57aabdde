#include "export/reading_outline.h"

#include <array>

#include <QRegularExpression>

#include "engine/house.h"
#include "presentation/reading_labels.h"
#include "presentation/time_ranges.h"

namespace lunarys::exports {

namespace {

using Kind = OutlineBlock::Kind;

struct PartLayout {
    Part part;
    Kind kind;
    int level;
    const char* caption;
};

// The reading's pieces in order, with their captions.
constexpr std::array<PartLayout, 21> kParts{{
    {Part::MidpointTab, Kind::Heading, 1, "About Midpoint Astrology"},
    {Part::Midpoint, Kind::Field, 0, "Midpoint"},
    {Part::MidpointElement, Kind::Field, 0, "Midpoint Element"},
    {Part::MidpointPersonality, Kind::Field, 0, "Midpoint Personality"},
    {Part::Personality, Kind::Text, 2, "More About Personality"},
    {Part::GeneralTraits, Kind::Text, 2, "General Traits"},
    {Part::PositiveTraits, Kind::Text, 2, "Positive Traits"},
    {Part::NegativeTraits, Kind::Text, 2, "Negative Traits"},
    {Part::SunMoonHouseTab, Kind::Heading, 1, "About Sun, Moon and House"},
    {Part::SunFrame, Kind::Heading, 2, "Planet Sun's Characteristics"},
    {Part::SunGeneral, Kind::Text, 3, "More About The Sun"},
    {Part::SunIn, Kind::Field, 0, "Sun In"},
    {Part::SunInSign, Kind::Text, 3, ""},
    {Part::MoonFrame, Kind::Heading, 2, "Planet Moon's Characteristics"},
    {Part::MoonElement, Kind::Field, 0, "Element"},
    {Part::MoonGeneral, Kind::Text, 3, ""},
    {Part::MoonIn, Kind::Field, 0, "Moon In"},
    {Part::MoonInSign, Kind::Text, 3, ""},
    {Part::HouseFrame, Kind::Heading, 2, "Midpoint House Characteristics"},
    {Part::MidpointLiesIn, Kind::Field, 0, "Midpoint lies in"},
    {Part::HouseText, Kind::Text, 3, ""},
}};

constexpr bool InOrder()
{
    for (std::size_t i = 0; i < kParts.size(); ++i)
        if (kParts[i].part != static_cast<Part>(i))
            return false;
    return true;
}
static_assert(InOrder(), "the table lists every part once, in the order of the enumeration");

QString ValueOf(Part part, const engine::Reading& r, const engine::ReadingTexts& t)
{
    using namespace presentation;
    const engine::Sign midpoint = r.Midpoint.Sign;
    switch (part) {
    case Part::Midpoint: return MidpointCaption(r.Midpoint);
    case Part::MidpointElement: return ElementName(engine::ElementOf(midpoint));
    case Part::MidpointPersonality: return TemperamentName(engine::TemperamentOf(midpoint));
    case Part::Personality: return t.Personality;
    case Part::GeneralTraits: return t.GeneralTraits;
    case Part::PositiveTraits: return t.PositiveTraits;
    case Part::NegativeTraits: return t.NegativeTraits;
    case Part::SunGeneral: return t.SunGeneral;
    case Part::SunIn: return SignName(r.Sun.Sign);
    case Part::SunInSign: return t.SunInSign;
    case Part::MoonElement: return ElementName(engine::ElementOf(r.Moon.Sign));
    case Part::MoonGeneral: return t.MoonGeneral;
    case Part::MoonIn: return SignName(r.Moon.Sign);
    case Part::MoonInSign: return t.MoonInSign;
    case Part::MidpointLiesIn: return HouseName(r.House);
    case Part::HouseText: return t.HouseText;
    case Part::MidpointTab:
    case Part::SunMoonHouseTab:
    case Part::SunFrame:
    case Part::MoonFrame:
    case Part::HouseFrame: break;
    }
    return {};
}

}  // namespace

QString CaptionOf(Part part) { return QString::fromLatin1(kParts[static_cast<std::size_t>(part)].caption); }

ReadingOutline OutlineOf(const engine::Reading& r, const engine::ReadingTexts& t)
{
    using namespace presentation;
    ReadingOutline o;
    o.Name = r.Birth.Name;
    o.Title = QStringLiteral("Midpoint astrology reading for %1").arg(r.Birth.Name);
    o.Positions = QStringLiteral("Sun %1, Moon %2, Ascendant %3")
                      .arg(PositionText(r.Sun), PositionText(r.Moon), AscendantText(r));
    o.Birth = {QStringLiteral("Birth details"), BirthDetailLines(r)};
    o.Holds = HoldsSentence(r);
    o.Chart = {QStringLiteral("The chart"), ChartDetailLines(r)};
    for (const PartLayout& p : kParts) {
        OutlineBlock block{p.kind, p.part, p.level, QString::fromLatin1(p.caption), ValueOf(p.part, r, t)};
        if (p.part == Part::HouseText) {
            // A reading without a house has no house text to head.
            if (r.House < 1 || r.House > static_cast<int>(engine::Houses.size()) || t.HouseHeading.isEmpty())
                continue;
            block.Caption = t.HouseHeading;
        }
        o.Body.append(block);
    }
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
