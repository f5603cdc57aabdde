#include "export/reading_plain_text.h"

#include "export/birth_details.h"
#include "presentation/reading_text.h"
#include "presentation/time_ranges.h"

namespace lunarys::exports {

QString ReadingDocumentText(const engine::Reading& reading, const engine::ReadingTexts& texts)
{
    QString block = QStringLiteral("== Birth details ==\n");
    for (const DetailLine& line : BirthDetailLines(reading))
        block += line.Caption + QStringLiteral(": ") + line.Value + u'\n';
    if (const QString holds = presentation::HoldsSentence(reading); !holds.isEmpty())
        block += holds + u'\n';
    block += u'\n';

    // The presentation text opens with the title and the positions, then a
    // blank line; the birth details go there.
    QString text = presentation::ReadingAsText(reading, texts);
    const qsizetype opening = text.indexOf(QStringLiteral("\n\n"));
    if (opening < 0)
        return text + QStringLiteral("\n\n") + block.chopped(1);
    text.insert(opening + 2, block);
    return text + u'\n';
}

}  // namespace lunarys::exports
