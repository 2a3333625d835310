// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/catalogue.h"

namespace pictures {

// "General Reaction: A + B -> C", the reaction the initial-rates problems use.
Described generalReaction();

} // namespace pictures
