// SPDX-License-Identifier: GPL-3.0-or-later
#include "approachform.h"

#include "pictures/catalogue.h"
#include "pictures/picture.h"
#include "runtime/controls.h"

using pictures::Picture;
using runtime::makeLabel;

ApproachForm::ApproachForm()
    : ExplanationForm(QStringLiteral("approachform"), tr("Method of Initial Rates"), QStringLiteral("ratetutor"))
{
    new Picture(this, QStringLiteral("Picture1"),
                pictures::title(tr("Method of Initial Rates"), "Method of Initial Rates", pictures::purple()), 120, 120,
                2355, 180);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 120, 480, 1620, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::reactionAB(), 120, 840, 1380, 240);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 120, 1200, 2490, 195);
    new Picture(this, QStringLiteral("Image4"), pictures::generalRateLaw(), 120, 1560, 2850, 435);
    makeLabel(this, QStringLiteral("Label5"),
              tr("Determining the rate law involves determining the order of the reaction with respect "
                 "to each reactant, A and B, and the value of the rate constant, k. "),
              120, 2160, 4215, 615);
    heading(QStringLiteral("Label6"), tr("Determining Reaction Order"), 120, 2940, 3525, 360);
    makeLabel(this, QStringLiteral("Label1"),
              tr("The reaction order for a reactant is determined by comparing the reaction rates of "
                 "two reactions where the concentration of just that reactant changes."),
              120, 3360, 4215, 615);
    new Picture(this, QStringLiteral("Image5"), pictures::initialRatesExampleTable(), 120, 4080, 3570, 1530);
    makeLabel(this, QStringLiteral("Label7"),
              tr("Trials 1 and 4 above would be appropriate choices for determining the order with respect "
                 "to [B] because they have the same concentration of A. The change in rate is due solely to "
                 "the change in [B]."),
              120, 5640, 4215, 855);
    new Picture(this, QStringLiteral("Image1"), pictures::rateRatioEquation(1, 4), 5640, 360, 2175, 870);
    makeLabel(this, QStringLiteral("Label2"), tr("This equation can be rewritten to solve for the reaction order:"),
              5040, 1320, 4455, 255);
    new Picture(this, QStringLiteral("Image3"), pictures::orderFormula(1, 4), 5640, 1800, 1890, 1380);
    heading(QStringLiteral("Label8"), tr("Determining the Rate Constant, k"), 5040, 3360, 4095, 360);
    makeLabel(this, QStringLiteral("Label9"),
              tr("Once the order of reaction for each reactant is known, the general rate law can be used "
                 "to determine the numerical value of the rate constant, k. "),
              5040, 3840, 4095, 615);
    new Picture(this, QStringLiteral("genlaw"), pictures::generalRateLaw(), 5040, 4680, 2100, 315);
    new Picture(this, QStringLiteral("solvefork"), pictures::solveForK(), 7440, 4680, 1905, 585);
    makeLabel(this, QStringLiteral("Label10"),
              tr("The rate constant is determined by plugging reaction trial data, and solving for k. Data "
                 "from any of the reaction trials can be used. Because each trial should give the same value "
                 "of k, it is often best to calculate k for each trial, and report the average of those values."),
              5040, 5400, 3975, 1095);
}
