// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "graphical/approachform2.h"
#include "graphical/ratetutor2.h"
#include "initialrates/approachform.h"
#include "initialrates/ratetutor.h"
#include "ratelaws/writingratelaws.h"
#include "ratestart.h"
#include "record.h"
#include "runtime/sessionrecord.h"
#include "runtime/translations.h"

#include <QGuiApplication>
#include <QSessionManager>

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
    using runtime::Screen;
    runtime::setEndingCheck(&mayEndSession);
    runtime::registerForm(Screen::Start, QStringLiteral("ratestart"), withRecord<RateStart>());
    runtime::registerForm(Screen::InitialRates, QStringLiteral("ratetutor"), withRecord<RateTutor>());
    runtime::registerForm(Screen::Graphical, QStringLiteral("ratetutor2"), withRecord<RateTutor2>());
    runtime::registerForm(Screen::WritingRateLaws, QStringLiteral("writingratelaws"), withRecord<WritingRateLaws>());
    runtime::registerForm(Screen::InitialRatesApproach, QStringLiteral("approachform"), withRecord<ApproachForm>());
    runtime::registerForm(Screen::GraphicalApproach, QStringLiteral("approachform2"), withRecord<ApproachForm2>());
}

void showStartScreen()
{
    runtime::initialiseApplication();
    runtime::sessionRecord(); // the session starts now
    runtime::installTranslations();
    registerScreens();
    // When the desktop's session ends, the work is kept or let go as when
    // the program is quit, where the desktop lets the program ask.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager &manager) {
        if (manager.allowsInteraction()) {
            if (!runtime::mayEndProgram(runtime::mainWindow()))
                manager.cancel();
            manager.release();
        }
    });
    runtime::showForm(runtime::Screen::Start);
}
