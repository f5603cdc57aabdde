#include "engine/input_check.h"

#include <gtest/gtest.h>

namespace lunarys::engine {
namespace {

BirthInput ValidInput()
{
    BirthInput in;
    in.Name = QStringLiteral("MARY ANN");
    in.LongitudeDegrees = QStringLiteral("72");
    in.LongitudeMinutes = QStringLiteral("50");
    in.LatitudeDegrees = QStringLiteral("18");
    in.LatitudeMinutes = QStringLiteral("57");
    in.MonthIndex = 6;
    in.DayIndex = 3;
    in.Year = 1990;
    return in;
}

struct CheckCase {
    const char* what;
    void (*change)(BirthInput&);
    const char* message;   // nullptr: passes
    MessageIcon icon;
    InputField focus;
};

const CheckCase kCases[] = {
    {"valid", [](BirthInput&) {}, nullptr, MessageIcon::Error, InputField::None},
    {"empty name", [](BirthInput& in) { in.Name.clear(); }, messages::EnterName, MessageIcon::Error, InputField::Name},
    {"blank name", [](BirthInput& in) { in.Name = QStringLiteral("   "); }, messages::EnterName, MessageIcon::Error, InputField::Name},
    {"name first of several faults", [](BirthInput& in) { in.Name.clear(); in.LongitudeDegrees.clear(); },
     messages::EnterName, MessageIcon::Error, InputField::Name},
    {"longitude degrees empty", [](BirthInput& in) { in.LongitudeDegrees.clear(); }, messages::LongitudeDegrees,
     MessageIcon::Error, InputField::LongitudeDegrees},
    {"longitude degrees 180", [](BirthInput& in) { in.LongitudeDegrees = QStringLiteral("180"); },
     messages::LongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees},
    {"longitude degrees -1", [](BirthInput& in) { in.LongitudeDegrees = QStringLiteral("-1"); },
     messages::LongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees},
    {"longitude degrees 179", [](BirthInput& in) { in.LongitudeDegrees = QStringLiteral("179"); }, nullptr,
     MessageIcon::Error, InputField::None},
    {"longitude degrees 0", [](BirthInput& in) { in.LongitudeDegrees = QStringLiteral("0"); }, nullptr,
     MessageIcon::Error, InputField::None},
    {"longitude degrees leading number", [](BirthInput& in) { in.LongitudeDegrees = QStringLiteral("12ab"); },
     nullptr, MessageIcon::Error, InputField::None},
    {"longitude minutes empty", [](BirthInput& in) { in.LongitudeMinutes.clear(); }, messages::LongitudeMinutes,
     MessageIcon::Error, InputField::LongitudeMinutes},
    {"longitude minutes 60", [](BirthInput& in) { in.LongitudeMinutes = QStringLiteral("60"); },
     messages::LongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes},
    {"longitude minutes not a number", [](BirthInput& in) { in.LongitudeMinutes = QStringLiteral("5x"); },
     messages::LongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes},
    {"longitude minutes 59", [](BirthInput& in) { in.LongitudeMinutes = QStringLiteral("59"); }, nullptr,
     MessageIcon::Error, InputField::None},
    {"latitude degrees empty", [](BirthInput& in) { in.LatitudeDegrees.clear(); }, messages::LatitudeDegrees,
     MessageIcon::Error, InputField::LatitudeDegrees},
    {"latitude degrees 90", [](BirthInput& in) { in.LatitudeDegrees = QStringLiteral("90"); },
     messages::LatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees},
    {"latitude degrees 89", [](BirthInput& in) { in.LatitudeDegrees = QStringLiteral("89"); }, nullptr,
     MessageIcon::Error, InputField::None},
    {"latitude minutes empty", [](BirthInput& in) { in.LatitudeMinutes = QStringLiteral(" "); },
     messages::LatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes},
    {"latitude minutes 60", [](BirthInput& in) { in.LatitudeMinutes = QStringLiteral("60"); },
     messages::LatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes},
    {"29 February 1904", [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 28; in.Year = 1904; }, nullptr,
     MessageIcon::Error, InputField::None},
    {"29 February 2000, the one century year",
     [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 28; in.Year = 2000; }, nullptr, MessageIcon::Error,
     InputField::None},
    {"29 February 1901", [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 28; in.Year = 1901; },
     messages::FebruaryDate, MessageIcon::Information, InputField::None},
    {"30 February 2000", [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 29; in.Year = 2000; },
     messages::FebruaryDate, MessageIcon::Information, InputField::None},
    {"31 February 2000", [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 30; in.Year = 2000; },
     messages::FebruaryDate, MessageIcon::Information, InputField::None},
    {"28 February 1901", [](BirthInput& in) { in.MonthIndex = 1; in.DayIndex = 27; in.Year = 1901; }, nullptr,
     MessageIcon::Error, InputField::None},
    {"31 April", [](BirthInput& in) { in.MonthIndex = 3; in.DayIndex = 30; }, messages::ShortMonthDate,
     MessageIcon::Information, InputField::None},
    {"31 June", [](BirthInput& in) { in.MonthIndex = 5; in.DayIndex = 30; }, messages::ShortMonthDate,
     MessageIcon::Information, InputField::None},
    {"31 September", [](BirthInput& in) { in.MonthIndex = 8; in.DayIndex = 30; }, messages::ShortMonthDate,
     MessageIcon::Information, InputField::None},
    {"31 November", [](BirthInput& in) { in.MonthIndex = 10; in.DayIndex = 30; }, messages::ShortMonthDate,
     MessageIcon::Information, InputField::None},
    {"30 November", [](BirthInput& in) { in.MonthIndex = 10; in.DayIndex = 29; }, nullptr, MessageIcon::Error,
     InputField::None},
    {"31 March", [](BirthInput& in) { in.MonthIndex = 2; in.DayIndex = 30; }, nullptr, MessageIcon::Error,
     InputField::None},
    {"coordinates before the date", [](BirthInput& in) { in.LatitudeMinutes.clear(); in.MonthIndex = 3; in.DayIndex = 30; },
     messages::LatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes},
};

TEST(CheckInput, EveryMessageInItsOrder)
{
    for (const CheckCase& c : kCases) {
        BirthInput in = ValidInput();
        c.change(in);
        const std::optional<InputProblem> problem = CheckInput(in);
        if (!c.message) {
            EXPECT_FALSE(problem.has_value()) << c.what << ": " << problem->Message.toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << c.what;
        EXPECT_EQ(problem->Message, QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(problem->Icon, c.icon) << c.what;
        EXPECT_EQ(problem->Focus, c.focus) << c.what;
    }
}

// A birth in numbers is checked as the boxes are: for every case whose boxes
// hold whole numbers (an empty box is -1), CheckBirth tells what CheckInput
// tells, and TakeBirth gives the birth of boxes that pass.
TEST(CheckBirth, AgreesWithTheBoxes)
{
    int compared = 0;
    for (const CheckCase& c : kCases) {
        BirthInput in = ValidInput();
        c.change(in);
        bool whole = true;
        const auto number = [&whole](const QString& text) {
            bool ok = false;
            const int value = text.trimmed().toInt(&ok);
            whole = whole && (ok || text.trimmed().isEmpty());
            return text.trimmed().isEmpty() ? -1 : value;
        };
        Birth birth;
        birth.Name = in.Name;
        birth.Year = in.Year;
        birth.Month = in.MonthIndex + 1;
        birth.Day = in.DayIndex + 1;
        birth.LongitudeDegrees = number(in.LongitudeDegrees);
        birth.LongitudeMinutes = number(in.LongitudeMinutes);
        birth.LatitudeDegrees = number(in.LatitudeDegrees);
        birth.LatitudeMinutes = number(in.LatitudeMinutes);
        if (!whole)
            continue;
        ++compared;
        EXPECT_EQ(CheckBirth(birth), CheckInput(in)) << c.what;
        const std::variant<Birth, InputProblem> taken = TakeBirth(in);
        if (!c.message) {
            EXPECT_TRUE(std::get<Birth>(taken) == birth) << c.what;
        }
    }
    EXPECT_GT(compared, 25);
}

TEST(CheckInput, MessagesCharacterForCharacter)
{
    EXPECT_STREQ(messages::LongitudeMinutes, "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    EXPECT_STREQ(messages::FebruaryDate, "Please Enter Correct Date Or Month!");
    EXPECT_STREQ(messages::ShortMonthDate, "Please Enter Correct Date Or Month !");
}

TEST(Numbers, LeadingNumberAndWholeNumber)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral("12abc")), 12);
    EXPECT_EQ(LeadingNumber(QStringLiteral("abc")), 0);
    EXPECT_EQ(LeadingNumber(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1.5e2x")), 150);
    EXPECT_EQ(LeadingNumber(QStringLiteral("2e")), 2);
    EXPECT_EQ(WholeNumber(QStringLiteral(" 59 ")), 59);
    EXPECT_FALSE(WholeNumber(QStringLiteral("5x")).has_value());
    EXPECT_FALSE(WholeNumber(QString()).has_value());
    EXPECT_EQ(CoordinateValue(QStringLiteral("072")), 72);
    EXPECT_EQ(CoordinateValue(QStringLiteral("2.5")), 2);   // halves to even
    EXPECT_EQ(CoordinateValue(QStringLiteral("3.5")), 4);
    EXPECT_EQ(CoordinateValue(QStringLiteral("99999999")), 0);
}

TEST(NameRule, LettersOfAnyAlphabetAndBlanks)
{
    for (const char* ok : {"MARY ANN", "mary ann", "José Ñúñez", "Straße", "Ελένη", "Анна", "", "Jo-Ann", "O'Brien",
                           "D’Arcy", "Anne-Marie O'Neil-Smith", "Zoë-Éloïse", "Jean-Luc d'Éon"})
        EXPECT_TRUE(IsNameText(QString::fromUtf8(ok))) << ok;
    for (const char* refused : {"R2D2", "J. Smith", "Anne\tMarie", "Zoë!", "-Ann", "Ann-", "Jo--Ann", "Jo- Ann",
                                "Jo -Ann", "O''Brien", "Jo-'Ann", "Jo‐Ann" /* U+2010 */, "Jo`Ann", "‘Ann"})
        EXPECT_FALSE(IsNameText(QString::fromUtf8(refused))) << refused;
    // While typing, the joiner may come before the letter that follows it.
    for (const char* typing : {"Jo-", "O'", "D’"})
        EXPECT_TRUE(IsNameBeingTyped(QString::fromUtf8(typing)) && !IsNameText(QString::fromUtf8(typing))) << typing;
    EXPECT_FALSE(IsNameBeingTyped(QStringLiteral("-")));
    EXPECT_FALSE(IsNameBeingTyped(QStringLiteral("Jo--")));
    EXPECT_EQ(NameInCapitals(QStringLiteral("mary ann")), QStringLiteral("MARY ANN"));
    EXPECT_EQ(NameInCapitals(QString::fromUtf8("José")), QString::fromUtf8("JOSÉ"));
    EXPECT_EQ(NameInCapitals(QString::fromUtf8("Straße")), QString::fromUtf8("STRASSE"));
    // Accents written as combining marks, and letters beyond 16 bits.
    EXPECT_TRUE(IsNameText(QString::fromUtf8("José")));
    EXPECT_EQ(NameInCapitals(QString::fromUtf8("josé")), QString::fromUtf8("JOSÉ"));
    EXPECT_FALSE(IsNameText(QString::fromUtf8("́a")));
    EXPECT_FALSE(IsNameText(QString::fromUtf8("a ́")));
    EXPECT_TRUE(IsNameText(QString::fromUtf8("𝐀")));
    EXPECT_FALSE(IsNameText(QString::fromUtf8("😀")));
}

TEST(DigitRule, DecimalDigitsOnly)
{
    EXPECT_TRUE(IsDigitText(QStringLiteral("0123456789")));
    for (const char* refused : {"-1", "1.5", "1 ", "a", "\r", "\u0663"})
        EXPECT_FALSE(IsDigitText(QString::fromUtf8(refused))) << refused;
}

}  // namespace
}  // namespace lunarys::engine
