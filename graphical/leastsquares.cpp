// SPDX-License-Identifier: GPL-3.0-or-later
#include "leastsquares.h"

#include <cmath>

namespace graphical {

LineFit fitLine(const PlotPoints &ploty)
{
    constexpr int n = TableRows;
    float sumT = 0.0f;
    float sumY = 0.0f;
    float sumTT = 0.0f;
    float sumTY = 0.0f;
    float sumYY = 0.0f;
    for (int t = 0; t < n; ++t) {
        const float y = ploty[t];
        if (!std::isfinite(y))
            return {0.0f, 0.0f, 0.0, FitStatus::Unusable};
        sumT += static_cast<float>(t);
        sumY += y;
        sumTT = static_cast<float>(double(sumTT) + double(t) * double(t));
        sumTY += static_cast<float>(t) * y;
        sumYY = static_cast<float>(double(sumYY) + double(y) * double(y));
    }
    const double sxx = double(n) * double(sumTT) - double(sumT) * double(sumT);
    const float interceptNumerator = sumTT * sumY - sumT * sumTY;
    const float slopeNumerator = float(n) * sumTY - sumT * sumY;

    LineFit fit;
    fit.intercept = static_cast<float>(double(interceptNumerator) / sxx);
    fit.slope = static_cast<float>(double(slopeNumerator) / sxx);
    if (!std::isfinite(fit.slope) || !std::isfinite(fit.intercept))
        return {0.0f, 0.0f, 0.0, FitStatus::Unusable};

    const double syy = double(n) * double(sumYY) - double(sumY) * double(sumY);
    // A flat line has no correlation to speak of; rounding can also leave
    // Syy a hair below zero.
    if (std::fabs(fit.slope) > 0.00001f && syy > 0.0)
        fit.correlation = std::min(1.0, std::fabs(double(slopeNumerator)) / (std::sqrt(sxx) * std::sqrt(syy)));
    return fit;
}

} // namespace graphical
