#pragma once

#include "engine/reading_model.h"

class QWidget;

namespace lunarys::ui {

// Shows a finished reading in place of the input window, which it hides and
// later brings back.
class ReadingPresenter {
public:
    virtual ~ReadingPresenter() = default;
    virtual void ShowReading(const engine::Reading& reading, QWidget& inputWindow) = 0;
};

}  // namespace lunarys::ui
