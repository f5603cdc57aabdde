#include "export/reading_html.h"

#include "export/chart_wheel.h"
#include "export/reading_outline.h"
#include "export/wheel_svg.h"

namespace lunarys::exports {

namespace {

constexpr const char* kStyle = R"(body { margin: 0; color: #222; background: #fff; line-height: 1.5;
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, "DejaVu Sans", sans-serif; }
main { max-width: 50rem; margin: 0 auto; padding: 1rem; }
h1 { font-size: 1.6rem; line-height: 1.25; margin: 0.5rem 0 1rem; }
h2 { font-size: 1.3rem; margin: 2rem 0 0.6rem; padding-bottom: 0.2rem; border-bottom: 2px solid #d9cc9c; }
h3 { font-size: 1.12rem; margin: 1.4rem 0 0.4rem; }
h4 { font-size: 1rem; margin: 1rem 0 0.3rem; }
.summary { display: flex; flex-wrap: wrap; gap: 0 2rem; align-items: flex-start; }
.summary h2 { margin-top: 0.5rem; }
.wheel { flex: 1 1 16rem; max-width: 24rem; margin: 0 auto 1rem; }
.wheel svg { display: block; width: 100%; height: auto; }
.facts { flex: 1 1 18rem; }
dl { display: grid; grid-template-columns: max-content 1fr; gap: 0.1rem 0.8rem; margin: 0 0 1rem; }
dt { font-weight: 600; color: #555; }
dd { margin: 0; }
p { margin: 0 0 0.8rem; }
.field { margin: 0.5rem 0; }
.field b { color: #555; }
@media (max-width: 30rem) {
  h1 { font-size: 1.35rem; }
  dl { gap: 0.2rem 0.6rem; }
}
@media print {
  body { font-size: 10.5pt; }
  main { max-width: none; padding: 0; }
  h2, h3, h4 { break-after: avoid; }
  .summary, .field { break-inside: avoid; }
}
)";

QString E(const QString& text) { return text.toHtmlEscaped(); }

void List(QString& out, const DetailList& list)
{
    out += QStringLiteral("<h2>%1</h2>\n<dl>\n").arg(E(list.Heading));
    for (const DetailLine& line : list.Lines)
        out += QStringLiteral("<dt>%1</dt><dd>%2</dd>\n").arg(E(line.Caption), E(line.Value));
    out += QStringLiteral("</dl>\n");
}

void Heading(QString& out, int level, const QString& caption)
{
    out += QStringLiteral("<h%1>%2</h%1>\n").arg(level + 1).arg(E(caption));
}

void Block(QString& out, const OutlineBlock& block)
{
    switch (block.kind) {
    case OutlineBlock::Kind::Heading:
        Heading(out, block.Level, block.Caption);
        break;
    case OutlineBlock::Kind::Field:
        out += QStringLiteral("<p class=\"field\"><b>%1:</b> %2</p>\n").arg(E(block.Caption), E(block.Value));
        break;
    case OutlineBlock::Kind::Text:
        if (!block.Caption.isEmpty())
            Heading(out, block.Level, block.Caption);
        for (const QString& paragraph : Paragraphs(block.Value))
            out += QStringLiteral("<p>%1</p>\n").arg(E(paragraph).replace(u'\n', QStringLiteral("<br>\n")));
        break;
    }
}

}  // namespace

QByteArray ReadingAsHtml(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    const ReadingOutline o = OutlineOf(reading, texts);
    QString out;
    out += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    out += QStringLiteral("<title>%1 - Lunarys reading</title>\n").arg(E(o.Name));
    out += QStringLiteral("<style>\n") + QString::fromLatin1(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n<main>\n");
    out += QStringLiteral("<h1>%1</h1>\n<div class=\"summary\">\n<figure class=\"wheel\">\n").arg(E(o.Title));
    out += WheelAsSvg(WheelOf(reading), QStringLiteral("Chart wheel of %1").arg(o.Name));
    out += QStringLiteral("</figure>\n<div class=\"facts\">\n");
    List(out, o.Birth);
    if (!o.Holds.isEmpty())
        out += QStringLiteral("<p class=\"holds\">%1</p>\n").arg(E(o.Holds));
    List(out, o.Chart);
    out += QStringLiteral("</div>\n</div>\n");
    for (const OutlineBlock& block : o.Body)
        Block(out, block);
    out += QStringLiteral("</main>\n</body>\n</html>\n");
    return out.toUtf8();
}

}  // namespace lunarys::exports
