// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/tutoring.h"

#include <QString>

namespace graphical {

using runtime::Verdict;

struct Grade {
    Verdict order{Verdict::Wrong};
    Verdict k{Verdict::Wrong};
    bool allRight() const { return order == Verdict::Right && k == Verdict::Right; }
};

// The order must be the true order exactly (typed text read leniently, as a
// single); k must lie strictly within 2 % of the true k. A number too large
// for single precision is simply wrong.
Grade checkanswer(const QString &orderText, const QString &kText, int orderA, float k);

// What a graded submission leads to.
enum class AfterSubmit {
    Complete,             // both right: the slot is done
    NoTutoring,           // wrong on one of the last two slots
    OrderTutoring,        // wrong order (whatever k)
    RateConstantTutoring, // right order, wrong k
};

AfterSubmit afterSubmit(const Grade &grade, int currentproblem);

} // namespace graphical
