#pragma once

#include <variant>

#include "engine/birth.h"
#include "engine/birth_input.h"
#include "engine/chart_state.h"
#include "engine/input_check.h"
#include "engine/reading_model.h"

namespace lunarys::engine {

// One reading of a birth whose details have passed the input check: copies it
// into the chart, computes everything and returns the reading.
Reading RunReading(const Birth& birth, ChartState& chart);

// The same from the input window's boxes: checks them and, when they pass,
// reads the birth they give. A failed check is returned as the problem that
// stopped it, and the chart is left untouched.
std::variant<Reading, InputProblem> RunReading(const BirthInput& input, ChartState& chart);

// The computation alone, from the birth data already in the chart: Sun,
// ascendant, Moon, signs, midpoint and its house. Every result is rewritten.
void ComputeChart(ChartState& chart);

// The parts of ComputeChart that depend on the birth time, each alone, for
// callers that move the time and need only one of them: the Sun's longitude,
// whole degree and sign; the Moon's; the ascendant's longitude.
void ComputeSun(ChartState& chart);
void ComputeMoon(ChartState& chart);
void ComputeAscendant(ChartState& chart);

// For the chart's place and birth moment: the sidereal angle its ascendant is
// taken from, in degrees (not reduced into a turn), and the most degrees the
// ascendant can move per degree of that angle while the angle runs from
// `fromDeg` to `toDeg`; infinity where the ascendant can jump.
double SiderealAngleDeg(const ChartState& chart);
double AscendantRateBound(const ChartState& chart, double fromDeg, double toDeg);

// From the whole-degree Sun and Moon longitudes and the ascendant already in
// the chart: the midpoint's degree, sign and house.
void FormMidpoint(ChartState& chart);

// The near midpoint of two whole-degree longitudes, on the shorter arc: the
// half-sum rounded half to even, turned to the opposite point when the two lie
// more than 180 degrees apart. In 0..359.
int MidpointOf(int sunWhole, int moonWhole);

// The reading of a computed chart, with the birth it was computed from.
Reading ReadingOf(const ChartState& chart, const Birth& birth);

}  // namespace lunarys::engine
