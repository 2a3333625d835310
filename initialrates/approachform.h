// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/explanation.h"

// The explanation of the Method of Initial Rates, opened from its tutor.
class ApproachForm : public runtime::ExplanationForm
{
    Q_OBJECT
public:
    ApproachForm();
};
