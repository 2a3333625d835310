// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"

#include "runtime/numbers.h"

namespace initialrates {

bool Grading::allRight() const
{
    return orderA == Verdict::Right && orderB == Verdict::Right && k == Verdict::Right;
}

Grading checkanswer(const Problem &problem, const Answers &answers)
{
    return {exactVerdict(answers.orderA, problem.orderA), exactVerdict(answers.orderB, problem.orderB),
            rateConstantVerdict(answers.k, problem.k)};
}

SubmitResult submitAnswers(const Problem &problem, const Answers &answers, int currentproblem)
{
    SubmitResult result;
    switch (runtime::submitRefusal(problem.k != 0.0f, {answers.orderA, answers.orderB, answers.k})) {
    case runtime::Refusal::NoProblem:
        return result;
    case runtime::Refusal::MissingAnswer:
        result.outcome = SubmitOutcome::MissingAnswer;
        return result;
    case runtime::Refusal::DecimalComma:
        result.outcome = SubmitOutcome::DecimalComma;
        return result;
    case runtime::Refusal::None:
        break;
    }
    result.grading = checkanswer(problem, answers);
    if (result.grading.allRight()) {
        result.outcome = SubmitOutcome::Completed;
    } else if (!runtime::ProblemSlots::tutored(currentproblem)) {
        result.outcome = SubmitOutcome::NoTutoring;
    } else {
        result.outcome = SubmitOutcome::Tutoring;
        // Only the first wrong quantity is tutored, in the order A, B, k.
        if (result.grading.orderA == Verdict::Wrong)
            result.stage = Stage::OrderA;
        else if (result.grading.orderB == Verdict::Wrong)
            result.stage = Stage::OrderB;
        else
            result.stage = Stage::RateConstant;
    }
    return result;
}

} // namespace initialrates
