// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"

namespace runtime {
class LabelButton;
}

class WritingRateLaws : public runtime::Form
{
    Q_OBJECT
public:
    WritingRateLaws();

    void formLoad() override;
    void formUnload() override;

private:
};
