// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/forms.h"

namespace runtime {

class LabelButton;

// An explanation screen of a tutor screen. It is the window's page in the
// tutor screen's place, which stays loaded; Return (or closing the window)
// brings the tutor screen back and unloads it, and so does Escape.
class ExplanationForm : public Form
{
    Q_OBJECT
public:
    ExplanationForm(const QString &name, const QString &caption, Screen tutor);

    // The tutor screen's Approach button, at the top right of its parent,
    // which opens the explanation screen; F1, the desktop's help key,
    // presses it too.
    static LabelButton *approachButton(Form *tutor, QWidget *parent, Screen explanation);

    // Brings the tutor screen back in this screen's place and unloads this
    // screen.
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
