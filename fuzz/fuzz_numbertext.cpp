// SPDX-License-Identifier: GPL-3.0-or-later
// Every finite number shows as text that reads back as nearly the same
// number: a blank or a minus sign first, never "nan" or "inf".
#include "runtime/numbers.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

void check(double value, runtime::Precision precision)
{
    const QString number = runtime::numberText(value, precision);
    const QString plain = runtime::plainText(value, precision);
    const double shown = precision == runtime::Precision::Single ? double(float(value)) : value;
    if (!std::isfinite(shown)) {
        if (!number.isEmpty() || !plain.isEmpty())
            std::abort();
        return;
    }
    if (number.isEmpty() || (number.front() != u' ' && number.front() != u'-'))
        std::abort();
    if (number.trimmed() != plain)
        std::abort();
    if (plain.contains(QLatin1String("nan"), Qt::CaseInsensitive)
        || plain.contains(QLatin1String("inf"), Qt::CaseInsensitive))
        std::abort();
    const runtime::NumberReading back = runtime::readNumber(plain);
    const double tolerance = precision == runtime::Precision::Single ? 1e-6 : 1e-14;
    // Fifteen digits of the largest doubles round past the largest double.
    if (back.outOfRange) {
        if (std::fabs(shown) < std::numeric_limits<double>::max() * (1 - tolerance))
            std::abort();
        return;
    }
    if (std::fabs(back.value - shown) > std::fabs(shown) * tolerance)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        check(d, runtime::Precision::Double);
    }
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        check(f, runtime::Precision::Single);
    }
    return 0;
}
