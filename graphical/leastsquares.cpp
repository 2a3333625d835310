// SPDX-License-Identifier: GPL-3.0-or-later
#include "leastsquares.h"

#include <algorithm>
#include <cmath>

namespace graphical {

LineFit fitLine(const PlotPoints &ploty)
{
    constexpr int n = TableRows;
    double sumT = 0.0;
    double sumY = 0.0;
    double sumTT = 0.0;
    double sumTY = 0.0;
    double sumYY = 0.0;
    for (int t = 0; t < n; ++t) {
        const double y = ploty[t];
        if (!std::isfinite(y))
            return {0.0f, 0.0f, 0.0, FitStatus::Unusable};
        sumT += t;
        sumY += y;
        sumTT += double(t) * t;
        sumTY += t * y;
        sumYY += y * y;
    }
    const double sxx = n * sumTT - sumT * sumT;
    const double slopeNumerator = n * sumTY - sumT * sumY;

    LineFit fit;
    fit.intercept = static_cast<float>((sumTT * sumY - sumT * sumTY) / sxx);
    fit.slope = static_cast<float>(slopeNumerator / sxx);
    if (!std::isfinite(fit.slope) || !std::isfinite(fit.intercept))
        return {0.0f, 0.0f, 0.0, FitStatus::Unusable};

    const double syy = n * sumYY - sumY * sumY;
    // A flat line has no correlation to speak of; rounding can also leave
    // Syy a hair below zero.
    if (std::fabs(fit.slope) > 0.00001f && syy > 0.0)
        fit.correlation = std::min(1.0, std::fabs(slopeNumerator) / (std::sqrt(sxx) * std::sqrt(syy)));
    return fit;
}

} // namespace graphical
