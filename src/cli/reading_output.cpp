#include "cli/reading_output.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include "engine/qt_text.h"
#include "engine/zodiac.h"
#include "engine/zones.h"

namespace lunarys::cli {

namespace {

using engine::NoSign;
using engine::Signs;

QString Q(std::string_view text) { return engine::ToQString(text); }

QString SignName(int sign) { return sign == NoSign ? QString() : Q(Signs[sign].FullName); }
QString SignElement(int sign) { return sign == NoSign ? QString() : Q(Signs[sign].Element); }
QString SignTemperament(int sign) { return sign == NoSign ? QString() : Q(Signs[sign].Temperament); }

QString Plain(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

void Section(QString& out, const QString& heading, const QString& text)
{
    out += heading + u'\n';
    if (!text.isEmpty())
        out += Plain(text) + u'\n';
    out += u'\n';
}

void Line(QString& out, const QString& caption, const QString& value) { out += caption + QStringLiteral(": ") + value + u'\n'; }

}  // namespace

QString ReadingAsText(const QString& name, const engine::ChartState& c, const engine::ReadingTexts& t)
{
    QString out;
    out += QStringLiteral("Midpoint astrology reading for %1\n").arg(name);
    out += QStringLiteral("Sun %1, Moon %2, Ascendant %3\n\n")
               .arg(Q(c.SunPositionText), Q(c.MoonPositionText), Q(c.AscendantText));

    out += QStringLiteral("== About Midpoint Astrology ==\n");
    Line(out, QStringLiteral("Midpoint"), Q(c.MidpointCaption));
    Line(out, QStringLiteral("Midpoint Element"), SignElement(c.MidpointSign));
    Line(out, QStringLiteral("Midpoint Personality"), SignTemperament(c.MidpointSign));
    out += u'\n';
    Section(out, QStringLiteral("More About Personality"), t.Personality);
    Section(out, QStringLiteral("General Traits"), t.GeneralTraits);
    Section(out, QStringLiteral("Positive Traits"), t.PositiveTraits);
    Section(out, QStringLiteral("Negative Traits"), t.NegativeTraits);

    out += QStringLiteral("== About Sun, Moon and House ==\n");
    out += QStringLiteral("-- Planet Sun's Characteristics --\n");
    Section(out, QStringLiteral("More About The Sun"), t.SunGeneral);
    Line(out, QStringLiteral("Sun In"), SignName(c.SunSign));
    out += Plain(t.SunInSign) + QStringLiteral("\n\n");

    out += QStringLiteral("-- Planet Moon's Characteristics --\n");
    Line(out, QStringLiteral("Element"), SignElement(c.MoonSign));
    out += Plain(t.MoonGeneral) + QStringLiteral("\n\n");
    Line(out, QStringLiteral("Moon In"), SignName(c.MoonSign));
    out += Plain(t.MoonInSign) + QStringLiteral("\n\n");

    out += QStringLiteral("-- Midpoint House Characteristics --\n");
    Line(out, QStringLiteral("Midpoint lies in"), Q(c.MidpointHouseName));
    if (!t.HouseHeading.isEmpty())
        Section(out, t.HouseHeading, t.HouseText);
    while (out.endsWith(QStringLiteral("\n\n")))
        out.chop(1);
    return out;
}

QByteArray ReadingAsJson(const QString& name, const engine::ChartState& c, const engine::ReadingTexts& t)
{
    const auto houseNumber = c.MidpointHouse == 0 ? QJsonValue() : QJsonValue(c.MidpointHouse);
    const QJsonObject reading{
        {QStringLiteral("name"), name},
        {QStringLiteral("timeZoneHours"), c.TimeZoneHours},
        {QStringLiteral("timeZoneMinutes"), c.TimeZoneMinutes},
        {QStringLiteral("sun"),
         QJsonObject{{QStringLiteral("longitude"), c.SunLongitude},
                     {QStringLiteral("whole"), static_cast<int>(c.SunLongitudeWhole)},
                     {QStringLiteral("text"), Q(c.SunPositionText)},
                     {QStringLiteral("sign"), SignName(c.SunSign)}}},
        {QStringLiteral("moon"),
         QJsonObject{{QStringLiteral("longitude"), c.MoonLongitude},
                     {QStringLiteral("whole"), c.MoonLongitudeWhole},
                     {QStringLiteral("text"), Q(c.MoonPositionText)},
                     {QStringLiteral("sign"), SignName(c.MoonSign)},
                     {QStringLiteral("element"), SignElement(c.MoonSign)}}},
        {QStringLiteral("ascendant"),
         QJsonObject{{QStringLiteral("longitude"), c.AscendantLongitude},
                     {QStringLiteral("text"), Q(c.AscendantText)}}},
        {QStringLiteral("midpoint"),
         QJsonObject{{QStringLiteral("degree"), c.MidpointDegree},
                     {QStringLiteral("label"), Q(c.MidpointLabel)},
                     {QStringLiteral("caption"), Q(c.MidpointCaption)},
                     {QStringLiteral("sign"), SignName(c.MidpointSign)},
                     {QStringLiteral("element"), SignElement(c.MidpointSign)},
                     {QStringLiteral("temperament"), SignTemperament(c.MidpointSign)}}},
        {QStringLiteral("house"),
         QJsonObject{{QStringLiteral("number"), houseNumber}, {QStringLiteral("name"), Q(c.MidpointHouseName)}}},
        {QStringLiteral("texts"),
         QJsonObject{{QStringLiteral("sunGeneral"), t.SunGeneral},
                     {QStringLiteral("sunInSign"), t.SunInSign},
                     {QStringLiteral("moonGeneral"), t.MoonGeneral},
                     {QStringLiteral("moonInSign"), t.MoonInSign},
                     {QStringLiteral("generalTraits"), t.GeneralTraits},
                     {QStringLiteral("positiveTraits"), t.PositiveTraits},
                     {QStringLiteral("negativeTraits"), t.NegativeTraits},
                     {QStringLiteral("personality"), t.Personality},
                     {QStringLiteral("houseHeading"), t.HouseHeading},
                     {QStringLiteral("houseText"), t.HouseText}}},
    };
    return QJsonDocument(reading).toJson(QJsonDocument::Indented);
}

QString ZoneListText()
{
    QString out;
    for (std::size_t i = 0; i < engine::Zones.size(); ++i)
        out += QString::number(i) + u'\t' + Q(engine::Zones[i].Item) + u'\n';
    return out;
}

}  // namespace lunarys::cli
