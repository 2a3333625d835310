// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/random.h"

#include <QString>
#include <array>

namespace initialrates {

enum class Difficulty { RelativelyEasy = 1, ModeratelyDifficult = 2, Difficult = 3 };

constexpr int TrialCount = 4;

// One problem: the hidden orders and rate constant, and four trials by their
// fixed internal index. Trials 0 and 1 share [B] and trials 0 and 2 share
// [A], so each pair isolates one reactant; trial 3 is independent.
struct Problem {
    float orderA{0.0f};
    float orderB{0.0f};
    // 0 means that no problem is chosen.
    float k{0.0f};
    std::array<float, TrialCount> concA{};
    std::array<float, TrialCount> concB{};
    std::array<float, TrialCount> rate{};
    // The row each trial is shown in, 0 at the top: a shuffle of 0 to 3.
    std::array<int, TrialCount> row{0, 1, 2, 3};
};

// The orders and k, redrawn together while both orders are 0 or k is 0.
void drawOrdersAndK(Problem &problem, runtime::RandomSource &random);
// One more draw that may make the order in A 0.5 or 1.5, or the order in B -1.
void applyDifficultVariation(Problem &problem, runtime::RandomSource &random);
// The four trials, their rates and the shuffled order of the rows.
void drawTable(Problem &problem, Difficulty difficulty, runtime::RandomSource &random);

// A rate below 1 keeps four decimals, a larger one three, cut, not rounded.
float cutRate(double rate);
double trialRate(float concA, float concB, float orderA, float orderB, float k);

// Whether the table as shown leads a student who applies the method to the
// true answers: the order worked out from each reactant's pair of trials
// (0 and 1 for A, 0 and 2 for B) lies within 0.1 of the true order, and k
// worked out from every row with the true orders lies within the grading
// window. Cut rates can carry a single significant figure, so not every
// drawn table does.
bool solvableFromTable(const Problem &problem);

// A whole new problem at that difficulty, drawing in the fixed order. A
// problem that cannot be solved from its table is drawn again from the
// start, orders and k included, as one with both orders 0 is.
Problem generateProblem(runtime::RandomSource &random, Difficulty difficulty);

// The caption of the trial shown in that row: "Trial 1" for the top row.
QString trialCaption(int row);

} // namespace initialrates
