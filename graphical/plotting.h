// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphical/problem.h"

namespace graphical {

// The three transforms of [A] plotted against time. The value of each is the
// reaction order whose plot is straight; None marks that nothing has been
// plotted since the work area was last reset.
enum class PlotType : short { Concentration = 0, Logarithm = 1, Reciprocal = 2, None };

constexpr int PlotTypes = 3;
PlotType plotTypeOfIndex(int index);
bool isStraightFor(PlotType type, int orderA);

using PlotPoints = std::array<float, TableRows>;

// Vertical values of the nine points: [A]; ln[A] (in double, stored single);
// 1/[A] (single).
PlotPoints plotValues(const Concentrations &concA, PlotType type);

// The user coordinates of the plot box. The box runs from t = 0 to t = 9, so
// the last point sits at eight ninths of its width.
constexpr double PlotLeft = 0.0;
constexpr double PlotRight = 9.0;
// A point's radius, in units of time: about 2.5 logical pixels at 100 %.
constexpr double PointRadius = 0.13;

enum class RangeKind {
    Margins,  // 5 % margins beyond the first and last values
    Widened,  // both ends equal: opened by one unit either way so the points show
    Unusable, // a value is not a finite number: nothing can be drawn
};

struct PlotRange {
    double top{1.0};
    double bottom{0.0};
    RangeKind kind{RangeKind::Margins};
};

// Falling plots ([A], ln[A]) run from 5 % above the first value to 5 % below
// the last; the rising 1/[A] plot takes both margins as 5 % of its last,
// largest value.
PlotRange plotRange(const PlotPoints &ploty, PlotType type);

} // namespace graphical
