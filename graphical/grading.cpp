// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"

#include "runtime/numbers.h"

namespace graphical {

Verdict checkOrder(const QString &orderText, int orderA)
{
    return runtime::typedEquals(orderText, static_cast<float>(orderA)) ? Verdict::Right : Verdict::Wrong;
}

Verdict checkRateConstant(const QString &kText, float k)
{
    return runtime::typedWithinRateConstantWindow(kText, k) ? Verdict::Right : Verdict::Wrong;
}

Grade checkanswer(const QString &orderText, const QString &kText, int orderA, float k)
{
    return {checkOrder(orderText, orderA), checkRateConstant(kText, k)};
}

AfterSubmit afterSubmit(const Grade &grade, int currentproblem)
{
    if (grade.allRight())
        return AfterSubmit::Complete;
    if (!runtime::ProblemSlots::tutored(currentproblem))
        return AfterSubmit::NoTutoring;
    return grade.order == Verdict::Wrong ? AfterSubmit::OrderTutoring : AfterSubmit::RateConstantTutoring;
}

} // namespace graphical
