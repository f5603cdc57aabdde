#include "ui/display/reading_files.h"

#include <array>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

#include "export/document_file.h"
#include "export/reading_html.h"
#include "export/reading_pdf.h"
#include "export/reading_plain_text.h"
#include "ui/shell/program.h"

namespace lunarys::ui {

namespace {

using exports::DocumentFormat;

struct Offer {
    DocumentFormat format;
    const char* filter;
};
// PDF first: it is what the suggested name asks for.
constexpr std::array<Offer, 3> kOffers{{
    {DocumentFormat::Pdf, "PDF document (*.pdf)"},
    {DocumentFormat::Html, "Web page (*.html *.htm)"},
    {DocumentFormat::Text, "Plain text (*.txt)"},
}};

QStringList Filters()
{
    QStringList filters;
    for (const Offer& offer : kOffers)
        filters << QString::fromLatin1(offer.filter);
    return filters;
}

// The name's suffix decides; a name without a known one takes the chosen
// filter's, added to it.
DocumentFormat FormatToWrite(QString& path, const QString& filter)
{
    if (const auto byName = exports::FormatOfFileName(path))
        return *byName;
    DocumentFormat format = DocumentFormat::Pdf;
    for (const Offer& offer : kOffers)
        if (filter == QLatin1String(offer.filter))
            format = offer.format;
    path += exports::SuffixOf(format);
    return format;
}

QByteArray Document(DocumentFormat format, const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    switch (format) {
    case DocumentFormat::Pdf: return exports::ReadingAsPdf(reading, texts);
    case DocumentFormat::Html: return exports::ReadingAsHtml(reading, texts);
    case DocumentFormat::Text: return exports::ReadingDocumentText(reading, texts).toUtf8();
    }
    return {};
}

}  // namespace

QString SuggestedReadingPath(SettingsStore& settings, const QString& name)
{
    const QString fileName = QStringLiteral("%1 - Lunarys reading.pdf").arg(name);
    const StoredText stored = settings.Read(QString::fromLatin1(SettingsSection), QString::fromLatin1(ReadingFolderKey));
    if (stored.kind == StoredText::Kind::Present && !stored.text.isEmpty() && QFileInfo(stored.text).isDir())
        return QDir(stored.text).filePath(fileName);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QFileInfo(documents).isDir())
        documents = QDir::homePath();
    return QDir(documents).filePath(fileName);
}

void SaveReadingAs(Platform& platform, const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    QString filter;
    std::optional<QString> answer =
        platform.files.AskSaveFileName(SuggestedReadingPath(platform.settings, reading.Birth.Name), Filters(), &filter);
    if (!answer)
        return;
    QString path = *answer;
    const DocumentFormat format = FormatToWrite(path, filter);
    if (const auto reason = exports::WriteWholeFile(path, Document(format, reading, texts))) {
        platform.dialogs.ShowMessage(QStringLiteral("The reading could not be saved to \"%1\": %2.")
                                         .arg(QDir::toNativeSeparators(path), *reason),
                                     MessageIcon::Error);
        return;
    }
    platform.settings.Write(QString::fromLatin1(SettingsSection), QString::fromLatin1(ReadingFolderKey),
                            QFileInfo(path).absolutePath());
}

void PrintReading(Platform& platform, const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(exports::PageSizeFor(QLocale::system()));
    printer.setDocName(QStringLiteral("%1 - Lunarys reading").arg(reading.Birth.Name));
    const std::unique_ptr<QTextDocument> document = exports::ReadingDocument(reading, texts);
    platform.printing.PreviewAndPrint(printer, [&document](QPrinter& pages) { exports::PaintPages(*document, pages); });
}

}  // namespace lunarys::ui
