#pragma once

#include <memory>

#include <QByteArray>
#include <QPageSize>

#include "engine/reading_model.h"
#include "engine/texts.h"

class QLocale;
class QPagedPaintDevice;
class QTextDocument;

namespace lunarys::exports {

// A4, or Letter where the locale measures in US units.
QPageSize PageSizeFor(const QLocale& locale);

// The reading as a text document ready to be laid out on pages: the same
// outline as the HTML, the chart wheel as an object that paints itself with
// vector paths. Needs a QGuiApplication.
std::unique_ptr<QTextDocument> ReadingDocument(const engine::Reading& reading, const engine::ReadingTexts& texts);

// Lays the document out on the device's pages (a PDF writer, a printer) and
// paints them, with page numbers.
void PaintPages(const QTextDocument& document, QPagedPaintDevice& device);

// The reading as a PDF file on pages of the system locale's size, its text
// selectable. Needs a QGuiApplication.
QByteArray ReadingAsPdf(const engine::Reading& reading, const engine::ReadingTexts& texts);

}  // namespace lunarys::exports
