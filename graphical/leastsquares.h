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

// Ordinary least squares through (t, y), t = 0 ... 8. The sums are single
// precision, the squares formed in double; Sxx is double (540 for these t);
// the numerators are single and the quotients are stored single.
LineFit fitLine(const PlotPoints &ploty);

} // namespace graphical
