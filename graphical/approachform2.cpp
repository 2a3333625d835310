// SPDX-License-Identifier: GPL-3.0-or-later
#include "approachform2.h"

#include "pictures/catalogue.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "runtime/controls.h"

#include <QLabel>

using pictures::Picture;
using runtime::makeLabel;

ApproachForm2::ApproachForm2()
    : ExplanationForm(QStringLiteral("approachform2"), tr("Graphical Method"), QStringLiteral("ratetutor2"))
{
    new Picture(this, QStringLiteral("Picture1"), pictures::title(tr("Graphical Method"), "Graphical Method"), 120, 120,
                1875, 240);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 120, 480, 1620, 195);
    new Picture(this, QStringLiteral("Image1"), pictures::reactionA(), 120, 840, 1155, 300);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 120, 1200, 2490, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::rateLawOfA(), 120, 1560, 1830, 435);
    makeLabel(this, QStringLiteral("Label5"),
              tr("The Graphical Method can be used to determine the rate law for reactions that have a single "
                 "reactant. Determining the rate law involves determining the order of the reaction with "
                 "respect to the single reactant, A, and the value of the rate constant, k."),
              120, 2160, 4215, 975);
    heading(QStringLiteral("Label6"), tr("Determining Reaction Order"), 120, 3360, 3525, 360);
    makeLabel(this, QStringLiteral("Label1"),
              tr("The reaction order for a reactant is determined by constructing three plots of the "
                 "experimental concentration-time data. The reaction order is determined by seeing which of "
                 "the three plots gives a straight line."),
              120, 3840, 4215, 855);
    QLabel *tableHeading =
        makeLabel(this, QStringLiteral("Label11"), tr("Reaction order     Straight-line plot"), 600, 4920, 2355, 195);
    QFont underlined = tableHeading->font();
    underlined.setUnderline(true);
    tableHeading->setFont(underlined);
    new pictures::OrderTableLabel(this, QStringLiteral("ordertable"), 600, 5160, 2415, 735);
    makeLabel(this, QStringLiteral("Label2"),
              tr("For example, a first-order reaction will give a straight-line plot of ln[A] vs. time, but "
                 "curved plots of [A] vs. time and of 1/[A] vs. time. "),
              120, 5880, 4095, 615);
    heading(QStringLiteral("Label8"), tr("Determining the Rate Constant, k"), 5040, 480, 4095, 360);
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
