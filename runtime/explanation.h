// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"

namespace runtime {

// An explanation screen of a tutor screen. It stands in the tutor screen's
// place while the tutor screen is hidden; Return (or closing its window) puts
// the tutor screen back where the explanation screen is and unloads it, and
// so does Escape.
class ExplanationForm : public Form
{
    Q_OBJECT
public:
    ExplanationForm(const QString &name, const QString &caption, Screen tutor);

    // Hides this screen, places the tutor screen at its left and top, shows
    // the tutor screen and unloads this screen.
    void btnreturn_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A heading of the explanation, in red.
    void heading(const QString &name, const QString &caption, int left, int top, int width, int height);

private:
    void bringBackTutor();
    Screen m_tutor;
};

} // namespace runtime
