// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicalpictures.h"

namespace pictures {

namespace {

Style axisStyle()
{
    Style style;
    style.pixelSize = 11.0;
    return style;
}

} // namespace

Described generalReactionA()
{
    return {formula(QStringLiteral("General Reaction:  A -> C")),
            QStringLiteral("General reaction: A reacts to give C")};
}

Described plotAxisLabel(int plotType)
{
    switch (plotType) {
    case 0:
        return {turnedUp(formula(QStringLiteral("[A]"), axisStyle())),
                QStringLiteral("vertical axis: concentration of A")};
    case 1:
        return {turnedUp(formula(QStringLiteral("ln[A]"), axisStyle())),
                QStringLiteral("vertical axis: natural logarithm of the concentration of A")};
    default:
        return {turnedUp(formula(QStringLiteral("1/[A]"), axisStyle())),
                QStringLiteral("vertical axis: one over the concentration of A")};
    }
}

Described timeAxisLabel()
{
    return {formula(QStringLiteral("time"), axisStyle()), QStringLiteral("horizontal axis: time")};
}

} // namespace pictures
