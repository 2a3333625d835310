// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialratespictures.h"

namespace pictures {

} // namespace pictures
