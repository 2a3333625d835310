// SPDX-License-Identifier: GPL-3.0-or-later
// Any typed rate law gets a verdict on each problem without a crash: a right
// answer has no comments, a wrong one has at least one comment line, and the
// verdict does not depend on the blanks typed.
#include "ratelaws/ratelawchecker.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString unblanked = typed;
    unblanked.remove(u' ').remove(u'\t');
    for (int problem = 0; problem < ratelaws::ProblemCount; ++problem) {
        const ratelaws::RateLawProblem p = ratelaws::rateLawProblem(problem);
        const ratelaws::Judgement j = ratelaws::judge(p, typed);
        if (j.verdict == ratelaws::Verdict::Right && (!j.comments.isEmpty() || j.matchnumber < 1))
            std::abort();
        if (j.comments.size() != j.commentLines.size()
            || (j.verdict == ratelaws::Verdict::Wrong && j.commentLines.isEmpty()))
            std::abort();
        if (ratelaws::judge(p, unblanked).verdict != j.verdict)
            std::abort();
        (void)j.report();
    }
    return 0;
}
