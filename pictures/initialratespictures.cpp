// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialratespictures.h"

#include <QCoreApplication>

namespace pictures {

Described generalReaction()
{
    return {formula(QCoreApplication::translate("pictures", "General Reaction: A + B -> C")),
            QCoreApplication::translate("pictures", "General reaction: A plus B reacts to give C")};
}

} // namespace pictures
