#pragma once

#include <QList>
#include <QString>

#include "engine/reading_model.h"
#include "engine/texts.h"
#include "export/birth_details.h"

namespace lunarys::exports {

// The pieces of a reading, in the order the result window and every document
// show them.
enum class Part {
    MidpointTab,
    Midpoint,
    MidpointElement,
    MidpointPersonality,
    Personality,
    GeneralTraits,
    PositiveTraits,
    NegativeTraits,
    SunMoonHouseTab,
    SunFrame,
    SunGeneral,
    SunIn,
    SunInSign,
    MoonFrame,
    MoonElement,
    MoonGeneral,
    MoonIn,
    MoonInSign,
    HouseFrame,
    MidpointLiesIn,
    HouseText,
};

// One piece of a reading document.
struct OutlineBlock {
    enum class Kind {
        Heading,   // Level 1: a tab of the result window; 2: a frame on the second tab
        Field,     // a caption and its value: "Sun In", "Cancer"
        Text,      // one of the reading's texts, LF line breaks, under its caption if it has one
    };
    Kind kind = Kind::Heading;
    Part part = Part::MidpointTab;
    int Level = 1;     // a heading's, or a text caption's: 2 on the first tab, 3 inside a frame
    QString Caption;
    QString Value;     // a field's value, or a text
};

// The caption the window and the documents give a part; empty for a text
// shown under its field ("Sun In") and for the house text, whose heading
// comes with the reading.
QString CaptionOf(Part part);

// A list of facts under its heading: "Birth details", "The chart".
struct DetailList {
    QString Heading;
    QList<DetailLine> Lines;
};

// What a reading document holds: the title, the positions, the facts, the
// birth times with the same reading, and the body in the window's order.
// Every document is written from this, and the window fills itself from it.
struct ReadingOutline {
    QString Title;       // "Midpoint astrology reading for MARY ANN"
    QString Name;
    QString Positions;   // "Sun 11° 49' 12\" Can, Moon 27° 12' 29\" Sco, Ascendant 16 Can 22"
    DetailList Birth;
    QString Holds;       // the birth times that give the same reading, after the birth details
    DetailList Chart;
    QList<OutlineBlock> Body;
};

ReadingOutline OutlineOf(const engine::Reading& reading, const engine::ReadingTexts& texts);

// A text's paragraphs (split at blank lines), each with its single line
// breaks as "\n".
QList<QString> Paragraphs(const QString& text);

}  // namespace lunarys::exports
