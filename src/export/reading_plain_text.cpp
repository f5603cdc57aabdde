#include "export/reading_plain_text.h"

#include "export/reading_outline.h"

namespace lunarys::exports {

namespace {

void EndParagraph(QString& out)
{
    if (!out.endsWith(QStringLiteral("\n\n")))
        out += u'\n';
}

void Block(QString& out, const OutlineBlock& block)
{
    switch (block.kind) {
    case OutlineBlock::Kind::Heading:
        out += block.Level == 1 ? QStringLiteral("== %1 ==\n").arg(block.Caption)
                                : QStringLiteral("-- %1 --\n").arg(block.Caption);
        break;
    case OutlineBlock::Kind::Field:
        out += block.Caption + QStringLiteral(": ") + block.Value + u'\n';
        break;
    case OutlineBlock::Kind::Text:
        // A caption of the first tab stands apart from the fields above it;
        // inside a frame it follows its line.
        if (block.Level == 2)
            EndParagraph(out);
        if (!block.Caption.isEmpty())
            out += block.Caption + u'\n';
        if (!block.Value.isEmpty())
            out += block.Value + u'\n';
        out += u'\n';
        break;
    }
}

}  // namespace

QString ReadingDocumentText(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    const ReadingOutline o = OutlineOf(reading, texts);
    QString out = o.Title + u'\n' + o.Positions + QStringLiteral("\n\n");
    out += QStringLiteral("== %1 ==\n").arg(o.Birth.Heading);
    for (const DetailLine& line : o.Birth.Lines)
        out += line.Caption + QStringLiteral(": ") + line.Value + u'\n';
    if (!o.Holds.isEmpty())
        out += o.Holds + u'\n';
    out += u'\n';
    for (const OutlineBlock& block : o.Body)
        Block(out, block);
    EndParagraph(out);
    return out;
}

}  // namespace lunarys::exports
