// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutorscreen.h"

#include "runtime/accessibility.h"
#include "runtime/labelbutton.h"
#include "runtime/messagebox.h"
#include "runtime/problemslots.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace runtime {

void TutorScreen::problem_Click(int index)
{
    deselect();
    currentproblem = index;
    drawProblem();
}

void TutorScreen::submitbtn_Click()
{
    if (const QString why = refusal(); !why.isEmpty()) {
        messageBox(this, why);
        return;
    }
    m_slots->attempted(currentproblem);
    emit m_work->attemptGraded();
    reportanswer(grade());
    switch (afterGrading()) {
    case AfterGrading::Complete:
        m_slots->completed(currentproblem);
        emit m_work->problemCompleted(answerAsTyped());
        if (!m_completionToldLast)
            messageBox(this, completionMessage());
        m_slots->unselect(currentproblem);
        forgetProblem();
        if (m_completionToldLast)
            messageBox(this, completionMessage());
        break;
    case AfterGrading::NoTutoring:
        m_answerArea.noTutoring->show();
        break;
    case AfterGrading::Tutoring:
        emit m_work->tutoringBegun();
        // The tutoring takes the keys before the answer area is locked, so
        // that they do not wander through other controls on their way.
        beginTutoring();
        disablestuff();
        break;
    }
}

void TutorScreen::disablestuff()
{
    m_answerArea.submit->setEnabled(false);
    for (QLineEdit *box : m_answerArea.boxes)
        box->setEnabled(false);
    m_answerArea.workBelow->show();
}

void TutorScreen::enableAnswers()
{
    m_answerArea.submit->setEnabled(true);
    for (QLineEdit *box : m_answerArea.boxes)
        box->setEnabled(true);
    m_answerArea.workBelow->hide();
}

void TutorScreen::reportanswer(const QStringList &verdicts)
{
    m_answerArea.verdictFrame->show();
    for (std::size_t i = 0; i < m_answerArea.verdicts.size(); ++i)
        m_answerArea.verdicts[i]->setText(verdicts.value(qsizetype(i)));
    announce(m_answerArea.verdictFrame, verdicts.join(u' '));
}

} // namespace runtime
