#include "ui/input/plain_text_validator.h"

#include "engine/plain_text.h"

namespace lunarys::ui {

QValidator::State PlainTextValidator::validate(QString& input, int& position) const
{
    const QString kept = engine::WithoutControlCharacters(input);
    if (kept.size() != input.size()) {
        // The cursor stays after the same character.
        position = static_cast<int>(engine::WithoutControlCharacters(QStringView(input).first(position)).size());
        input = kept;
    }
    return Acceptable;
}

}  // namespace lunarys::ui
