// lunarys-cli: one natal Sun-Moon midpoint reading, as text or JSON.
#include <cstdio>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "cli/batch_run.h"
#include "cli/cli_options.h"
#include "cli/time_ranges_command.h"
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
        return Fail(QStringLiteral("lunarys-cli: %1\nTry 'lunarys-cli --help'.").arg(error->message));
    cli::CliRequest& request = std::get<cli::CliRequest>(parsed);

    switch (request.action) {
    case cli::CliRequest::Action::Help: Write(stdout, cli::HelpText().toUtf8()); return 0;
    case cli::CliRequest::Action::Version: Write(stdout, cli::VersionText().toUtf8()); return 0;
    case cli::CliRequest::Action::ListZones: Write(stdout, cli::ZoneListText().toUtf8()); return 0;
    case cli::CliRequest::Action::Batch: {
        const auto status = cli::RunBatch(request);
        if (const auto* error = std::get_if<cli::UsageError>(&status))
            return Fail(QStringLiteral("lunarys-cli: %1\nTry 'lunarys-cli --help'.").arg(error->message));
        return std::get<int>(status);
    }
    case cli::CliRequest::Action::TimeRanges: {
        const auto output = cli::TimeRangesOutput(request);
        if (const auto* message = std::get_if<QString>(&output))
            return Fail(*message);
        Write(stdout, std::get<QByteArray>(output));
        return 0;
    }
    case cli::CliRequest::Action::Reading: break;
    }

    // The name is taken as the window's name box takes typed keys.
    if (const std::optional<QString> message = cli::TakeName(request.input))
        return Fail(*message);

    engine::ChartState chart;
    const auto outcome = engine::RunReading(request.input, chart);
    if (const auto* problem = std::get_if<engine::InputProblem>(&outcome))
        return Fail(problem->Message);

    const auto& reading = std::get<engine::Reading>(outcome);
    const engine::ReadingTexts texts = engine::LoadReadingTexts(reading);
    if (request.json)
        Write(stdout, presentation::ReadingAsJson(reading, texts));
    else
        Write(stdout, presentation::ReadingAsText(reading, texts).toUtf8() + '\n');
    return 0;
}
