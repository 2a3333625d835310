// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawspictures.h"

namespace pictures {

} // namespace pictures
