// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"

namespace runtime {
class LabelButton;
}

class RateTutor2 : public runtime::Form
{
    Q_OBJECT
public:
    RateTutor2();

    void formLoad() override;
    void formUnload() override;

private:
    runtime::LabelButton *m_approach{nullptr};
};
