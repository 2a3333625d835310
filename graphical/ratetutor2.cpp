// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetutor2.h"

#include "runtime/labelbutton.h"

RateTutor2::RateTutor2()
    : runtime::Form(QStringLiteral("ratetutor2"), tr("Graphical Method"), 9480, 6645)
{
    m_approach = new runtime::LabelButton(this, QStringLiteral("approach"), tr("Approach"), 8040, 0, 1455, 255);
    connect(m_approach, &runtime::LabelButton::clicked, this,
            [this] { runtime::openExplanation(this, QStringLiteral("approachform2")); });
}

void RateTutor2::formLoad()
{
    centreOnScreen();
}

void RateTutor2::formUnload()
{
    runtime::showForm(QStringLiteral("ratestart"));
}
