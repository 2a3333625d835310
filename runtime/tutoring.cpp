// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutoring.h"

#include "numbers.h"

#include <algorithm>
#include <limits>

namespace runtime {

ProblemSlots::Count ProblemSlots::countAttempt(int slot)
{
    Count &count = m_attempts.at(slot);
    if (count < std::numeric_limits<Count>::max())
        ++count;
    return count;
}

Verdict exactVerdict(QStringView text, float value)
{
    return typedEquals(text, value) ? Verdict::Right : Verdict::Wrong;
}

Verdict rateConstantVerdict(QStringView text, float k)
{
    return typedWithinRateConstantWindow(text, k) ? Verdict::Right : Verdict::Wrong;
}

Refusal submitRefusal(bool problemChosen, std::initializer_list<QStringView> boxes)
{
    if (!problemChosen)
        return Refusal::NoProblem;
    if (std::any_of(boxes.begin(), boxes.end(), [](QStringView box) { return box.isEmpty(); }))
        return Refusal::MissingAnswer;
    if (std::any_of(boxes.begin(), boxes.end(), [](QStringView box) { return hasDecimalComma(box); }))
        return Refusal::DecimalComma;
    return Refusal::None;
}

bool refusedForDecimalComma(QStringView text, StageReply &reply)
{
    if (!hasDecimalComma(text))
        return false;
    reply.message = decimalCommaMessage();
    return true;
}

} // namespace runtime
