#include "presentation/time_ranges.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

QString DateText(const engine::Birth& birth)
{
    return QStringLiteral("%1-%2-%3")
        .arg(birth.Year, 4, 10, QLatin1Char('0'))
        .arg(birth.Month, 2, 10, QLatin1Char('0'))
        .arg(birth.Day, 2, 10, QLatin1Char('0'));
}

}  // namespace

QByteArray TimeRangesAsJson(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges)
{
    QJsonArray list;
    for (const engine::TimeRange& range : ranges)
        list.append(QJsonObject{{QStringLiteral("from"), MinuteOfDayText(range.From)},
                                {QStringLiteral("to"), MinuteOfDayText(range.To)},
                                {QStringLiteral("sun"), SignName(range.Sun)},
                                {QStringLiteral("moon"), SignName(range.Moon)},
                                {QStringLiteral("midpoint"), SignName(range.Midpoint)},
                                {QStringLiteral("house"), range.House}});
    const QJsonObject day{{QStringLiteral("name"), birth.Name},
                          {QStringLiteral("date"), DateText(birth)},
                          {QStringLiteral("ranges"), list}};
    return QJsonDocument(day).toJson(QJsonDocument::Indented);
}

QString TimeRangesAsText(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges)
{
    QString out = QStringLiteral("Birth times of %1 on %2 that give the same reading\n\n").arg(birth.Name, DateText(birth));
    const auto row = [&out](const QString& from, const QString& to, const QString& sun, const QString& moon,
                            const QString& midpoint, const QString& house) {
        out += QStringLiteral("%1  %2  %3  %4  %5  %6\n")
                   .arg(from, -5)
                   .arg(to, -5)
                   .arg(sun, -11)
                   .arg(moon, -11)
                   .arg(midpoint, -11)
                   .arg(house);
    };
    row(QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Sun"), QStringLiteral("Moon"),
        QStringLiteral("Midpoint"), QStringLiteral("House"));
    for (const engine::TimeRange& r : ranges)
        row(MinuteOfDayText(r.From), MinuteOfDayText(r.To), SignName(r.Sun), SignName(r.Moon), SignName(r.Midpoint),
            HouseName(r.House));
    return out;
}

QString HoldsSentence(const engine::Reading& reading)
{
    if (!reading.Holds)
        return {};
    return QStringLiteral("This reading holds for births between %1 and %2.")
        .arg(MinuteOfDayText(reading.Holds->From), MinuteOfDayText(reading.Holds->To));
}

}  // namespace lunarys::presentation
