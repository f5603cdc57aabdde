#include "engine/texts.h"

#include <QResource>

#include "engine/house.h"
#include "engine/qt_text.h"
#include "engine/zodiac.h"

namespace lunarys::engine {

namespace {

QString ReadText(const QString& path)
{
    if (path.isEmpty())
        return {};
    // Straight from the compiled-in data, without a file engine.
    const QResource resource(path);
    return resource.isValid() ? QString::fromUtf8(resource.uncompressedData()) : QString();
}

QString FolderOf(SignTextKind kind)
{
    switch (kind) {
    case SignTextKind::SunInSign: return QStringLiteral("sun");
    case SignTextKind::MoonInSign: return QStringLiteral("moon");
    case SignTextKind::GeneralTraits: return QStringLiteral("midpoint/general-traits");
    case SignTextKind::PositiveTraits: return QStringLiteral("midpoint/positive-traits");
    case SignTextKind::NegativeTraits: return QStringLiteral("midpoint/negative-traits");
    case SignTextKind::Personality: return QStringLiteral("midpoint/personality");
    }
    return {};
}

}  // namespace

QString SunGeneralTextPath() { return QStringLiteral(":/content/sun/general.txt"); }
QString MoonGeneralTextPath() { return QStringLiteral(":/content/moon/general.txt"); }

QString SignTextPath(SignTextKind kind, int sign)
{
    if (sign < 0 || sign >= static_cast<int>(Signs.size()))
        return {};
    return QStringLiteral(":/content/%1/%2.txt").arg(FolderOf(kind), ToQString(Signs[sign].FullName).toLower());
}

QString HouseTextPath(int house)
{
    if (house < 1 || house > static_cast<int>(Houses.size()))
        return {};
    return QStringLiteral(":/content/houses/%1.txt").arg(house, 2, 10, QLatin1Char('0'));
}

QString SunGeneralText() { return ReadText(SunGeneralTextPath()); }
QString MoonGeneralText() { return ReadText(MoonGeneralTextPath()); }
QString SignText(SignTextKind kind, int sign) { return ReadText(SignTextPath(kind, sign)); }
QString HouseText(int house) { return ReadText(HouseTextPath(house)); }

ReadingTexts LoadReadingTexts(const Reading& reading)
{
    const int sun = IndexOf(reading.Sun.Sign);
    const int moon = IndexOf(reading.Moon.Sign);
    const int midpoint = IndexOf(reading.Midpoint.Sign);
    ReadingTexts texts;
    texts.SunGeneral = SunGeneralText();
    texts.SunInSign = SignText(SignTextKind::SunInSign, sun);
    texts.MoonGeneral = MoonGeneralText();
    texts.MoonInSign = SignText(SignTextKind::MoonInSign, moon);
    texts.GeneralTraits = SignText(SignTextKind::GeneralTraits, midpoint);
    texts.PositiveTraits = SignText(SignTextKind::PositiveTraits, midpoint);
    texts.NegativeTraits = SignText(SignTextKind::NegativeTraits, midpoint);
    texts.Personality = SignText(SignTextKind::Personality, midpoint);
    if (reading.House >= 1 && reading.House <= static_cast<int>(Houses.size())) {
        texts.HouseHeading = ToQString(Houses[reading.House - 1].Heading);
        texts.HouseText = HouseText(reading.House);
    }
    return texts;
}

}  // namespace lunarys::engine
