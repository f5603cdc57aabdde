#include "export/reading_pdf.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPaintDevice>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include "export/chart_wheel.h"
#include "export/reading_outline.h"
#include "export/wheel_painter.h"

namespace lunarys::exports {

namespace {

constexpr int kWheelObject = QTextFormat::UserObject + 1;
constexpr double kWheelPoints = 240;   // the wheel's side on paper: about 8.5 cm
constexpr double kBodyPoints = 10.5;
constexpr double kTitlePoints = 18;
constexpr double kHeadingPoints[] = {15, 12.5, 11};
const QColor kCaptionColour(0x55, 0x55, 0x55);

// Paints the chart wheel where the document holds its object; at print time
// the layout's device is the printer, so the size follows its resolution.
class WheelObject final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    WheelObject(ChartWheel wheel, QObject* parent) : QObject(parent), wheel_(std::move(wheel)) {}

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat&) override
    {
        const QPaintDevice* device = document->documentLayout()->paintDevice();
        const double dpi = device ? device->logicalDpiY() : 96.0;
        const double side = kWheelPoints * dpi / 72.0;
        return {side, side};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override
    {
        PaintWheel(*painter, wheel_, rect);
    }

private:
    ChartWheel wheel_;
};

QTextCharFormat Characters(double points, bool bold, const QColor& colour = Qt::black)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

QTextBlockFormat Paragraph(double topPoints, double bottomPoints, Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextBlockFormat format;
    format.setTopMargin(topPoints);
    format.setBottomMargin(bottomPoints);
    format.setAlignment(alignment);
    return format;
}

class Writer {
public:
    explicit Writer(QTextDocument& document) : cursor_(&document) {}

    void Title(const QString& text)
    {
        cursor_.setBlockFormat(Paragraph(0, 8));
        cursor_.insertText(text, Characters(kTitlePoints, true));
    }

    void Heading(int level, const QString& text)
    {
        const std::size_t i = static_cast<std::size_t>(std::clamp(level, 1, 3) - 1);
        QTextBlockFormat format = Paragraph(level == 1 ? 16 : 10, 3);
        format.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        NewBlock(format);
        cursor_.insertText(text, Characters(kHeadingPoints[i], true));
    }

    void Field(const QString& caption, const QString& value)
    {
        NewBlock(Paragraph(2, 2));
        cursor_.insertText(caption + QStringLiteral(": "), Characters(kBodyPoints, true, kCaptionColour));
        cursor_.insertText(value, Characters(kBodyPoints, false));
    }

    void Facts(const DetailList& list)
    {
        Heading(2, list.Heading);
        for (const DetailLine& line : list.Lines)
            Field(line.Caption, line.Value);
    }

    void Text(const QString& text)
    {
        for (const QString& paragraph : Paragraphs(text)) {
            NewBlock(Paragraph(2, 6));
            QString lines = paragraph;
            lines.replace(u'\n', QChar::LineSeparator);
            cursor_.insertText(lines, Characters(kBodyPoints, false));
        }
    }

    void Wheel(int objectType)
    {
        NewBlock(Paragraph(8, 8, Qt::AlignHCenter));
        QTextCharFormat format;
        format.setObjectType(objectType);
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }

private:
    void NewBlock(const QTextBlockFormat& format) { cursor_.insertBlock(format, Characters(kBodyPoints, false)); }

    QTextCursor cursor_;
};

}  // namespace

QPageSize PageSizeFor(const QLocale& locale)
{
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

std::unique_ptr<QTextDocument> ReadingDocument(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 QStringLiteral("%1 - Lunarys reading").arg(reading.Birth.Name));
    QFont font = document->defaultFont();
    font.setPointSizeF(kBodyPoints);
    document->setDefaultFont(font);
    document->documentLayout()->registerHandler(kWheelObject, new WheelObject(WheelOf(reading), document.get()));

    const ReadingOutline outline = OutlineOf(reading, texts);
    Writer out(*document);
    out.Title(outline.Title);
    out.Wheel(kWheelObject);
    out.Facts(outline.Birth);
    out.Text(outline.Holds);
    out.Facts(outline.Chart);
    for (const OutlineBlock& block : outline.Body) {
        switch (block.kind) {
        case OutlineBlock::Kind::Heading: out.Heading(block.Level, block.Caption); break;
        case OutlineBlock::Kind::Field: out.Field(block.Caption, block.Value); break;
        case OutlineBlock::Kind::Text:
            if (!block.Caption.isEmpty())
                out.Heading(block.Level, block.Caption);
            out.Text(block.Value);
            break;
        }
    }
    return document;
}

void PaintPages(const QTextDocument& document, QPagedPaintDevice& device) { document.print(&device); }

QByteArray ReadingAsPdf(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    const std::unique_ptr<QTextDocument> document = ReadingDocument(reading, texts);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(PageSizeFor(QLocale::system()));
        writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Lunarys"));
        PaintPages(*document, writer);
    }
    return pdf;
}

}  // namespace lunarys::exports

#include "reading_pdf.moc"
