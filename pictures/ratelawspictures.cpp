// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawspictures.h"

namespace pictures {

namespace {

constexpr double LongArrowEms = 3.0;

} // namespace

Described reactionWithLongArrow(const QString &reactants, const QString &products, const QString &spoken)
{
    return {formula(row({text(reactants + QLatin1Char(' ')), arrow(LongArrowEms), text(QLatin1Char(' ') + products)})),
            spoken};
}

} // namespace pictures
