// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicalpictures.h"

namespace pictures {

} // namespace pictures
