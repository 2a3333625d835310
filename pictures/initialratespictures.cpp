// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialratespictures.h"

namespace pictures {

Described generalReaction()
{
    return {formula(QStringLiteral("General Reaction: A + B -> C")),
            QStringLiteral("General reaction: A plus B reacts to give C")};
}

} // namespace pictures
