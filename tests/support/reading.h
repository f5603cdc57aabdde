#pragma once

#include <stdexcept>
#include <variant>

#include "engine/reading.h"

namespace lunarys::testing {

// A reading of details that pass the input check; anything else fails the test.
inline engine::Reading MustRead(const engine::BirthInput& input, engine::ChartState& chart)
{
    auto outcome = engine::RunReading(input, chart);
    if (auto* problem = std::get_if<engine::InputProblem>(&outcome))
        throw std::runtime_error("refused: " + problem->Message.toStdString());
    return std::get<engine::Reading>(std::move(outcome));
}

inline engine::Reading MustRead(const engine::BirthInput& input)
{
    engine::ChartState chart;
    return MustRead(input, chart);
}

}  // namespace lunarys::testing
