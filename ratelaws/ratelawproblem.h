// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ratelaws {

// One of the fixed reactions whose rate law the student writes. Formulas
// and rate laws are in the program's sub/superscript notation: a subscript
// between underscores, a superscript between carets ("Rate=k[NO]^2^[H_2_]").
struct RateLawProblem {
    QString caption;     // the option that chooses it
    QString description; // the reaction and its orders, in words
    // The reaction as its picture shows it, both sides in the notation, and
    // as a screen reader says it.
    QString reactants;
    QString products;
    QString spokenReaction;
    // Accepted answers, each order of 1 left out; one written as the
    // superscript 1 is accepted too.
    QStringList answers;
    // The concentration terms the comments look for, brackets included, and
    // their orders. A reaction with a single reactant has no second term.
    QString compound1;
    int order1{0};
    QString compound2;
    int order2{0};

    bool hasSecondReactant() const { return !compound2.isEmpty(); }
};

constexpr int ProblemCount = 3;

// The problem chosen by the option of that index, 0 to ProblemCount - 1.
// Out of that range it is an empty problem that accepts nothing.
RateLawProblem rateLawProblem(int problemtype);

} // namespace ratelaws
