// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace runtime {
class RandomSource;
}

namespace graphical {

// The table runs from 0 to 8 minutes, one row a minute.
constexpr int TableRows = 9;
using Concentrations = std::array<float, TableRows>;

// One reaction A -> C: its order in A, its rate constant and [A] in mol/L at
// t = 0, 1, ..., 8 min. A rate constant of 0 marks "no problem chosen".
struct GraphicalProblem {
    int orderA{0};
    float k{0.0f};
    Concentrations concA{};
};

// 28 % zero order, 40 % first order, 32 % second order.
int orderFromDraw(float draw);

// k for the order, from one draw; products in double, the result single.
float rateConstantFromDraw(int orderA, float draw, float initialConcentration);

// [A] at t minutes from the integrated rate law, cut (not rounded) to four
// decimals.
float concentrationAt(int orderA, float k, float initialConcentration, int t);

// Whether the table as shown leads a student who applies the method to the
// true answers: the least-squares line of the straight plot has a |slope|
// within the grading window of k, and that plot shows the highest |r| of
// the three (as the screen shows it, to five decimals). Cutting [A] to four
// decimals can spoil either for small changes in [A].
bool solvableFromTable(const GraphicalProblem &problem);

// A whole new problem: the order, [A]0, then k (redrawn while not positive),
// then the table. The first row cuts [A]0 itself to four decimals, and every
// later row starts from that cut value. A problem that cannot be solved from
// its table is drawn again from the start.
GraphicalProblem generateProblem(runtime::RandomSource &random);

} // namespace graphical
