// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "explanation.h"
#include "graphical/ratetutor2.h"
#include "initialrates/ratetutor.h"
#include "ratelaws/writingratelaws.h"
#include "ratestart.h"
#include "record.h"
#include "runtime/sessionrecord.h"
#include "runtime/translations.h"

namespace {

// Every screen offers the session's record.
template<typename Screen> runtime::FormFactory withRecord()
{
    return [] {
        auto *form = new Screen;
        addRecordCommands(form);
        return form;
    };
}

} // namespace

void registerScreens()
{
    runtime::registerForm(QStringLiteral("ratestart"), withRecord<RateStart>());
    runtime::registerForm(QStringLiteral("ratetutor"), withRecord<RateTutor>());
    runtime::registerForm(QStringLiteral("ratetutor2"), withRecord<RateTutor2>());
    runtime::registerForm(QStringLiteral("writingratelaws"), withRecord<WritingRateLaws>());
    runtime::registerForm(QStringLiteral("approachform"), withRecord<ApproachForm>());
    runtime::registerForm(QStringLiteral("approachform2"), withRecord<ApproachForm2>());
}

void showStartScreen()
{
    runtime::initialiseApplication();
    runtime::sessionRecord(); // the session starts now
    runtime::installTranslations();
    registerScreens();
    runtime::showForm(QStringLiteral("ratestart"));
}
