// SPDX-License-Identifier: GPL-3.0-or-later
#include "writingratelaws.h"


WritingRateLaws::WritingRateLaws()
    : runtime::Form(QStringLiteral("writingratelaws"), tr("Writing Rate Laws"), 9390, 7620)
{
}

void WritingRateLaws::formLoad()
{
    centreOnScreen();
}

void WritingRateLaws::formUnload()
{
    runtime::showForm(QStringLiteral("ratestart"));
}
