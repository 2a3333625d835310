// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem.h"

#include "runtime/numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace initialrates {

using runtime::intPart;

namespace {

// One of 0.011 to 1.000 mol/L.
float concentration(runtime::RandomSource &random)
{
    return runtime::goodrandomgenerate(random, 0.01f);
}

} // namespace

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

void drawTable(Problem &problem, Difficulty difficulty, runtime::RandomSource &random)
{
    auto &concA = problem.concA;
    auto &concB = problem.concB;
    concA[0] = concentration(random);
    concB[0] = concentration(random);
    concA[1] = concentration(random);
    concB[1] = concB[0];
    concA[2] = concA[0];
    concB[2] = concentration(random);
    concA[3] = concentration(random);
    concB[3] = concentration(random);
    if (difficulty == Difficulty::RelativelyEasy) {
        // The draws above are still made, so the sequence of draws is the
        // same on every level.
        concA[1] = concA[0] + concA[0];
        concB[2] = concB[0] + concB[0];
    }
    for (int i = 0; i < TrialCount; ++i)
        problem.rate[i] = cutRate(trialRate(concA[i], concB[i], problem.orderA, problem.orderB, problem.k));

    // Each trial draws rows until it finds one no earlier trial has.
    for (int i = 0; i < TrialCount; ++i) {
        bool taken = true;
        int candidate = 0;
        while (taken) {
            candidate = int(std::floor(random.next() * float(TrialCount)));
            taken = std::find(problem.row.begin(), problem.row.begin() + i, candidate) != problem.row.begin() + i;
        }
        problem.row[i] = candidate;
    }
}

namespace {

// The order worked out from two trials that differ in one concentration:
// log(rate ratio) / log(concentration ratio), within 0.1 of the true order.
bool orderFromPairHolds(float rate1, float rate0, float conc1, float conc0, float order)
{
    if (!(rate1 > 0.0f && rate0 > 0.0f) || conc1 == conc0)
        return false;
    const double worked = std::log(double(rate1) / double(rate0)) / std::log(double(conc1) / double(conc0));
    return std::fabs(worked - double(order)) <= 0.1;
}

} // namespace

bool solvableFromTable(const Problem &problem)
{
    const auto &concA = problem.concA;
    const auto &concB = problem.concB;
    const auto &rate = problem.rate;
    if (!orderFromPairHolds(rate[1], rate[0], concA[1], concA[0], problem.orderA)
        || !orderFromPairHolds(rate[2], rate[0], concB[2], concB[0], problem.orderB))
        return false;
    for (int i = 0; i < TrialCount; ++i) {
        const double worked = double(rate[i]) / trialRate(concA[i], concB[i], problem.orderA, problem.orderB, 1.0f);
        if (!runtime::withinRateConstantWindow(static_cast<float>(worked), problem.k))
            return false;
    }
    return true;
}

Problem generateProblem(runtime::RandomSource &random, Difficulty difficulty)
{
    Problem problem;
    do {
        problem = Problem{};
        drawOrdersAndK(problem, random);
        if (difficulty == Difficulty::Difficult)
            applyDifficultVariation(problem, random);
        drawTable(problem, difficulty, random);
    } while (!solvableFromTable(problem));
    return problem;
}

QString trialCaption(int row)
{
    return QCoreApplication::translate("initialrates", "Trial %1").arg(runtime::plainText(row + 1));
}

} // namespace initialrates
