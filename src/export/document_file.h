#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace lunarys::exports {

// The forms a reading is kept in.
enum class DocumentFormat { Pdf, Html, Text };

// ".pdf", ".html", ".txt"
QString SuffixOf(DocumentFormat format);

// The form a file name asks for by its suffix (.pdf, .html or .htm, .txt),
// in any case; none for another or no suffix.
std::optional<DocumentFormat> FormatOfFileName(const QString& fileName);

// Writes the bytes to the file whole or not at all: through a temporary file
// beside it that replaces the file only once everything is written. On
// failure, the reason ("Permission denied"), with any earlier file as it was.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace lunarys::exports
