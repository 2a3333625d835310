// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem.h"

#include "runtime/numbers.h"

#include <QCoreApplication>
#include <cmath>

namespace initialrates {

using runtime::intPart;

float goodrandomgenerate(runtime::RandomSource &random)
{
    float goodrandom = 0.0f;
    do {
        goodrandom = static_cast<float>(runtime::roundTo(random.next(), 3));
    } while (!(goodrandom > 0.01f));
    return goodrandom;
}

void drawOrdersAndK(Problem &problem, runtime::RandomSource &random)
{
    do {
        // The constants 2.2 and 0.3 are double, so the order arithmetic is;
        // the draw times the whole number 1000 stays single.
        problem.orderA = static_cast<float>(intPart(double(random.next()) * 2.2 + 0.3));
        problem.orderB = static_cast<float>(intPart(double(random.next()) * 2.2 + 0.3));
        const float thousandths = std::floor(random.next() * 1000.0f);
        problem.k = static_cast<float>(double(thousandths) / 100.0);
    } while (problem.orderA + problem.orderB <= 0.0f || problem.k == 0.0f);
}

void applyDifficultVariation(Problem &problem, runtime::RandomSource &random)
{
    const double r = random.next();
    if (r < 0.2)
        problem.orderA = 0.5f;
    if (r > 0.8)
        problem.orderB = -1.0f;
    if (r > 0.3 && r < 0.4)
        problem.orderA = 1.5f;
}

double trialRate(float concA, float concB, float orderA, float orderB, float k)
{
    return (std::pow(double(concA), double(orderA)) * double(k)) * std::pow(double(concB), double(orderB));
}

float cutRate(double rate)
{
    const float single = static_cast<float>(rate);
    return single < 1.0f ? runtime::cutDecimals(single, 4) : runtime::cutDecimals(single, 3);
}

void setupproblem(Problem &problem, Difficulty difficulty, runtime::RandomSource &random)
{
    auto &concA = problem.concA;
    auto &concB = problem.concB;
    concA[0] = goodrandomgenerate(random);
    concB[0] = goodrandomgenerate(random);
    concA[1] = goodrandomgenerate(random);
    concB[1] = concB[0];
    concA[2] = concA[0];
    concB[2] = goodrandomgenerate(random);
    concA[3] = goodrandomgenerate(random);
    concB[3] = goodrandomgenerate(random);
    if (difficulty == Difficulty::RelativelyEasy) {
        // The draws above are still made, so the sequence of draws is the
        // same on every level.
        concA[1] = concA[0] + concA[0];
        concB[2] = concB[0] + concB[0];
    }
    for (int i = 0; i < TrialCount; ++i)
        problem.rate[i] = cutRate(trialRate(concA[i], concB[i], problem.orderA, problem.orderB, problem.k));

    problem.rowTop.fill(OffTableTop);
    for (int i = 0; i < TrialCount; ++i) {
        bool taken = false;
        int candidate = OffTableTop;
        while (!taken) {
            candidate = FirstRowTop + RowSpacing * int(std::floor(random.next() * 4.0f));
            taken = true;
            for (int j = 0; j < i; ++j) {
                if (problem.rowTop[j] == candidate)
                    taken = false;
            }
        }
        problem.rowTop[i] = candidate;
    }
}

Problem generateProblem(runtime::RandomSource &random, Difficulty difficulty)
{
    Problem problem;
    drawOrdersAndK(problem, random);
    if (difficulty == Difficulty::Difficult)
        applyDifficultVariation(problem, random);
    setupproblem(problem, difficulty, random);
    return problem;
}

int rowNumber(int rowTop)
{
    return int(intPart(double(rowTop - FirstRowTop) / RowSpacing + 1));
}

QString trialCaption(int rowTop)
{
    return QCoreApplication::translate("initialrates", "Trial %1").arg(runtime::trimmedText(rowNumber(rowTop)));
}

} // namespace initialrates
