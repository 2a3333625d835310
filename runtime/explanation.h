// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/page.h"

namespace runtime {

class LabelButton;

// An explanation screen of a tutor screen. It is the window's page in the
// tutor screen's place, which stays loaded with all its state; Return (or
// closing the window) brings the tutor screen back and unloads it, and so
// does Escape.
class ExplanationForm : public Form
{
    Q_OBJECT
public:
    ExplanationForm(const QString &name, const QString &caption, const QString &tutor);

    // The tutor screen's Approach button, at the top right of its parent,
    // which opens the explanation screen of that name in the tutor screen's
    // place; F1, the desktop's help key, presses it too.
    static LabelButton *approachButton(Form *tutor, QWidget *parent, const QString &explanation);

    // Brings the tutor screen back in this screen's place and unloads this
    // screen.
    void btnreturn_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A heading of the explanation, in red.
    void heading(const QString &name, const QString &caption, int left, int top, int width, int height);

private:
    void bringBackTutor();
    QString m_tutor;
};

} // namespace runtime
