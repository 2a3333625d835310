// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/catalogue.h"

namespace pictures {

// A reaction of the Writing Rate Laws screen, blue on white with a long
// arrow: the digits inside formulas are subscripts, coefficients full size.
// Both sides are in the sub/superscript notation; spoken is what a screen
// reader says.
Described reactionWithLongArrow(const QString &reactants, const QString &products, const QString &spoken);

} // namespace pictures
