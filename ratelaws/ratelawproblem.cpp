// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawproblem.h"

#include <QCoreApplication>

namespace ratelaws {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RateLawProblem)
};

// The reactions, one row each: the option's caption and the description,
// the reaction's two sides and its words for a screen reader (translated
// with the pictures), the accepted answers, and each term with its order.
struct Row {
    const char *caption;
    const char *description;
    const char *reactants;
    const char *products;
    const char *spokenReaction;
    std::initializer_list<const char *> answers;
    const char *compound1;
    int order1;
    const char *compound2;
    int order2;
};

const Row rows[ProblemCount] = {
    {QT_TRANSLATE_NOOP("RateLawProblem", "Nitrogen dioxide + carbon monoxide"),
     QT_TRANSLATE_NOOP("RateLawProblem", "Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and "
                                         "carbon dioxide. The reaction is first order with respect to each of the "
                                         "reactants."),
     QT_TRANSLATE_NOOP("pictures", "NO_2_ + CO"),
     QT_TRANSLATE_NOOP("pictures", "NO + CO_2_"),
     QT_TRANSLATE_NOOP("pictures", "NO2 plus CO react to give NO plus CO2"),
     {"Rate=k[NO_2_][CO]", "Rate=k[CO][NO_2_]"},
     "[NO_2_]",
     1,
     "[CO]",
     1},
    {QT_TRANSLATE_NOOP("RateLawProblem", "Nitrogen monoxide + hydrogen"),
     QT_TRANSLATE_NOOP("RateLawProblem", "Nitrogen monoxide and hydrogen react to form nitrogen and water. The "
                                         "reaction is second order in nitrogen monoxide and first order in hydrogen."),
     QT_TRANSLATE_NOOP("pictures", "2NO + 2H_2_"),
     QT_TRANSLATE_NOOP("pictures", "N_2_ + 2H_2_O"),
     QT_TRANSLATE_NOOP("pictures", "2 NO plus 2 H2 react to give N2 plus 2 H2O"),
     {"Rate=k[NO]^2^[H_2_]", "Rate=k[H_2_][NO]^2^"},
     "[NO]",
     2,
     "[H_2_]",
     1},
    {QT_TRANSLATE_NOOP("RateLawProblem", "Decomposition of dinitrogen pentoxide"),
     QT_TRANSLATE_NOOP("RateLawProblem", "Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The "
                                         "reaction is first order in dinitrogen pentoxide."),
     QT_TRANSLATE_NOOP("pictures", "2 N_2_O_5_"),
     QT_TRANSLATE_NOOP("pictures", "4 NO_2_ + O_2_"),
     QT_TRANSLATE_NOOP("pictures", "2 N2O5 react to give 4 NO2 plus O2"),
     {"Rate=k[N_2_O_5_]"},
     "[N_2_O_5_]",
     1,
     "",
     0},
};

} // namespace

RateLawProblem rateLawProblem(int problemtype)
{
    if (problemtype < 0 || problemtype >= ProblemCount)
        return {};
    const Row &row = rows[problemtype];
    const auto picture = [](const char *text) { return QCoreApplication::translate("pictures", text); };
    RateLawProblem problem{Texts::tr(row.caption),
                           Texts::tr(row.description),
                           picture(row.reactants),
                           picture(row.products),
                           picture(row.spokenReaction),
                           {},
                           QString::fromLatin1(row.compound1),
                           row.order1,
                           QString::fromLatin1(row.compound2),
                           row.order2};
    for (const char *answer : row.answers)
        problem.answers.append(QString::fromLatin1(answer));
    return problem;
}

} // namespace ratelaws
