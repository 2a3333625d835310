// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/catalogue.h"

namespace pictures {

// "General Reaction: A -> C" with a drawn arrow.
Described generalReactionA();
// The vertical axis names of the three plots, [A], ln[A] and 1/[A], turned
// to read upwards; index as the plot type.
Described plotAxisLabel(int plotType);
// The horizontal axis name: time.
Described timeAxisLabel();

} // namespace pictures
