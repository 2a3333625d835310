// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawproblem.h"

#include <QCoreApplication>

namespace ratelaws {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RateLawProblem)
};

} // namespace

RateLawProblem rateLawProblem(int problemtype)
{
    switch (problemtype) {
    case 0:
        return {Texts::tr("Nitrogen dioxide + carbon monoxide"),
                Texts::tr("Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon "
                          "dioxide. The reaction is first order with respect to each of the reactants."),
                {QStringLiteral("Rate=k[NO_2_][CO]"), QStringLiteral("Rate=k[NO_2_]^1^[CO]^1^"),
                 QStringLiteral("Rate=k[CO][NO_2_]"), QStringLiteral("Rate=k[CO]^1^[NO_2_]^1^")},
                QStringLiteral("[NO_2_]"),
                1,
                QStringLiteral("[CO]"),
                1};
    case 1:
        return {Texts::tr("Nitrogen monoxide + hydrogen"),
                Texts::tr("Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is "
                          "second order in nitrogen monoxide and first order in hydrogen."),
                {QStringLiteral("Rate=k[NO]^2^[H_2_]"), QStringLiteral("Rate=k[NO]^2^[H_2_]^1^"),
                 QStringLiteral("Rate=k[H_2_][NO]^2^"), QStringLiteral("Rate=k[H_2_]^1^[NO]^2^")},
                QStringLiteral("[NO]"),
                2,
                QStringLiteral("[H_2_]"),
                1};
    case 2:
        return {Texts::tr("Decomposition of dinitrogen pentoxide"),
                Texts::tr("Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction "
                          "is first order in dinitrogen pentoxide."),
                {QStringLiteral("Rate=k[N_2_O_5_]"), QStringLiteral("Rate=k[N_2_O_5_]^1^")},
                QStringLiteral("[N_2_O_5_]"),
                1,
                {},
                0};
    default:
        return {};
    }
}

} // namespace ratelaws
