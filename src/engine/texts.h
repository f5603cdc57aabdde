#pragma once

#include <QString>

#include "engine/reading_model.h"

namespace lunarys::engine {

// The interpretive texts kept by sign.
enum class SignTextKind { SunInSign, MoonInSign, GeneralTraits, PositiveTraits, NegativeTraits, Personality };

// Texts come from the data files compiled into the program, with LF line
// breaks. A text that is not there reads as empty.
QString SunGeneralText();
QString MoonGeneralText();
QString SignText(SignTextKind kind, int sign);   // sign 0 = Aries .. 11 = Pisces
QString HouseText(int house);                    // 1..12

// The resource path of each text, for the tests of the content itself.
QString SunGeneralTextPath();
QString MoonGeneralTextPath();
QString SignTextPath(SignTextKind kind, int sign);
QString HouseTextPath(int house);

// Everything a reading shows in words; empty where the reading has no key.
struct ReadingTexts {
    QString SunGeneral;
    QString SunInSign;
    QString MoonGeneral;
    QString MoonInSign;
    QString GeneralTraits;
    QString PositiveTraits;
    QString NegativeTraits;
    QString Personality;
    QString HouseHeading;
    QString HouseText;
};

// Loads only the texts this reading uses.
ReadingTexts LoadReadingTexts(const Reading& reading);

}  // namespace lunarys::engine
