// SPDX-License-Identifier: GPL-3.0-or-later
// Any typed text reads as a number, or as out of range, without a crash; the
// blanks, tabs and line feeds in it never change what it reads as.
#include "runtime/numbers.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const runtime::NumberReading reading = runtime::readNumber(text);
    if (!reading.outOfRange && !std::isfinite(reading.value))
        std::abort();

    QString squeezed = text;
    squeezed.remove(u' ').remove(u'\t').remove(u'\n');
    const runtime::NumberReading again = runtime::readNumber(squeezed);
    if (again.outOfRange != reading.outOfRange)
        std::abort();
    if (!reading.outOfRange && again.value != reading.value)
        std::abort();

    if (const auto single = runtime::textToSingle(text)) {
        if (!std::isfinite(*single))
            std::abort();
    }
    return 0;
}
