// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratestart.h"

#include "pictures/catalogue.h"
#include "pictures/picture.h"
#include "runtime/controls.h"
#include "runtime/labelbutton.h"

using pictures::Picture;
using runtime::makeLabel;

RateStart::RateStart()
    : runtime::Form(QStringLiteral("ratestart"), tr("Velomira"), 9450, 6465)
{
    setCommandPlace({7995, 0});
    new Picture(this, QStringLiteral("Image1"), pictures::title(tr("Velomira"), "Velomira"), 120, 120, 1440, 195);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 120, 600, 1620, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::reactionAB(), 120, 960, 1380, 240);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 120, 1320, 2490, 195);
    new Picture(this, QStringLiteral("Image4"), pictures::generalRateLaw(pictures::RateWord::Capital), 120, 1680, 2970,
                465);
    makeLabel(this, QStringLiteral("Label5"),
              tr("Determining the rate law involves determining the order of the reaction with respect "
                 "to each reactant, A and B, and the value of the rate constant, k. "),
              120, 2280, 4215, 615);
    makeLabel(this, QStringLiteral("Label6"),
              tr("For example, the reaction of nitrogen monoxide and hydrogen to form nitrogen and water"), 120, 3120,
              4215, 495);
    new Picture(this, QStringLiteral("Image3"), pictures::exampleEquation(), 120, 3720, 4605, 375);
    makeLabel(this, QStringLiteral("Label7"),
              tr("is second order in nitrogen monoxide and first order with respect to hydrogen. The rate "
                 "constant is 6.32 at 904 degrees C. The rate law is therefore written as"),
              120, 4200, 4215, 615);
    new Picture(this, QStringLiteral("Image5"), pictures::exampleRateLaw(), 120, 4950, 2415, 465);
    makeLabel(this, QStringLiteral("Label1"),
              tr("When the numerical value of the rate constant is not known, the rate law uses the lower case k."),
              120, 5520, 4215, 375);
    new Picture(this, QStringLiteral("Image7"), pictures::exampleRateLawWithK(), 120, 6000, 2040, 465);
    new Picture(this, QStringLiteral("Image6"), pictures::title(tr("Tutor Modules"), "Tutor Modules"), 6600, 840, 1560,
                315);

    struct Module {
        const char *name;
        QString caption;
        QString screen;
        int top;
        int height;
    };
    const Module modules[] = {
        {"btnwritingratelaws", tr("Writing Rate Laws"), QStringLiteral("writingratelaws"), 1440, 375},
        {"btninitialrates", tr("Determining Rate Laws by the Method of Initial Rates"), QStringLiteral("ratetutor"),
         2160, 615},
        {"btngraphicalmethod", tr("Determining Rate Laws by the Graphical Method"), QStringLiteral("ratetutor2"), 3120,
         615},
    };
    for (const Module &module : modules) {
        auto *button = new runtime::LabelButton(this, QString::fromLatin1(module.name), module.caption, 5880,
                                                module.top, 3135, module.height, 12);
        connect(button, &runtime::LabelButton::clicked, this, [this, screen = module.screen] { openModule(screen); });
    }
}

void RateStart::formLoad()
{
    centreOnScreen();
}

void RateStart::openModule(const QString &module)
{
    runtime::showForm(module);
    runtime::unloadForm(this);
}
