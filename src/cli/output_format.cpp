#include "cli/output_format.h"

#include <QFileInfo>
#include <QLibrary>

#include "cli/echo.h"
#include "cli/module_files.h"
#include "cli/pdf_module.h"
#include "export/document_file.h"
#include "export/reading_html.h"
#include "export/reading_plain_text.h"
#include "presentation/reading_json.h"

namespace lunarys::cli {

namespace {

std::optional<OutputFormat> FormatNamed(const QString& name)
{
    if (name == u"text")
        return OutputFormat::Text;
    if (name == u"json")
        return OutputFormat::Json;
    if (name == u"html")
        return OutputFormat::Html;
    if (name == u"pdf")
        return OutputFormat::Pdf;
    if (name == u"csv")
        return OutputFormat::Csv;
    return std::nullopt;
}

RenderedReading RenderPdf(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    for (const QString& path : ModulePaths(PdfModuleFileName)) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary module(path);
        const auto write = reinterpret_cast<PdfModuleFunction>(module.resolve(PdfModuleEntry));
        if (!write)
            return {{}, QStringLiteral("cannot load the PDF writer: %1").arg(module.errorString())};
        RenderedReading rendered;
        if (!write(&reading, &texts, &rendered.bytes))
            rendered.failure = QStringLiteral("the PDF could not be made");
        // The module stays loaded: Qt keeps parts of it until the process ends.
        return rendered;
    }
    return {{}, QStringLiteral("cannot find the PDF writer %1").arg(QString::fromLatin1(PdfModuleFileName))};
}

}  // namespace

std::optional<QString> ChooseOutput(const std::optional<QString>& format, bool json, const std::optional<QString>& file,
                                    OutputChoice& choice)
{
    choice = {};
    if (format) {
        const auto named = FormatNamed(*format);
        if (!named)
            return QStringLiteral("--format: expected text, json, html, pdf or csv, got '%1'").arg(Echo(*format));
        if (json && *named != OutputFormat::Json)
            return QStringLiteral("--json and --format %1 ask for different outputs").arg(*format);
        choice.format = *named;
    } else if (json) {
        choice.format = OutputFormat::Json;
    }
    if (file) {
        if (file->isEmpty())
            return QStringLiteral("--output: the file name is empty");
        choice.file = *file;
    }
    if (choice.format == OutputFormat::Pdf && choice.file.isEmpty())
        return QStringLiteral("--format pdf: needs --output FILE");
    return std::nullopt;
}

RenderedReading RenderReading(OutputFormat format, const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    switch (format) {
    case OutputFormat::Text: return {exports::ReadingDocumentText(reading, texts).toUtf8(), {}};
    case OutputFormat::Json: return {presentation::ReadingAsJson(reading, texts), {}};
    case OutputFormat::Html: return {exports::ReadingAsHtml(reading, texts), {}};
    case OutputFormat::Pdf: return RenderPdf(reading, texts);
    case OutputFormat::Csv: break;   // rows of a batch only
    }
    return {};
}

std::optional<QString> WriteOutputFile(const QString& file, const QByteArray& bytes)
{
    if (const auto reason = exports::WriteWholeFile(file, bytes))
        return QStringLiteral("lunarys-cli: cannot write '%1': %2").arg(Echo(file), *reason);
    return std::nullopt;
}

}  // namespace lunarys::cli
