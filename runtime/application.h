// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

// The program-wide font and look every screen expects, the program's icon
// and the desktop entry its windows belong to.
void initialiseApplication();

} // namespace runtime
