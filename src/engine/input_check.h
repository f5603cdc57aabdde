#pragma once

#include <optional>
#include <variant>

#include <QString>

#include "engine/birth_input.h"

namespace lunarys::engine {

enum class MessageIcon { Error, Information };

// The box that should take the focus after a message; None leaves it alone.
enum class InputField { None, Name, LongitudeDegrees, LongitudeMinutes, LatitudeDegrees, LatitudeMinutes };

struct InputProblem {
    QString Message;
    MessageIcon Icon = MessageIcon::Error;
    InputField Focus = InputField::None;
    friend bool operator==(const InputProblem&, const InputProblem&) = default;
};

namespace messages {
inline const char* const EnterName = "Please Enter Name";
inline const char* const LongitudeDegrees = "Please Enter Value Between 0 And 179 in the Degree of Longitude";
inline const char* const LongitudeMinutes = "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
inline const char* const LatitudeDegrees = "Please Enter Value Between 0 And 89 in the Degree of Latitude";
inline const char* const LatitudeMinutes = "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
inline const char* const FebruaryDate = "Please Enter Correct Date Or Month!";
inline const char* const ShortMonthDate = "Please Enter Correct Date Or Month !";
inline const char* const OnlyNumbers = "Only Numbers Are Accepted";
inline const char* const OnlyLetters = "Please Enter only Letters";
}  // namespace messages

// The checks of the birth details in their order; the first that fails is
// the answer. nullopt means the details can be used.
std::optional<InputProblem> CheckInput(const BirthInput& input);

// The same checks, in the same order and with the same messages, of a birth
// already in numbers (a front end that reads no boxes, a kept person). A
// coordinate the user left out is given as -1, which fails as "below 0".
std::optional<InputProblem> CheckBirth(const Birth& birth);

// The boxes as a birth, once the check has passed: the coordinates rounded
// to integers as the reading takes them, the clock the window's (a database
// clock when it follows one, else the list's item and box).
std::variant<Birth, InputProblem> TakeBirth(const BirthInput& input);

// The value of the longest numeric prefix of a text (0 when there is none),
// as degrees are read: "12abc" is 12, "abc" is 0.
double LeadingNumber(const QString& text);

// The whole text as a number, or nullopt when it is not one.
std::optional<double> WholeNumber(const QString& text);

// A number typed into a coordinate box, rounded to an integer (halves to
// even); 0 for a text without a leading number.
int CoordinateValue(const QString& text);

// Name rule: letters of any alphabet and blanks, and a hyphen or an
// apostrophe (' or ’) between two letters ("JO-ANN", "O'BRIEN"); shown in
// capitals.
bool IsNameText(const QString& text);
// The same while the name is being typed: a joiner may also end it, before
// the letter that follows it is typed.
bool IsNameBeingTyped(const QString& text);
QString NameInCapitals(const QString& text);

// Coordinate boxes take decimal digits only.
bool IsDigitText(const QString& text);

}  // namespace lunarys::engine
