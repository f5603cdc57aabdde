#include <map>
#include <set>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include "engine/house.h"
#include "engine/texts.h"
#include "engine/zodiac.h"

namespace lunarys::engine {
namespace {

// The shape of every interpretive text: its file under content/, opening
// words, length in UTF-16 units with CR LF breaks, and paragraph lengths
// ("/" a blank line between paragraphs, ";" a single line break).
struct TextShape {
    const char* path;
    const char* opening;
    int length;
    const char* layout;
};

const TextShape kShapes[] = {
    {"sun/general.txt", "He can be good or evil depending", 758, "758"},
    {"moon/general.txt", "The moon is the planet most connected", 223, "223"},
    {"sun/aries.txt", "You will be highly active, straight-forward in", 334, "334"},
    {"moon/aries.txt", "You are an adventurous person by nature.", 297, "297"},
    {"midpoint/general-traits/aries.txt", "Arians are typically pioneers in thought and", 1086, "1086"},
    {"midpoint/positive-traits/aries.txt", "As we said at the beginning, an", 1740, "1740"},
    {"midpoint/negative-traits/aries.txt", "Since an Aries is quite concerned with", 1437, "1437"},
    {"midpoint/personality/aries.txt", "You have a very dynamic personality. You", 702, "380/318"},
    {"sun/taurus.txt", "You are practical, consistent in your thoughts", 401, "401"},
    {"moon/taurus.txt", "You will be inclined to gain all", 373, "373"},
    {"midpoint/general-traits/taurus.txt", "As the second sign of the zodiac,", 2338, "401/652/797/476"},
    {"midpoint/positive-traits/taurus.txt", "A Taurus by nature is warm, caring,", 1248, "1248"},
    {"midpoint/negative-traits/taurus.txt", "While the Taurus is very gentle and", 1395, "692/699"},
    {"midpoint/personality/taurus.txt", "You have a very charming personality that", 729, "539/186"},
    {"sun/gemini.txt", "You are intelligent, witty, quick to learn", 362, "362"},
    {"moon/gemini.txt", "The influence of moon in Gemini is", 378, "378"},
    {"midpoint/general-traits/gemini.txt", "The one thing, which strikes you whenever", 3048, "351/626/935/526/594"},
    {"midpoint/positive-traits/gemini.txt", "Among medieval astrologers, Gemini was thought to", 1368, "1368"},
    {"midpoint/negative-traits/gemini.txt", "The one big drawback in a Gemini", 1619, "596/854/161"},
    {"midpoint/personality/gemini.txt", "You have a logical and analytical frame", 776, "776"},
    {"sun/cancer.txt", "You are genuinely sympathetic and capable of", 391, "391"},
    {"moon/cancer.txt", "You will be a very sensitive and", 337, "337"},
    {"midpoint/general-traits/cancer.txt", "Cancer is the fourth sign of the", 3721, "433/501/1473/1302"},
    {"midpoint/positive-traits/cancer.txt", "Both in cases of Cancer male and", 855, "855"},
    {"midpoint/negative-traits/cancer.txt", "The first thing that strikes you after", 897, "897"},
    {"midpoint/personality/cancer.txt", "You are a very calm and cool", 679, "679"},
    {"sun/leo.txt", "Majestic, gregarious and extravagant, you have a", 368, "368"},
    {"moon/leo.txt", "Radiating exuberance and liveliness, you are a", 395, "395"},
    {"midpoint/general-traits/leo.txt", "Of all the zodiac signs, Leos are", 4001, "989;763/797/552/886"},
    {"midpoint/positive-traits/leo.txt", "Their tenacity and determination makes Leo shine", 1123, "1123"},
    {"midpoint/negative-traits/leo.txt", "Leo is the sun sign that is", 1324, "1324"},
    {"midpoint/personality/leo.txt", "You have a very dynamic personality. You", 698, "698"},
    {"sun/virgo.txt", "Discipline, practicality, orderliness and perfection are your", 416, "416"},
    {"moon/virgo.txt", "Reserved, dignified and well-mannered, you fit in", 430, "430"},
    {"midpoint/general-traits/virgo.txt", "Virgo is represented by the Virgin and", 3051, "820/946/504/769"},
    {"midpoint/positive-traits/virgo.txt", "Virgos are genuinely aesthetic people and often", 762, "762"},
    {"midpoint/negative-traits/virgo.txt", "A frequent complaint that a person makes", 779, "779"},
    {"midpoint/personality/virgo.txt", "You have a very charming personality that", 725, "725"},
    {"sun/libra.txt", "You are even-tempered, sociable, balanced and tolerant", 370, "370"},
    {"moon/libra.txt", "The moon in Libra makes you balanced,", 393, "393"},
    {"midpoint/general-traits/libra.txt", "Libra is the only sign of the", 2856, "577/355/620/532/756"},
    {"midpoint/positive-traits/libra.txt", "The Libran elegance, charm and inherent sense", 1088, "1088"},
    {"midpoint/negative-traits/libra.txt", "A very disconcerting quality about an otherwise", 1335, "1335"},
    {"midpoint/personality/libra.txt", "You have a logical and analytical frame", 776, "776"},
    {"sun/scorpio.txt", "Under the controlled and cool surface lies", 373, "373"},
    {"moon/scorpio.txt", "You are intensely passionate, mysterious by nature", 359, "359"},
    {"midpoint/general-traits/scorpio.txt", "Children are taught, often at a very", 3292, "852/822/1077/529"},
    {"midpoint/positive-traits/scorpio.txt", "Perhaps the biggest plus point about Scorpios", 1037, "1037"},
    {"midpoint/negative-traits/scorpio.txt", "Scorpios can be incredibly revengeful and cruel", 1057, "1057"},
    {"midpoint/personality/scorpio.txt", "You are a very calm and cool", 679, "679"},
    {"sun/sagittarius.txt", "You are spontaneous, bold, charming and outspoken.", 386, "386"},
    {"moon/sagittarius.txt", "You are self-assured, optimistic about achieving the", 361, "361"},
    {"midpoint/general-traits/sagittarius.txt", "Persons belonging to the sun sign Sagittarius", 4028, "938/1330/927/821"},
    {"midpoint/positive-traits/sagittarius.txt", "Their positive and optimistic view of life", 1160, "1160"},
    {"midpoint/negative-traits/sagittarius.txt", "A very interesting vice that is often", 1196, "1196"},
    {"midpoint/personality/sagittarius.txt", "You have a very dynamic personality. You", 698, "698"},
    {"sun/capricorn.txt", "You are ambitious, pragmatic, business minded and", 362, "362"},
    {"moon/capricorn.txt", "The influence of moon in this sign", 352, "352"},
    {"midpoint/general-traits/capricorn.txt", "Part of the tenth sign of the", 3709, "1389/1394/918"},
    {"midpoint/positive-traits/capricorn.txt", "Their steadfastness of approach and determination to", 1011, "413/357/233"},
    {"midpoint/negative-traits/capricorn.txt", "Like the Ram that dominates their sun", 1282, "435/407/432"},
    {"midpoint/personality/capricorn.txt", "You have a very charming personality that", 725, "725"},
    {"sun/aquarius.txt", "You are intellectual, quirky, innovative, original and", 365, "365"},
    {"moon/aquarius.txt", "Unconventional or eccentric ideas, sheer imaginative power", 399, "399"},
    {"midpoint/general-traits/aquarius.txt", "If you meet a person and the", 3447, "1208/919/774/534"},
    {"midpoint/positive-traits/aquarius.txt", "The one thing that strikes you about", 1055, "548/503"},
    {"midpoint/negative-traits/aquarius.txt", "Aquarians are often accused of being emotionally", 1023, "570/449"},
    {"midpoint/personality/aquarius.txt", "You have a logical and analytical frame", 776, "776"},
    {"sun/pisces.txt", "You are introspective, tolerant, highly compassionate and", 456, "456"},
    {"moon/pisces.txt", "The moon is Pisces infuses a dreamy", 385, "385"},
    {"midpoint/general-traits/pisces.txt", "The typical Pisces individual is soft, caring", 3554, "1099/1048/435/360/596"},
    {"midpoint/positive-traits/pisces.txt", "Their soft spoken, gentle and affectionate nature", 763, "763"},
    {"midpoint/negative-traits/pisces.txt", "The most irritable characteristic about a Pisces", 1283, "1283"},
    {"midpoint/personality/pisces.txt", "You are a very calm and cool", 679, "679"},
    {"houses/01.txt", "Much can be determined about someone's personality", 656, "656"},
    {"houses/02.txt", "This house is traditionally known as the house", 714, "714"},
    {"houses/03.txt", "This house corresponds to your power of communication.", 649, "649"},
    {"houses/04.txt", "This house is also known as 'Matristhan'", 730, "730"},
    {"houses/05.txt", "This house signifies the place of love affairs,", 686, "686"},
    {"houses/06.txt", "This house indicates the skills we possess", 711, "711"},
    {"houses/07.txt", "This house is commonly believed to define", 660, "660"},
    {"houses/08.txt", "This house corresponds to the sexual nature", 627, "627"},
    {"houses/09.txt", "This house of your natal chart defines", 623, "623"},
    {"houses/10.txt", "This house of tells about your career", 606, "606"},
    {"houses/11.txt", "This house is traditionally known as the house", 660, "660"},
    {"houses/12.txt", "In Indian Astrology, this house is known", 588, "588"},
};

// The lengths above count each line break as CR LF, the form in which the
// records write the texts.
QString WithCrLf(QString text) { return text.replace(u'\n', QStringLiteral("\r\n")); }

struct LoadedText {
    QString path;   // relative to content/
    QString text;   // through the loader, line breaks as CR LF
    QByteArray raw; // the file's bytes
};

std::vector<LoadedText> LoadEveryText()
{
    std::vector<LoadedText> all;
    auto add = [&](const QString& resource, const QString& text) {
        QFile file(resource);
        QByteArray raw;
        if (file.open(QIODevice::ReadOnly))
            raw = file.readAll();
        all.push_back({resource.mid(QStringLiteral(":/content/").size()), WithCrLf(text), raw});
    };
    add(SunGeneralTextPath(), SunGeneralText());
    add(MoonGeneralTextPath(), MoonGeneralText());
    for (const SignTextKind kind : {SignTextKind::SunInSign, SignTextKind::MoonInSign, SignTextKind::GeneralTraits,
                                    SignTextKind::PositiveTraits, SignTextKind::NegativeTraits,
                                    SignTextKind::Personality})
        for (int sign = 0; sign < 12; ++sign)
            add(SignTextPath(kind, sign), SignText(kind, sign));
    for (int house = 1; house <= 12; ++house)
        add(HouseTextPath(house), HouseText(house));
    return all;
}

QString LayoutOf(const QString& text)
{
    QString layout;
    const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QStringList lines = paragraphs[p].split(QStringLiteral("\r\n"));
        for (qsizetype l = 0; l < lines.size(); ++l) {
            if (l > 0)
                layout += u';';
            else if (p > 0)
                layout += u'/';
            layout += QString::number(lines[l].size());
        }
    }
    return layout;
}

TEST(Content, EveryTextHasItsShape)
{
    const std::vector<LoadedText> texts = LoadEveryText();
    ASSERT_EQ(texts.size(), std::size(kShapes));
    std::map<QString, const TextShape*> shapes;
    for (const TextShape& shape : kShapes)
        shapes[QString::fromLatin1(shape.path)] = &shape;
    for (const LoadedText& t : texts) {
        SCOPED_TRACE(t.path.toStdString());
        ASSERT_TRUE(shapes.contains(t.path)) << "the loader reads a file the table does not know";
        const TextShape& shape = *shapes[t.path];
        ASSERT_FALSE(t.raw.isEmpty()) << "missing or empty file";
        EXPECT_FALSE(t.raw.startsWith("\xEF\xBB\xBF")) << "byte-order mark";
        EXPECT_FALSE(t.raw.contains('\r')) << "files keep LF line breaks";
        EXPECT_TRUE(t.text.startsWith(QString::fromUtf8(shape.opening)));
        EXPECT_EQ(t.text.size(), shape.length);
        EXPECT_EQ(LayoutOf(t.text), QString::fromLatin1(shape.layout));
        EXPECT_FALSE(t.text.startsWith(u'\r') || t.text.endsWith(u'\n')) << "begins or ends with a line break";
        EXPECT_FALSE(t.text.contains(QStringLiteral("\r\n\r\n\r\n")));
    }
}

TEST(Content, OnlyTheAllowedCharacters)
{
    std::set<char16_t> signExtras;
    for (const LoadedText& t : LoadEveryText()) {
        SCOPED_TRACE(t.path.toStdString());
        const bool house = t.path.startsWith(QStringLiteral("houses/"));
        int acute = 0;
        for (const QChar c : t.text) {
            const char16_t u = c.unicode();
            if ((u >= 0x20 && u < 0x7F) || u == u'\r' || u == u'\n')
                continue;
            if (house && u == 0x00E9) {
                ++acute;
                continue;
            }
            if (!house && (u == 0x2018 || u == 0x2019 || u == 0x00E7)) {
                signExtras.insert(u);
                continue;
            }
            ADD_FAILURE() << "character U+" << std::hex << static_cast<int>(u) << " not allowed here";
        }
        EXPECT_EQ(acute, t.path == QStringLiteral("houses/05.txt") ? 1 : 0);
    }
    EXPECT_EQ(signExtras, (std::set<char16_t>{0x2018, 0x2019, 0x00E7})) << "each is used somewhere";
}

TEST(Content, HouseTextsOneNineAndElevenEndWithOneBlank)
{
    for (int house = 1; house <= 12; ++house) {
        const QString text = HouseText(house);
        const bool blank = house == 1 || house == 9 || house == 11;
        EXPECT_EQ(text.endsWith(QStringLiteral(". ")) && !text.endsWith(QStringLiteral("  ")), blank) << house;
        if (!blank) {
            EXPECT_TRUE(text.endsWith(u'.')) << house;
        }
    }
}

TEST(Content, LeoGeneralTraitsHasOneSingleLineBreak)
{
    const QString leo = WithCrLf(SignText(SignTextKind::GeneralTraits, 4));
    EXPECT_EQ(leo.count(QStringLiteral("\r\n\r\n")), 3);
    EXPECT_EQ(leo.count(QStringLiteral("\r\n")), 7);
}

// The personality texts are the two paragraphs of the sign's temperament:
// with a blank line between them for Aries and Taurus, joined directly for
// the others.
TEST(Content, PersonalityTextsShareTheirTemperamentsParagraphs)
{
    std::map<std::string_view, std::pair<QString, QString>> paragraphs;
    for (const int sign : {0, 1}) {
        const QStringList parts = SignText(SignTextKind::Personality, sign).split(QStringLiteral("\n\n"));
        ASSERT_EQ(parts.size(), 2);
        paragraphs[Signs[sign].Temperament] = {parts[0], parts[1]};
    }
    // Air and Water have no blank-line form: take their paragraphs apart at "At work".
    for (const int sign : {2, 3}) {
        const QString text = SignText(SignTextKind::Personality, sign);
        const qsizetype at = text.indexOf(QStringLiteral("At work"));
        ASSERT_GT(at, 0);
        paragraphs[Signs[sign].Temperament] = {text.left(at), text.mid(at)};
    }
    const std::map<std::string_view, std::pair<int, int>> lengths{
        {"Choleric", {380, 318}}, {"Sanguine", {539, 186}}, {"Melancholy", {481, 295}}, {"Phlegmatic", {486, 193}}};
    for (int sign = 0; sign < 12; ++sign) {
        const auto& [first, second] = paragraphs[Signs[sign].Temperament];
        EXPECT_EQ(first.size(), lengths.at(Signs[sign].Temperament).first);
        EXPECT_EQ(second.size(), lengths.at(Signs[sign].Temperament).second);
        const QString joined = sign < 2 ? first + QStringLiteral("\n\n") + second : first + second;
        EXPECT_EQ(SignText(SignTextKind::Personality, sign), joined) << Signs[sign].FullName;
    }
}

QString NormalisedSentence(QString sentence)
{
    sentence = sentence.toLower();
    sentence.replace(QChar(0x2019), u'\'');
    sentence.remove(QRegularExpression(QStringLiteral("[^a-z0-9' ]")));
    return sentence.simplified();
}

TEST(Content, NoLongSentenceStandsInTwoTexts)
{
    std::map<QString, QString> firstSeenIn;
    const QRegularExpression boundary(QStringLiteral("(?<=[.!?])\\s+|[\\r\\n]+"));
    for (const LoadedText& t : LoadEveryText()) {
        // Each temperament's paragraphs are shared on purpose: count them once.
        const bool sharedCopy = t.path.startsWith(QStringLiteral("midpoint/personality/"))
                                && !t.path.endsWith(QStringLiteral("/aries.txt"))
                                && !t.path.endsWith(QStringLiteral("/taurus.txt"))
                                && !t.path.endsWith(QStringLiteral("/gemini.txt"))
                                && !t.path.endsWith(QStringLiteral("/cancer.txt"));
        if (sharedCopy)
            continue;
        for (const QString& sentence : t.text.split(boundary, Qt::SkipEmptyParts)) {
            const QString key = NormalisedSentence(sentence);
            if (key.count(u' ') + 1 <= 8)
                continue;
            const auto [it, inserted] = firstSeenIn.emplace(key, t.path);
            if (!inserted && it->second != t.path)
                ADD_FAILURE() << "in " << t.path.toStdString() << " and " << it->second.toStdString() << ": "
                              << sentence.toStdString();
        }
    }
    EXPECT_GT(firstSeenIn.size(), 300u);
}

// Two texts stand in one reading when they are of different kinds (the two
// general texts, Sun in a sign, Moon in a sign, the midpoint, the house), or
// when they are two of the four midpoint texts of one sign. (Personality texts
// of one temperament are one text under several signs and never meet.)
bool MayStandInOneReading(const QString& a, const QString& b)
{
    const auto kind = [](const QString& path) {
        if (path.startsWith(QStringLiteral("midpoint/")))
            return QStringLiteral("midpoint");
        return path.endsWith(QStringLiteral("/general.txt")) ? path : path.section(u'/', 0, 0);
    };
    if (kind(a) != kind(b))
        return true;
    return kind(a) == QStringLiteral("midpoint") && a != b
           && a.section(u'/', -1) == b.section(u'/', -1);
}

QStringList Words(QString text)
{
    text = text.toLower();
    text.remove(QRegularExpression(QStringLiteral("['\u2018\u2019]")));
    return text.split(QRegularExpression(QStringLiteral("\\W+"), QRegularExpression::UseUnicodePropertiesOption),
                      Qt::SkipEmptyParts);
}

TEST(Content, NoTwoTextsOfOneReadingShareARunOfFourWords)
{
    std::map<QString, QString> openings;
    for (const TextShape& shape : kShapes)
        openings[QString::fromLatin1(shape.path)] = QString::fromLatin1(shape.opening);
    const std::vector<LoadedText> texts = LoadEveryText();
    std::map<QString, std::vector<size_t>> seenIn;   // run of four words -> texts holding it
    for (size_t i = 0; i < texts.size(); ++i) {
        const QStringList words = Words(texts[i].text).mid(Words(openings[texts[i].path]).size());
        for (qsizetype w = 0; w + 4 <= words.size(); ++w) {
            std::vector<size_t>& holders = seenIn[words.mid(w, 4).join(u' ')];
            if (holders.empty() || holders.back() != i)
                holders.push_back(i);
        }
    }
    std::set<std::pair<size_t, size_t>> reported;
    for (const auto& [run, holders] : seenIn)
        for (size_t x = 0; x < holders.size(); ++x)
            for (size_t y = x + 1; y < holders.size(); ++y)
                if (MayStandInOneReading(texts[holders[x]].path, texts[holders[y]].path)
                    && reported.emplace(holders[x], holders[y]).second)
                    ADD_FAILURE() << texts[holders[x]].path.toStdString() << " and "
                                  << texts[holders[y]].path.toStdString() << " share '" << run.toStdString() << "'";
    EXPECT_GT(seenIn.size(), 10000u);
}

TEST(Content, AMissingTextReadsAsEmpty)
{
    EXPECT_TRUE(SignText(SignTextKind::SunInSign, NoSign).isEmpty());
    EXPECT_TRUE(SignText(SignTextKind::Personality, 12).isEmpty());
    EXPECT_TRUE(HouseText(0).isEmpty());
    EXPECT_TRUE(HouseText(13).isEmpty());
}

TEST(ReadingTexts, LoadsTheTextsOfTheReadingsKeys)
{
    Reading reading;
    reading.Sun.Sign = Sign::Cancer;
    reading.Moon.Sign = Sign::Scorpio;
    reading.Midpoint.Sign = Sign::Virgo;
    reading.House = 10;
    const ReadingTexts texts = LoadReadingTexts(reading);
    EXPECT_EQ(texts.SunInSign, SignText(SignTextKind::SunInSign, 3));
    EXPECT_TRUE(texts.SunInSign.startsWith(QStringLiteral("You are genuinely sympathetic")));
    EXPECT_TRUE(texts.MoonInSign.startsWith(QStringLiteral("You are intensely passionate")));
    EXPECT_TRUE(texts.GeneralTraits.startsWith(QStringLiteral("Virgo is represented")));
    EXPECT_TRUE(texts.PositiveTraits.startsWith(QStringLiteral("Virgos are genuinely")));
    EXPECT_TRUE(texts.NegativeTraits.startsWith(QStringLiteral("A frequent complaint")));
    EXPECT_TRUE(texts.Personality.startsWith(QStringLiteral("You have a very charming")));
    EXPECT_EQ(texts.HouseHeading, QStringLiteral("More About Tenth House"));
    EXPECT_TRUE(texts.HouseText.startsWith(QStringLiteral("This house of tells about your career")));
    EXPECT_FALSE(texts.SunGeneral.isEmpty());
    EXPECT_FALSE(texts.MoonGeneral.isEmpty());

    reading.House = 0;   // no house
    const ReadingTexts houseless = LoadReadingTexts(reading);
    EXPECT_TRUE(houseless.HouseHeading.isEmpty() && houseless.HouseText.isEmpty());
    EXPECT_EQ(houseless.SunGeneral, texts.SunGeneral);
}

}  // namespace
}  // namespace lunarys::engine
