// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/navigation.h"

// The start screen: the general rate law with a worked example, and the
// three tutor modules.
class RateStart : public runtime::Form
{
    Q_OBJECT
public:
    RateStart();
    void formLoad() override;
    // Closing the start screen ends the program.
    bool formQueryUnload() override { return runtime::mayEndProgram(this); }

private:
    // Shows the module screen, then unloads this screen.
    void openModule(const QString &module);
};
