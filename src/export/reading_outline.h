#pragma once

#include <QList>
#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"
#include "export/birth_details.h"

namespace lunarys::exports {

// One piece of a reading document, in reading order.
struct OutlineBlock {
    enum class Kind {
        Heading,    // Level 1: a tab of the result window; 2: a frame or a text's
                    // caption on the first tab; 3: a caption inside a frame
        Field,      // a caption and its value: "Sun In", "Cancer"
        Text,       // one of the reading's texts, CR LF line breaks as loaded
    };
    Kind kind = Kind::Heading;
    int Level = 1;
    QString Caption;
    QString Value;  // a field's value, or a text
};

// What a reading document holds: the title, the facts and the body under the
// result window's headings in its order. The HTML and the painted document
// are both written from this.
struct ReadingOutline {
    QString Title;                  // "Midpoint astrology reading for MARY ANN"
    QString Name;
    QList<DetailLine> Birth;
    QString Holds;                  // the birth times that give the same reading, after the birth details
    QList<DetailLine> Chart;
    QList<OutlineBlock> Body;
};

ReadingOutline OutlineOf(const engine::Reading& reading, const engine::ReadingTexts& texts);

// A text's paragraphs (split at blank lines), each with its single line
// breaks as "\n".
QList<QString> Paragraphs(const QString& text);

}  // namespace lunarys::exports
