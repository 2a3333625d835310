// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens.h"

#include "graphical/approachform2.h"
#include "graphical/ratetutor2.h"
#include "initialrates/approachform.h"
#include "initialrates/ratetutor.h"
#include "ratelaws/writingratelaws.h"
#include "ratestart.h"
#include "record.h"
#include "runtime/application.h"
#include "runtime/navigation.h"
#include "runtime/sessionrecord.h"
#include "runtime/translations.h"
#include "runtime/window.h"

#include <QGuiApplication>
#include <QSessionManager>

namespace {

const QString StartScreen = QStringLiteral("ratestart");

// Every screen offers the session's record; a tutor screen's work goes
// into it.
template<typename Screen> runtime::FormFactory withRecord()
{
    return [] {
        auto *form = new Screen;
        addRecordCommands(form);
        return form;
    };
}

template<typename Screen> runtime::FormFactory withWork(runtime::SessionRecord::Module module)
{
    return [module] {
        auto *form = new Screen;
        addRecordCommands(form);
        recordWork(form->workReport(), module);
        return form;
    };
}

} // namespace

void registerScreens()
{
    runtime::setEndingCheck(&mayEndSession);
    runtime::registerForm(StartScreen, withRecord<RateStart>());
    using Module = runtime::SessionRecord::Module;
    runtime::registerForm(QStringLiteral("ratetutor"), withWork<RateTutor>(Module::InitialRates));
    runtime::registerForm(QStringLiteral("ratetutor2"), withWork<RateTutor2>(Module::Graphical));
    runtime::registerForm(QStringLiteral("writingratelaws"), withWork<WritingRateLaws>(Module::RateLaws));
    runtime::registerForm(QStringLiteral("approachform"), withRecord<ApproachForm>());
    runtime::registerForm(QStringLiteral("approachform2"), withRecord<ApproachForm2>());
    // A module or an explanation page closed with no screen in its place
    // brings the start screen back; once the start screen closes, the
    // program ends.
    runtime::setAfterClosing([](const QString &closed) {
        if (closed != StartScreen && !runtime::currentPage())
            runtime::showForm(StartScreen);
    });
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
    runtime::showForm(StartScreen);
}
