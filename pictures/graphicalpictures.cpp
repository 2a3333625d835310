// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicalpictures.h"

#include <QCoreApplication>

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
    return {formula(QCoreApplication::translate("pictures", "General Reaction:  A -> C")),
            QCoreApplication::translate("pictures", "General reaction: A reacts to give C")};
}

Described plotAxisLabel(int plotType)
{
    switch (plotType) {
    case 0:
        return {turnedUp(formula(QCoreApplication::translate("pictures", "[A]"), axisStyle())),
                QCoreApplication::translate("pictures", "vertical axis: concentration of A")};
    case 1:
        return {turnedUp(formula(QCoreApplication::translate("pictures", "ln[A]"), axisStyle())),
                QCoreApplication::translate("pictures", "vertical axis: natural logarithm of the concentration of A")};
    default:
        return {turnedUp(formula(QCoreApplication::translate("pictures", "1/[A]"), axisStyle())),
                QCoreApplication::translate("pictures", "vertical axis: one over the concentration of A")};
    }
}

Described timeAxisLabel()
{
    return {formula(QCoreApplication::translate("pictures", "time"), axisStyle()),
            QCoreApplication::translate("pictures", "horizontal axis: time")};
}

} // namespace pictures
