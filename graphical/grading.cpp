// SPDX-License-Identifier: GPL-3.0-or-later
#include "grading.h"

#include "runtime/numbers.h"

namespace graphical {

Grade checkanswer(const QString &orderText, const QString &kText, int orderA, float k)
{
    return {runtime::exactVerdict(orderText, float(orderA)), runtime::rateConstantVerdict(kText, k)};
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
