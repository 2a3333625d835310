// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutoring.h"

#include <limits>

namespace runtime {

ProblemSlots::Count ProblemSlots::countAttempt(int slot)
{
    Count &count = m_attempts.at(slot);
    if (count < std::numeric_limits<Count>::max())
        ++count;
    return count;
}

} // namespace runtime
