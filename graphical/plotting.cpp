// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotting.h"

#include <cmath>

namespace graphical {

PlotType plotTypeOfIndex(int index)
{
    switch (index) {
    case 0:
        return PlotType::Concentration;
    case 1:
        return PlotType::Logarithm;
    case 2:
        return PlotType::Reciprocal;
    default:
        return PlotType::None;
    }
}

bool isStraightFor(PlotType type, int orderA)
{
    return static_cast<int>(type) == orderA;
}

PlotPoints plotValues(const Concentrations &concA, PlotType type)
{
    PlotPoints ploty{};
    for (int t = 0; t < TableRows; ++t) {
        switch (type) {
        case PlotType::Concentration:
            ploty[t] = concA[t];
            break;
        case PlotType::Logarithm:
            ploty[t] = static_cast<float>(std::log(double(concA[t])));
            break;
        case PlotType::Reciprocal:
            ploty[t] = 1.0f / concA[t];
            break;
        case PlotType::None:
            ploty[t] = 0.0f;
            break;
        }
    }
    return ploty;
}

PlotRange plotRange(const PlotPoints &ploty, PlotType type)
{
    const double y0 = ploty.front();
    const double y8 = ploty.back();
    PlotRange range;
    if (type == PlotType::Reciprocal) {
        range.top = y8 + 0.05 * std::fabs(y8);
        range.bottom = y0 - 0.05 * std::fabs(y8);
    } else {
        range.top = y0 + 0.05 * std::fabs(y0);
        range.bottom = y8 - 0.05 * std::fabs(y8);
    }
    // ln 0 and 1/0 give infinities; a zero or negative [A] never comes from
    // the generator, but the plot must not be drawn from such values.
    for (const float y : ploty) {
        if (!std::isfinite(y))
            return {1.0, 0.0, RangeKind::Unusable};
    }
    if (range.top == range.bottom) {
        range.top += 1.0;
        range.bottom -= 1.0;
        range.kind = RangeKind::Widened;
    }
    return range;
}

} // namespace graphical
