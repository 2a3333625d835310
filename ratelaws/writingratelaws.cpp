// SPDX-License-Identifier: GPL-3.0-or-later
#include "writingratelaws.h"

#include "ratelawchecker.h"
#include "ratelawproblem.h"

#include "pictures/catalogue.h"
#include "pictures/picture.h"
#include "pictures/ratelawspictures.h"
#include "runtime/controls.h"
#include "runtime/designlayout.h"
#include "runtime/labelbutton.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

using pictures::Picture;
using runtime::makeLabel;

WritingRateLaws::WritingRateLaws()
    : runtime::Form(QStringLiteral("writingratelaws"), tr("Writing Rate Laws"), 9390, 7620)
{
    setCommandPlace({7935, 0});
    new Picture(this, QStringLiteral("Image1"), pictures::title(tr("Writing Rate Laws"), "Writing Rate Laws"), 120, 120,
                1935, 240);
    makeLabel(this, QStringLiteral("Label3"), tr("For an overall reaction,"), 360, 720, 1620, 195);
    new Picture(this, QStringLiteral("Image2"), pictures::reactionAB(), 360, 1080, 1380, 240);
    makeLabel(this, QStringLiteral("Label4"), tr("the rate law takes the general form:"), 360, 1440, 2490, 195);
    new Picture(this, QStringLiteral("Image4"), pictures::generalRateLaw(), 360, 1800, 2850, 435);
    makeLabel(this, QStringLiteral("Label5"),
              tr("This module is for testing your ability to write rate laws in the correct format. Choose "
                 "and solve each of the following problems."),
              360, 2760, 2775, 855);

    // Every click chooses, even a click on the problem already chosen: it
    // starts that problem afresh with an empty answer box.
    m_problemnumber = new QButtonGroup(this);
    m_problemnumber->setObjectName(QStringLiteral("problemnumber"));
    const int optionWidths[ratelaws::ProblemCount] = {2895, 2895, 3255};
    for (int i = 0; i < ratelaws::ProblemCount; ++i) {
        auto *option = new QRadioButton(ratelaws::rateLawProblem(i).caption, this);
        option->setObjectName(runtime::indexedName(QStringLiteral("problemnumber"), i));
        runtime::place(option, 360, 3840 + 360 * i, optionWidths[i], 255);
        m_problemnumber->addButton(option, i);
    }
    connect(m_problemnumber, &QButtonGroup::idClicked, this, &WritingRateLaws::problemnumber_Click);

    m_description = makeLabel(this, QStringLiteral("description"), QString(), 5160, 240, 3015, 975);
    m_description->hide();

    for (int i = 0; i < ratelaws::ProblemCount; ++i) {
        const ratelaws::RateLawProblem problem = ratelaws::rateLawProblem(i);
        m_rxnimage0[i] =
            new Picture(this, runtime::indexedName(QStringLiteral("rxnimage0"), i),
                        pictures::reactionWithLongArrow(problem.reactants, problem.products, problem.spokenReaction),
                        5160, 1440, 3525, 480);
        m_rxnimage0[i]->hide();
    }

    m_instructions =
        makeLabel(this, QStringLiteral("Label2"),
                  tr("Write the rate law for this reaction below. Place subscript numbers between underscores, and "
                     "superscripts between carets. For example, sulfate ion is entered as SO_4_^2-^. Start your answer "
                     "with  \"Rate =\"."),
                  5160, 2040, 3135, 1215);
    m_instructions->hide();

    m_answer = new QLineEdit(tr("enter the rate law here"), this);
    m_answer->setObjectName(QStringLiteral("answer"));
    m_answer->setAccessibleName(tr("Rate law"));
    runtime::place(m_answer, 5160, 3480, 3135, 375);
    m_answer->hide();

    m_submit = new runtime::LabelButton(this, QStringLiteral("submitbtn"), tr("&Submit"), 6120, 4080, 1095, 255);
    m_submit->hide();
    connect(m_submit, &runtime::LabelButton::clicked, this, &WritingRateLaws::submitbtn_Click);
    runtime::pressOnEnter(m_answer, {m_submit});

    m_report = makeLabel(this, QStringLiteral("report"), QString(), 5760, 4560, 1815, 375, 13.5, runtime::blue());
    m_report->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_report->hide();

    m_feedback =
        makeLabel(this, QStringLiteral("feedback"), tr("Feedback:"), 4680, 5040, 2175, 375, 12, runtime::red());
    m_feedback->hide();

    m_report1 = makeLabel(this, QStringLiteral("report1"), QString(), 4680, 5520, 4485, 1995);
}

void WritingRateLaws::formLoad()
{
    centreOnScreen();
    m_report1->clear();
}

// The verdict, the "Feedback:" heading and the comment lines belong to the
// reaction they judged, so they go with it.
void WritingRateLaws::problemnumber_Click(int index)
{
    if (index < 0 || index >= ratelaws::ProblemCount)
        return;
    for (Picture *picture : m_rxnimage0)
        picture->hide();
    m_rxnimage0[index]->show();
    m_description->setText(ratelaws::rateLawProblem(index).description);
    problemtype = index;
    m_description->show();
    m_instructions->show();
    m_report->hide();
    m_feedback->hide();
    m_report1->clear();
    m_submit->show();
    m_answer->clear();
    m_answer->show();
}

void WritingRateLaws::submitbtn_Click()
{
    if (!problemtype)
        return;
    const ratelaws::Judgement judgement = ratelaws::judge(ratelaws::rateLawProblem(*problemtype), m_answer->text());
    const bool iscorrect = judgement.verdict == ratelaws::Verdict::Right;
    emit m_work->rateLawJudged(*problemtype, iscorrect, m_answer->text());
    m_report1->setText(runtime::captionText(judgement.report()));
    m_report->setText(iscorrect ? tr("Correct") : tr("Incorrect"));
    m_report->show();
    m_feedback->setVisible(!iscorrect);
}
