#include "presentation/reading_json.h"

#include <QJsonDocument>
#include <QJsonValue>

#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

QJsonValue TextOrNull(const QString& text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); }

// The birth times with the same reading: {"from": "05:12", "to": "07:08"}, or
// null when the clock skipped the birth minute.
QJsonValue HoldsValue(const engine::Reading& r)
{
    if (!r.Holds)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject{{QStringLiteral("from"), MinuteOfDayText(r.Holds->From)},
                       {QStringLiteral("to"), MinuteOfDayText(r.Holds->To)}};
}

}  // namespace

QJsonObject PlaceAsJson(const engine::AtlasPlace& place)
{
    return QJsonObject{{QStringLiteral("name"), place.Name},          {QStringLiteral("state"), place.State},
                       {QStringLiteral("country"), place.Country},    {QStringLiteral("timeZone"), place.TimeZone},
                       {QStringLiteral("latitude"), place.Latitude}, {QStringLiteral("longitude"), place.Longitude}};
}

QJsonObject ReadingAsJsonObject(const engine::Reading& r, const engine::ReadingTexts& t)
{
    const engine::Sign midpoint = r.Midpoint.Sign;
    QJsonObject reading{
        {QStringLiteral("name"), r.Birth.Name},
        {QStringLiteral("timeZoneHours"), r.Clock.TimeZoneHours()},
        {QStringLiteral("timeZoneMinutes"), r.Clock.TimeZoneMinutes()},
        {QStringLiteral("clock"),
         QJsonObject{{QStringLiteral("timeZone"), TextOrNull(r.Clock.TimeZone)},
                     {QStringLiteral("utcOffsetMinutes"), r.Clock.UtcOffsetMinutes},
                     {QStringLiteral("daylightSaving"), r.Clock.DaylightSaving},
                     {QStringLiteral("universalTime"), UniversalTimeText(r.Clock)},
                     {QStringLiteral("note"), TextOrNull(r.Clock.Note)}}},
        {QStringLiteral("sun"),
         QJsonObject{{QStringLiteral("longitude"), r.Sun.Longitude},
                     {QStringLiteral("whole"), r.Sun.Whole},
                     {QStringLiteral("text"), PositionText(r.Sun)},
                     {QStringLiteral("sign"), SignName(r.Sun.Sign)}}},
        {QStringLiteral("moon"),
         QJsonObject{{QStringLiteral("longitude"), r.Moon.Longitude},
                     {QStringLiteral("whole"), r.Moon.Whole},
                     {QStringLiteral("text"), PositionText(r.Moon)},
                     {QStringLiteral("sign"), SignName(r.Moon.Sign)},
                     {QStringLiteral("element"), ElementName(engine::ElementOf(r.Moon.Sign))}}},
        {QStringLiteral("ascendant"),
         QJsonObject{{QStringLiteral("longitude"), r.AscendantLongitude},
                     {QStringLiteral("text"), AscendantText(r)}}},
        {QStringLiteral("midpoint"),
         QJsonObject{{QStringLiteral("degree"), r.Midpoint.Degree},
                     {QStringLiteral("label"), MidpointLabel(r.Midpoint)},
                     {QStringLiteral("caption"), MidpointCaption(r.Midpoint)},
                     {QStringLiteral("sign"), SignName(midpoint)},
                     {QStringLiteral("element"), ElementName(engine::ElementOf(midpoint))},
                     {QStringLiteral("temperament"), TemperamentName(engine::TemperamentOf(midpoint))}}},
        {QStringLiteral("holds"), HoldsValue(r)},
        {QStringLiteral("house"),
         QJsonObject{{QStringLiteral("number"), r.House}, {QStringLiteral("name"), HouseName(r.House)}}},
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
    if (r.Birth.Place)
        reading.insert(QStringLiteral("place"), PlaceAsJson(*r.Birth.Place));
    return reading;
}

QByteArray ReadingAsJson(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    return QJsonDocument(ReadingAsJsonObject(reading, texts)).toJson(QJsonDocument::Indented);
}

}  // namespace lunarys::presentation
