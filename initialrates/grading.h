// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "problem.h"

#include "runtime/tutoring.h"

#include <QString>
#include <QStringView>

namespace initialrates {

using runtime::SlotCount;

using runtime::Verdict;

// The texts of the three answer boxes.
struct Answers {
    QString orderA;
    QString orderB;
    QString k;
};

struct Grading {
    Verdict orderA{Verdict::Wrong};
    Verdict orderB{Verdict::Wrong};
    Verdict k{Verdict::Wrong};
    bool allRight() const;
};

// The tutoring stages, one per quantity of the rate law.
enum class Stage { None, OrderA, OrderB, RateConstant };

using runtime::exactVerdict;
using runtime::rateConstantVerdict;
Grading checkanswer(const Problem &problem, const Answers &answers);

enum class SubmitOutcome {
    NoProblem,     // k is 0: no problem chosen, or the last one completed
    MissingAnswer, // a box holds no characters at all
    DecimalComma,  // a box holds a comma between digits ("0,5")
    Completed,
    NoTutoring, // wrong on a slot without tutoring
    Tutoring,   // wrong on a slot with tutoring: the stage to begin
};

struct SubmitResult {
    SubmitOutcome outcome{SubmitOutcome::NoProblem};
    Grading grading;
    Stage stage{Stage::None};
};

SubmitResult submitAnswers(const Problem &problem, const Answers &answers, int currentproblem);

} // namespace initialrates
