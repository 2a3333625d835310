// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"

namespace runtime {
class LabelButton;
}

class RateTutor : public runtime::Form
{
    Q_OBJECT
public:
    RateTutor();

    void formLoad() override;
    void formUnload() override;

private:
    runtime::LabelButton *m_approach{nullptr};
};
