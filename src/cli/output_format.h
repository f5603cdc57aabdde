#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"

namespace lunarys::cli {

// Csv is for the rows of a batch.
enum class OutputFormat { Text, Json, Html, Pdf, Csv };

// Where the reading goes and in what form; no file means standard output.
struct OutputChoice {
    OutputFormat format = OutputFormat::Text;
    QString file;
};

// The output asked for by --format (when given), --json and --output (when
// given). A usage error's message when they disagree, the format is unknown
// or a PDF has no file to go to.
std::optional<QString> ChooseOutput(const std::optional<QString>& format, bool json, const std::optional<QString>& file,
                                    OutputChoice& choice);

// The reading in the chosen form, or the reason it could not be made. A PDF
// is made by a module of its own, loaded only for it, so that every other
// run starts without Qt's graphics libraries.
struct RenderedReading {
    QByteArray bytes;
    QString failure;
};
RenderedReading RenderReading(OutputFormat format, const engine::Reading& reading, const engine::ReadingTexts& texts);

// Writes the output file whole, replacing any file of that name. On failure,
// the line to print: "lunarys-cli: cannot write 'x.pdf': Permission denied".
std::optional<QString> WriteOutputFile(const QString& file, const QByteArray& bytes);

}  // namespace lunarys::cli
