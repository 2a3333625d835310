// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphical/plotting.h"

namespace graphical {

enum class FitStatus { Fitted, Unusable };

struct LineFit {
    float slope{0.0f};
    float intercept{0.0f};
    // |r|, the absolute correlation coefficient; 0 for a flat line.
    double correlation{0.0};
    FitStatus status{FitStatus::Fitted};
};

// Ordinary least squares through (t, y), t = 0 ... 8, worked out in double
// precision and stored single, so that exact data gives exact numbers
// (a slope of -.049, not -.04899998).
LineFit fitLine(const PlotPoints &ploty);

} // namespace graphical
