// SPDX-License-Identifier: GPL-3.0-or-later
#include "problem.h"

#include "leastsquares.h"

#include "runtime/numbers.h"
#include "runtime/random.h"

#include <QString>
#include <cmath>

namespace graphical {

int orderFromDraw(float draw)
{
    return static_cast<int>(runtime::intPart(double(draw) * 2.5 + 0.3));
}

float rateConstantFromDraw(int orderA, float draw, float initialConcentration)
{
    const double factor = 0.6 * double(draw) + 0.4;
    switch (orderA) {
    case 0:
        return static_cast<float>(runtime::intPart(factor * double(initialConcentration) * 100.0) / 1000.0);
    case 1:
        return static_cast<float>(runtime::intPart(factor * 1000.0) / 1000.0);
    default:
        return static_cast<float>(runtime::intPart(factor * 1000.0) / 100.0);
    }
}

float concentrationAt(int orderA, float k, float initialConcentration, int t)
{
    const float kt = k * static_cast<float>(t);
    switch (orderA) {
    case 0:
        // Zero order stays in single precision throughout.
        return runtime::cutDecimals(initialConcentration - kt, 4);
    case 1:
        return static_cast<float>(runtime::cutDecimals(double(initialConcentration) * std::exp(-double(kt)), 4));
    default: {
        const float reciprocal = 1.0f / initialConcentration + kt;
        return static_cast<float>(runtime::cutDecimals(1.0 / double(reciprocal), 4));
    }
    }
}

namespace {

// |r| as the screen shows it.
double shownCorrelation(const LineFit &fit)
{
    return QString::number(fit.correlation, 'f', 5).toDouble();
}

} // namespace

bool solvableFromTable(const GraphicalProblem &problem)
{
    const LineFit straight = fitLine(plotValues(problem.concA, plotTypeOfIndex(problem.orderA)));
    if (straight.status != FitStatus::Fitted
        || !runtime::withinRateConstantWindow(std::fabs(double(straight.slope)), problem.k))
        return false;
    for (int type = 0; type < PlotTypes; ++type) {
        if (type == problem.orderA)
            continue;
        // A plot that cannot be drawn cannot mislead either.
        const LineFit other = fitLine(plotValues(problem.concA, plotTypeOfIndex(type)));
        if (other.status == FitStatus::Fitted && shownCorrelation(other) >= shownCorrelation(straight))
            return false;
    }
    return true;
}

GraphicalProblem generateProblem(runtime::RandomSource &random)
{
    GraphicalProblem problem;
    do {
        problem = GraphicalProblem{};
        problem.orderA = orderFromDraw(random.next());
        problem.concA[0] = runtime::goodrandomgenerate(random, 0.7f); // one of 0.701 to 1.000 mol/L
        do {
            problem.k = rateConstantFromDraw(problem.orderA, random.next(), problem.concA[0]);
        } while (!(problem.k > 0.0f));
        for (int t = 0; t < TableRows; ++t)
            problem.concA[t] = concentrationAt(problem.orderA, problem.k, problem.concA[0], t);
    } while (!solvableFromTable(problem));
    return problem;
}

} // namespace graphical
