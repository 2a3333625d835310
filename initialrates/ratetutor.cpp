// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetutor.h"

#include "runtime/labelbutton.h"

RateTutor::RateTutor()
    : runtime::Form(QStringLiteral("ratetutor"), tr("Method of Initial Rates"), 9480, 6870)
{
    m_approach = new runtime::LabelButton(this, QStringLiteral("approach"), tr("Approach"), 8040, 0, 1455, 255);
    connect(m_approach, &runtime::LabelButton::clicked, this,
            [this] { runtime::openExplanation(this, QStringLiteral("approachform")); });
}

void RateTutor::formLoad()
{
    centreOnScreen();
}

void RateTutor::formUnload()
{
    runtime::showForm(QStringLiteral("ratestart"));
}
