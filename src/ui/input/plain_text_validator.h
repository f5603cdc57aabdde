#pragma once

#include <QValidator>

namespace lunarys::ui {

// Keeps the characters that act rather than show out of a free-text box
// (City, State, Country), whether typed, pasted or set: they are left out
// and the rest taken, without a message, as engine::WithoutControlCharacters
// has it.
class PlainTextValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace lunarys::ui
