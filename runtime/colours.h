// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace runtime {

// The design's fixed colours. Each has a light and a dark variant, chosen
// by the desktop's colour scheme, so that text in it stays readable (a
// contrast of at least 4.5 : 1) against the window ground of either scheme.
enum class DesignColour {
    Blue,      // headings, column heads, pictures' lettering, rules
    Red,       // headings of the explanation screens, "Feedback:"
    Purple,    // the title of the Method of Initial Rates
    Highlight, // a selected table row or plot type; the fitted line
    Shade,     // the shaded rows of the example table
    Muted,     // the numbers of the example table
};

// True when the desktop's scheme is dark: the ground of its texts is darker
// than mid-grey.
bool darkScheme();
QColor designColour(DesignColour colour);

// The design's "system" colours, taken from the desktop's palette.
QColor ground();     // the ground of texts and tables (the palette's Base): white in a light scheme
QColor groundText(); // the text on it

// The contrast ratio of two colours, from 1 : 1 to 21 : 1 (WCAG).
double contrastRatio(const QColor &a, const QColor &b);

} // namespace runtime
