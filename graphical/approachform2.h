// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/explanation.h"

// The explanation of the Graphical Method, opened from its tutor.
class ApproachForm2 : public runtime::ExplanationForm
{
    Q_OBJECT
public:
    ApproachForm2();
};
