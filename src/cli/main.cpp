// lunarys-cli: one natal Sun-Moon midpoint reading, as text or JSON.
#include <cstdio>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include "cli/cli_options.h"
#include "cli/place_options.h"
#include "cli/zone_list_text.h"
#include "engine/input_check.h"
#include "engine/reading.h"
#include "presentation/reading_json.h"
#include "presentation/reading_text.h"

namespace {

constexpr int kUnusable = 2;

void Write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int Fail(const QString& message)
{
    Write(stderr, message.toUtf8() + '\n');
    return kUnusable;
}

}  // namespace

int main(int argc, char* argv[])
{
    using namespace lunarys;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    auto parsed = cli::ParseCommandLine(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&parsed))
        return Fail(QStringLiteral("lunarys-cli: ") + error->message
                    + (error->pointToHelp ? QStringLiteral("\nTry 'lunarys-cli --help'.") : QString()));
    cli::CliRequest& request = std::get<cli::CliRequest>(parsed);

    switch (request.action) {
    case cli::CliRequest::Action::Help: Write(stdout, cli::HelpText().toUtf8()); return 0;
    case cli::CliRequest::Action::Version: Write(stdout, cli::VersionText().toUtf8()); return 0;
    case cli::CliRequest::Action::ListZones: Write(stdout, cli::ZoneListText().toUtf8()); return 0;
    case cli::CliRequest::Action::ListPlaces: {
        const auto listing = cli::PlacesListing(request.placesQuery, request.json);
        if (const auto* problem = std::get_if<QString>(&listing))
            return Fail(QStringLiteral("lunarys-cli: ") + *problem);
        Write(stdout, std::get<QByteArray>(listing));
        return 0;
    }
    case cli::CliRequest::Action::Reading: break;
    }

    const auto placed = cli::ApplyPlaceOptions(request);
    if (const auto* problem = std::get_if<QString>(&placed))
        return Fail(QStringLiteral("lunarys-cli: ") + *problem);
    const cli::PlaceOutcome& place = std::get<cli::PlaceOutcome>(placed);
    if (!place.notice.isEmpty())
        Write(stderr, place.notice.toUtf8() + '\n');

    // The name is taken as the window's name box takes typed keys.
    if (!engine::IsNameText(request.input.Name))
        return Fail(QString::fromLatin1(engine::messages::OnlyLetters));
    request.input.Name = engine::NameInCapitals(request.input.Name);

    engine::ChartState chart;
    const auto outcome = engine::RunReading(request.input, chart);
    if (const auto* problem = std::get_if<engine::InputProblem>(&outcome))
        return Fail(problem->Message);

    const auto& reading = std::get<engine::Reading>(outcome);
    const engine::ReadingTexts texts = engine::LoadReadingTexts(reading);
    if (request.json && place.place) {
        QJsonObject json = presentation::ReadingAsJsonObject(reading, texts);
        json.insert(QStringLiteral("place"), cli::PlaceAsJson(*place.place));
        Write(stdout, QJsonDocument(json).toJson(QJsonDocument::Indented));
    } else if (request.json)
        Write(stdout, presentation::ReadingAsJson(reading, texts));
    else
        Write(stdout, presentation::ReadingAsText(reading, texts).toUtf8() + '\n');
    return 0;
}
