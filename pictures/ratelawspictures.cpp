// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawspictures.h"

#include <QCoreApplication>

namespace pictures {

namespace {

constexpr double LongArrowEms = 3.0;

DrawingPtr reaction(const QString &reactants, const QString &products)
{
    return formula(row({text(reactants + QLatin1Char(' ')), arrow(LongArrowEms), text(QLatin1Char(' ') + products)}));
}

} // namespace

Described nitrogenDioxideAndCarbonMonoxide()
{
    return {reaction(QCoreApplication::translate("pictures", "NO_2_ + CO"), QCoreApplication::translate("pictures", "NO + CO_2_")),
            QCoreApplication::translate("pictures", "NO2 plus CO react to give NO plus CO2")};
}

Described nitrogenMonoxideAndHydrogen()
{
    return {reaction(QCoreApplication::translate("pictures", "2NO + 2H_2_"), QCoreApplication::translate("pictures", "N_2_ + 2H_2_O")),
            QCoreApplication::translate("pictures", "2 NO plus 2 H2 react to give N2 plus 2 H2O")};
}

Described dinitrogenPentoxideDecomposition()
{
    return {reaction(QCoreApplication::translate("pictures", "2 N_2_O_5_"), QCoreApplication::translate("pictures", "4 NO_2_ + O_2_")),
            QCoreApplication::translate("pictures", "2 N2O5 react to give 4 NO2 plus O2")};
}

} // namespace pictures
