// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"

#include "runtime/numbers.h"

namespace initialrates {

bool Grading::allRight() const
{
    return orderA == Verdict::Right && orderB == Verdict::Right && k == Verdict::Right;
}

bool SubmitResult::graded() const
{
    return outcome != SubmitOutcome::NoProblem && outcome != SubmitOutcome::MissingAnswer
        && outcome != SubmitOutcome::DecimalComma;
}

Verdict exactVerdict(QStringView text, float value)
{
    return runtime::typedEquals(text, value) ? Verdict::Right : Verdict::Wrong;
}

Verdict rateConstantVerdict(QStringView text, float k)
{
    return runtime::typedWithinRateConstantWindow(text, k) ? Verdict::Right : Verdict::Wrong;
}

Grading checkanswer(const Problem &problem, const Answers &answers)
{
    return {exactVerdict(answers.orderA, problem.orderA), exactVerdict(answers.orderB, problem.orderB),
            rateConstantVerdict(answers.k, problem.k)};
}

SubmitResult submitAnswers(const Problem &problem, const Answers &answers, int currentproblem)
{
    SubmitResult result;
    if (problem.k == 0.0f)
        return result;
    if (answers.orderA.isEmpty() || answers.orderB.isEmpty() || answers.k.isEmpty()) {
        result.outcome = SubmitOutcome::MissingAnswer;
        return result;
    }
    if (runtime::hasDecimalComma(answers.orderA) || runtime::hasDecimalComma(answers.orderB)
        || runtime::hasDecimalComma(answers.k)) {
        result.outcome = SubmitOutcome::DecimalComma;
        return result;
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
