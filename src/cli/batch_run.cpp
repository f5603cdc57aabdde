#include "cli/batch_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <QFile>

#include "cli/batch_columns.h"
#include "cli/batch_output.h"
#include "cli/batch_progress.h"
#include "cli/csv_reader.h"
#include "cli/echo.h"
#include "engine/input_check.h"
#include "engine/reading.h"
#include "presentation/json_line_writer.h"
#include "presentation/reading_csv.h"

namespace lunarys::cli {

namespace {

// The size of a regular file, or -1 (a pipe, a terminal).
long long InputSize(const QFile& input)
{
    struct stat status {};
    if (fstat(input.handle(), &status) != 0 || !S_ISREG(status.st_mode))
        return -1;
    return static_cast<long long>(status.st_size);
}

QString Count(long long count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

// The lines of one batch in the chosen form.
class Lines {
public:
    Lines(const CliRequest& request, std::string& out) : out_(out), csv_(request.output.format == OutputFormat::Csv), texts_(request.texts) {}

    void Header()
    {
        if (csv_)
            presentation::AppendCsvHeader(out_, texts_);
    }
    void Reading(const engine::Reading& reading, int row)
    {
        engine::ReadingTexts texts;
        if (texts_)
            texts = engine::LoadReadingTexts(reading);
        const engine::ReadingTexts* shown = texts_ ? &texts : nullptr;
        if (csv_)
            presentation::AppendCsvReading(out_, reading, shown, row);
        else
            presentation::AppendReadingLine(out_, reading, shown, row);
    }
    void Refused(const QString& message, int row)
    {
        const QByteArray utf8 = message.toUtf8();
        const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (csv_)
            presentation::AppendCsvRefused(out_, text, row, texts_);
        else
            presentation::AppendRefusedLine(out_, text, row);
    }

private:
    std::string& out_;
    bool csv_;
    bool texts_;
};

}  // namespace

std::variant<int, UsageError> RunBatch(const CliRequest& request)
{
    QFile input;
    const bool standardInput = request.batchFile == QLatin1StringView("-");
    const bool opened = standardInput ? input.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
                                      : (input.setFileName(request.batchFile),
                                         input.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    if (!opened)
        return UsageError{QStringLiteral("--batch: cannot open '%1': %2").arg(Echo(request.batchFile), input.errorString())};

    CsvReader reader(input);
    const auto readFailed = [&] {
        std::fprintf(stderr, "lunarys-cli: --batch: cannot read '%s': %s\n", qUtf8Printable(Echo(request.batchFile)),
                     qUtf8Printable(reader.ReadError()));
        return 1;
    };
    const bool headed = reader.Next();
    if (!reader.ReadError().isEmpty())
        return readFailed();
    if (!headed)
        return UsageError{QStringLiteral("--batch: the input is empty; its first line must name the columns")};
    if (!reader.Problem().empty())
        return UsageError{QStringLiteral("--batch: the first line has %1").arg(QString::fromLatin1(reader.Problem()))};
    auto header = BatchColumns::FromHeader(reader.Fields());
    if (const auto* error = std::get_if<UsageError>(&header))
        return *error;
    const BatchColumns& columns = std::get<BatchColumns>(header);

    BatchOutput output(request.output.file);
    if (!output.IsOpen()) {
        std::fprintf(stderr, "lunarys-cli: cannot write '%s': %s\n", qUtf8Printable(Echo(request.output.file)),
                     qUtf8Printable(output.Error()));
        return 1;
    }
    Lines lines(request, output.Buffer());
    lines.Header();

    ProgressLine progress(InputSize(input));
    engine::ChartState chart;
    long long readings = 0;
    int row = 0;
    bool written = true;
    while (written && reader.Next()) {
        ++row;
        engine::Birth in;
        std::optional<QString> refusal;
        if (!reader.Problem().empty())
            refusal = QString::fromLatin1(reader.Problem());
        else
            refusal = columns.Read(reader.Fields(), in);
        if (!refusal) {
            if (std::optional<engine::InputProblem> problem = engine::CheckBirth(in)) {
                refusal = problem->Message;
            } else {
                lines.Reading(engine::RunReading(in, chart), row);
                ++readings;
            }
        }
        if (refusal)
            lines.Refused(*refusal, row);
        written = output.WriteWhenFull();
        progress.Update(row, reader.BytesRead());
    }
    progress.Clear();
    if (!reader.ReadError().isEmpty()) {
        output.Abandon();
        return readFailed();
    }
    written = written && output.Finish();
    if (!written) {
        output.Abandon();
        std::fprintf(stderr, "lunarys-cli: cannot write the output: %s\n", qPrintable(output.Error()));
        return 1;
    }
    const long long refused = row - readings;
    std::fprintf(stderr, "%s, %s\n", qPrintable(Count(readings, "reading", "readings")),
                 qPrintable(Count(refused, "row refused", "rows refused")));
    return refused == 0 ? 0 : 1;
}

}  // namespace lunarys::cli
