// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "explanation.h"
#include "graphical/ratetutor2.h"
#include "initialrates/ratetutor.h"
#include "ratelaws/writingratelaws.h"
#include "ratestart.h"
#include "runtime/translations.h"

void registerScreens()
{
    runtime::registerForm(QStringLiteral("ratestart"), [] { return new RateStart; });
    runtime::registerForm(QStringLiteral("ratetutor"), [] { return new RateTutor; });
    runtime::registerForm(QStringLiteral("ratetutor2"), [] { return new RateTutor2; });
    runtime::registerForm(QStringLiteral("writingratelaws"), [] { return new WritingRateLaws; });
    runtime::registerForm(QStringLiteral("approachform"), [] { return new ApproachForm; });
    runtime::registerForm(QStringLiteral("approachform2"), [] { return new ApproachForm2; });
}

void showStartScreen()
{
    runtime::initialiseApplication();
    runtime::installTranslations();
    registerScreens();
    runtime::showForm(QStringLiteral("ratestart"));
}
