#include "presentation/time_ranges.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "engine/qt_text.h"
#include "presentation/reading_labels.h"

namespace lunarys::presentation {

namespace {

QString IsoDateText(const engine::Birth& birth)
{
    return QStringLiteral("%1-%2-%3")
        .arg(birth.Year, 4, 10, QLatin1Char('0'))
        .arg(birth.Month, 2, 10, QLatin1Char('0'))
        .arg(birth.Day, 2, 10, QLatin1Char('0'));
}

// The clock changes that fall within a range: skipped minutes it runs
// across, repeated minutes it holds.
std::vector<engine::ClockChange> ChangesWithin(const engine::TimeRange& range,
                                               const std::vector<engine::ClockChange>& changes)
{
    std::vector<engine::ClockChange> within;
    for (const engine::ClockChange& change : changes) {
        const bool cut = change.kind == engine::ClockChange::Kind::Skipped
                             ? range.From < change.From && range.To > change.To
                             : range.From <= change.To && range.To >= change.From;
        if (cut)
            within.push_back(change);
    }
    return within;
}

QString ChangeText(const engine::ClockChange& change)
{
    const QString from = MinuteOfDayText(change.From);
    const QString to = MinuteOfDayText(change.To);
    return change.kind == engine::ClockChange::Kind::Skipped
               ? QStringLiteral("clocks put forward: %1-%2 did not exist").arg(from, to)
               : QStringLiteral("clocks put back: %1-%2 came twice, the first time counted").arg(from, to);
}

}  // namespace

QByteArray TimeRangesAsJson(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges,
                            const engine::DayClock& day)
{
    const std::vector<engine::ClockChange> changes = day.Changes();
    QJsonArray list;
    for (const engine::TimeRange& range : ranges) {
        QJsonObject object{{QStringLiteral("from"), MinuteOfDayText(range.From)},
                           {QStringLiteral("to"), MinuteOfDayText(range.To)},
                           {QStringLiteral("sun"), SignName(range.Sun)},
                           {QStringLiteral("moon"), SignName(range.Moon)},
                           {QStringLiteral("midpoint"), SignName(range.Midpoint)},
                           {QStringLiteral("house"), range.House}};
        QJsonArray cuts;
        for (const engine::ClockChange& change : ChangesWithin(range, changes))
            cuts.append(QJsonObject{{QStringLiteral("kind"), change.kind == engine::ClockChange::Kind::Skipped
                                                                 ? QStringLiteral("skipped")
                                                                 : QStringLiteral("repeated")},
                                    {QStringLiteral("from"), MinuteOfDayText(change.From)},
                                    {QStringLiteral("to"), MinuteOfDayText(change.To)}});
        if (!cuts.isEmpty())
            object.insert(QStringLiteral("clockChanges"), cuts);
        list.append(object);
    }
    const QJsonObject document{{QStringLiteral("name"), birth.Name},
                          {QStringLiteral("date"), IsoDateText(birth)},
                          {QStringLiteral("ranges"), list}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString TimeRangesAsText(const engine::Birth& birth, const std::vector<engine::TimeRange>& ranges,
                         const engine::DayClock& day)
{
    const std::vector<engine::ClockChange> changes = day.Changes();
    QString out = QStringLiteral("Birth times of %1 on %2 that give the same reading\n\n").arg(birth.Name, IsoDateText(birth));
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
    for (const engine::TimeRange& r : ranges) {
        QString house = HouseName(r.House);
        QStringList notes;
        for (const engine::ClockChange& change : ChangesWithin(r, changes))
            notes << ChangeText(change);
        if (!notes.isEmpty())
            house = QStringLiteral("%1  %2").arg(house, -10).arg(notes.join(QStringLiteral("; ")));
        row(MinuteOfDayText(r.From), MinuteOfDayText(r.To), SignName(r.Sun), SignName(r.Moon), SignName(r.Midpoint),
            house);
    }
    return out;
}

QString HoldsSentence(const engine::Reading& reading)
{
    if (reading.Holds && reading.Holds->From == reading.Holds->To)
        return QStringLiteral("This reading holds only for a birth at %1.").arg(MinuteOfDayText(reading.Holds->From));
    if (reading.Holds)
        return QStringLiteral("This reading holds for births between %1 and %2.")
            .arg(MinuteOfDayText(reading.Holds->From), MinuteOfDayText(reading.Holds->To));
    if (!reading.Skipped)
        return {};
    const engine::Birth& b = reading.Birth;
    const QString zone = reading.Clock.TimeZone.isEmpty() ? QString() : QStringLiteral(" in ") + reading.Clock.TimeZone;
    return QStringLiteral("No clock showed %1 on %2%3: the clocks went from %4 to %5.")
        .arg(MinuteOfDayText(60 * b.Hour + b.Minute),
             engine::DateText(QDate(b.Year, b.Month, b.Day)), zone,
             MinuteOfDayText(reading.Skipped->From), MinuteOfDayText((reading.Skipped->To + 1) % engine::MinutesPerDay));
}

}  // namespace lunarys::presentation
