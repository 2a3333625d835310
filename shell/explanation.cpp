// SPDX-License-Identifier: GPL-3.0-or-later
#include "explanation.h"

#include "pictures/catalogue.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "runtime/controls.h"
#include "runtime/labelbutton.h"

#include <QCloseEvent>
#include <QShortcut>

using pictures::Picture;
using runtime::makeLabel;

namespace {

void heading(QWidget *parent, const QString &name, const QString &caption, int left, int top, int width,
             int height)
{
    makeLabel(parent, name, caption, left, top, width, height, 13.5, runtime::red());
}

} // namespace

ExplanationForm::ExplanationForm(const QString &name, const QString &caption, const QString &tutorName)
    : runtime::Form(name, caption, 9480, 6495)
    , m_tutorName(tutorName)
{
    auto *back = new runtime::LabelButton(this, QStringLiteral("btnreturn"), tr("&Return"), 8040, 0, 1455, 255);
    connect(back, &runtime::LabelButton::clicked, this, &ExplanationForm::btnreturn_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ExplanationForm::btnreturn_Click);
}

void ExplanationForm::bringBackTutor()
{
    hide();
    runtime::Form *tutor = runtime::loadedForm(m_tutorName);
    if (tutor) {
        tutor->setLeftTwips(leftTwips());
        tutor->setTopTwips(topTwips());
        tutor->show();
    } else {
        // Never leave the program without a visible screen.
        runtime::showForm(QStringLiteral("ratestart"));
    }
}

void ExplanationForm::btnreturn_Click()
{
    bringBackTutor();
    runtime::unloadForm(this);
}

void ExplanationForm::closeEvent(QCloseEvent *event)
{
    // Closing the window is the same as Return.
    bringBackTutor();
    runtime::Form::closeEvent(event);
}

ApproachForm::ApproachForm()
    : ExplanationForm(QStringLiteral("approachform"), tr("Method of Initial Rates"), QStringLiteral("ratetutor"))
{
    new Picture(this, QStringLiteral("Picture1"), pictures::title(tr("Method of Initial Rates"), "Method of Initial Rates", pictures::purple()),
                120, 120, 2355, 180);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 120, 480, 1620, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::reactionAB(), 120, 840, 1380, 240);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 120, 1200, 2490, 195);
    new Picture(this, QStringLiteral("Image4"), pictures::generalRateLaw(), 120, 1560, 2850, 435);
    makeLabel(this, QStringLiteral("Label5"),
              tr("Determining the rate law involves determining the order of the reaction with respect "
                 "to each reactant, A and B, and the value of the rate constant, k. "),
              120, 2160, 4215, 615);
    heading(this, QStringLiteral("Label6"), tr("Determining Reaction Order"), 120, 2940, 3525, 360);
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
    heading(this, QStringLiteral("Label8"), tr("Determining the Rate Constant, k"), 5040, 3360, 4095, 360);
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

ApproachForm2::ApproachForm2()
    : ExplanationForm(QStringLiteral("approachform2"), tr("Graphical Method"), QStringLiteral("ratetutor2"))
{
    new Picture(this, QStringLiteral("Picture1"), pictures::title(tr("Graphical Method"), "Graphical Method"), 120, 120, 1875, 240);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 120, 480, 1620, 195);
    new Picture(this, QStringLiteral("Image1"), pictures::reactionA(), 120, 840, 1155, 300);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 120, 1200, 2490, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::rateLawOfA(), 120, 1560, 1830, 435);
    makeLabel(this, QStringLiteral("Label5"),
              tr("The Graphical Method can be used to determine the rate law for reactions that have a single "
                 "reactant. Determining the rate law involves determining the order of the reaction with "
                 "respect to the single reactant, A, and the value of the rate constant, k."),
              120, 2160, 4215, 975);
    heading(this, QStringLiteral("Label6"), tr("Determining Reaction Order"), 120, 3360, 3525, 360);
    makeLabel(this, QStringLiteral("Label1"),
              tr("The reaction order for a reactant is determined by constructing three plots of the "
                 "experimental concentration-time data. The reaction order is determined by seeing which of "
                 "the three plots gives a straight line."),
              120, 3840, 4215, 855);
    QLabel *tableHeading = makeLabel(this, QStringLiteral("Label11"), tr("Reaction order     Straight-line plot"),
                                     600, 4920, 2355, 195);
    QFont underlined = tableHeading->font();
    underlined.setUnderline(true);
    tableHeading->setFont(underlined);
    new pictures::OrderTableLabel(this, QStringLiteral("ordertable"), 600, 5160, 2415, 735);
    makeLabel(this, QStringLiteral("Label2"),
              tr("For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but "
                 "curved plots of [A] vs. time and of 1/[A] vs. time. "),
              120, 5880, 4095, 615);
    heading(this, QStringLiteral("Label8"), tr("Determining the Rate Constant, k"), 5040, 480, 4095, 360);
    makeLabel(this, QStringLiteral("Label9"),
              tr("Once the appropriate linear plot is constructed, the rate constant is obtained from the slope "
                 "of the line. The absolute value of the slope directly gives the rate constant."),
              5040, 960, 4095, 855);
    makeLabel(this, QStringLiteral("Label10"),
              tr("For a first-order reaction, the rate constant is equal to the absolute value of the slope of "
                 "the straight line obtained for the plot of ln[A] vs. time. For a second-order reaction, the "
                 "slope of the 1/[A] vs. time plot is used. For a zero-order reaction, the plot of [A] vs. time "
                 "slope gives the rate constant. Remember, the rate constant is always a positive number."),
              5040, 1920, 3975, 1335);
}
