// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/catalogue.h"

namespace pictures {

// The reactions of the Writing Rate Laws screen, blue on white with a long
// arrow: the digits inside formulas are subscripts, coefficients full size.
Described nitrogenDioxideAndCarbonMonoxide();
Described nitrogenMonoxideAndHydrogen();
Described dinitrogenPentoxideDecomposition();

} // namespace pictures
