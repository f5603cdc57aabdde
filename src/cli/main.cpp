// lunarys-cli: one natal Sun-Moon midpoint reading, as text, JSON, HTML or PDF.
#include <cstdio>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "cli/batch_run.h"
#include "cli/cli_options.h"
#include "cli/output_check.h"
#include "cli/people_open.h"
#include "cli/place_options.h"
#include "cli/time_ranges_command.h"
#include "cli/zone_list_text.h"
#include "engine/input_check.h"
#include "engine/reading.h"

namespace {

constexpr int kUnusable = 2;
constexpr int kNotWritten = 1;

void Write(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

int Fail(const QString& message)
{
    Write(stderr, message.toUtf8() + '\n');
    return kUnusable;
}

// The whole output on standard output, or the system's reason why not.
int Print(const QByteArray& output)
{
    if (const auto reason = lunarys::cli::WriteOutput(stdout, output)) {
        Write(stderr, "lunarys-cli: cannot write the output: " + reason->toUtf8() + '\n');
        return kNotWritten;
    }
    return 0;
}

// The reading of a birth that passed the checks, in the chosen form, on
// standard output or in the output file.
int ShowReading(const lunarys::engine::Birth& birth, const lunarys::cli::OutputChoice& choice)
{
    using namespace lunarys;
    engine::ChartState chart;
    const engine::Reading reading = engine::RunReading(birth, chart);
    const engine::ReadingTexts texts = engine::LoadReadingTexts(reading);
    const cli::RenderedReading output = cli::RenderReading(choice.format, reading, texts);
    if (!output.failure.isEmpty()) {
        Write(stderr, QStringLiteral("lunarys-cli: %1\n").arg(output.failure).toUtf8());
        return kNotWritten;
    }
    if (!choice.file.isEmpty()) {
        if (const auto message = cli::WriteOutputFile(choice.file, output.bytes)) {
            Write(stderr, message->toUtf8() + '\n');
            return kNotWritten;
        }
        return 0;
    }
    return Print(output.bytes);
}

}  // namespace

int main(int argc, char* argv[])
{
    using namespace lunarys;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    if (arguments.isEmpty())
        return Fail(cli::UsageText() + QStringLiteral("Run 'lunarys-cli --help' for the options."));

    auto parsed = cli::ParseCommandLine(arguments);
    if (const auto* error = std::get_if<cli::UsageError>(&parsed))
        return Fail(QStringLiteral("lunarys-cli: %1").arg(error->message));
    cli::CliRequest& request = std::get<cli::CliRequest>(parsed);

    switch (request.action) {
    case cli::CliRequest::Action::Help: return Print(cli::HelpText().toUtf8());
    case cli::CliRequest::Action::Version: return Print(cli::VersionText().toUtf8());
    case cli::CliRequest::Action::ListZones: return Print(cli::ZoneListText().toUtf8());
    case cli::CliRequest::Action::ListPlaces: {
        const auto listing =
            cli::PlacesListing(request.placesQuery, request.output.format == cli::OutputFormat::Json);
        if (const auto* problem = std::get_if<QString>(&listing))
            return Fail(QStringLiteral("lunarys-cli: ") + *problem);
        return Print(std::get<QByteArray>(listing));
    }
    case cli::CliRequest::Action::Batch: {
        const auto status = cli::RunBatch(request);
        if (const auto* error = std::get_if<cli::UsageError>(&status))
            return Fail(QStringLiteral("lunarys-cli: %1").arg(error->message));
        return std::get<int>(status);
    }
    case cli::CliRequest::Action::ListPeople:
    case cli::CliRequest::Action::Forget:
    case cli::CliRequest::Action::Import:
    case cli::CliRequest::Action::Person: {
        auto opened = cli::KeptPeople::Open(request);
        if (const auto* refusal = std::get_if<QString>(&opened))
            return Fail(*refusal);
        cli::KeptPeople& file = *std::get<std::unique_ptr<cli::KeptPeople>>(opened);
        if (request.action != cli::CliRequest::Action::Person)
            return file.Run(request);
        const auto birth = file.Person(request.personName);
        if (const auto* problem = std::get_if<QString>(&birth))
            return Fail(*problem);
        return ShowReading(std::get<engine::Birth>(birth), request.output);
    }
    case cli::CliRequest::Action::TimeRanges:
    case cli::CliRequest::Action::Reading: break;
    }

    // Kept people are in a file that must be usable before anything is printed.
    std::unique_ptr<cli::KeptPeople> keeping;
    if (request.keep) {
        auto opened = cli::KeptPeople::Open(request);
        if (const auto* refusal = std::get_if<QString>(&opened))
            return Fail(*refusal);
        keeping = std::move(std::get<std::unique_ptr<cli::KeptPeople>>(opened));
    }

    const auto placed = cli::ApplyPlaceOptions(request);
    if (const auto* problem = std::get_if<QString>(&placed))
        return Fail(QStringLiteral("lunarys-cli: ") + *problem);
    const cli::PlaceOutcome& place = std::get<cli::PlaceOutcome>(placed);
    if (!place.notice.isEmpty())
        Write(stderr, place.notice.toUtf8() + '\n');
    if (request.action == cli::CliRequest::Action::TimeRanges) {
        const auto output = cli::TimeRangesOutput(request);
        if (const auto* message = std::get_if<QString>(&output))
            return Fail(*message);
        return Print(std::get<QByteArray>(output));
    }

    // The name is taken as the window's name box takes typed keys.
    if (const std::optional<QString> message = cli::TakeName(request.birth))
        return Fail(*message);
    if (const std::optional<engine::InputProblem> problem = engine::CheckBirth(request.birth))
        return Fail(problem->Message);

    const int shown = ShowReading(request.birth, request.output);
    if (shown != 0 || !keeping)
        return shown;
    const auto kept = keeping->Keep(request.birth);
    Write(stderr, (kept.index() == 0 ? std::get<0>(kept) : std::get<1>(kept)).toUtf8() + '\n');
    return kept.index() == 0 ? 0 : kNotWritten;
}
