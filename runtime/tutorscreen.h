// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/page.h"
#include "runtime/workreport.h"

#include <QStringList>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace runtime {

class LabelButton;
class ProblemSlotList;

// What both tutor screens share: six problem slots, an answer area with
// Submit, and a guided tutoring that a wrong answer on a tutored slot opens.
// A slot chosen resets the screen and draws a problem for it. Submit refuses
// answers it cannot grade, with a message; otherwise it counts an attempt,
// grades, shows the verdicts and then completes the problem (unselecting its
// slot), says that the slot has no tutoring, or locks the answer area and
// begins the tutoring. Each method gives its own steps and texts.
class TutorScreen : public Form
{
    Q_OBJECT
public:
    using Form::Form;

    // What the student does here, as it happens.
    WorkReport *workReport() { return m_work; }

protected:
    // What a graded answer leads to, by the method's rules.
    enum class AfterGrading { Complete, NoTutoring, Tutoring };

    // The answer area's controls.
    struct AnswerArea {
        std::vector<QLineEdit *> boxes; // in the order they are locked and unlocked
        LabelButton *submit{nullptr};
        QLabel *workBelow{nullptr}; // "Work in the tutoring area below."
        QGroupBox *verdictFrame{nullptr};
        std::vector<QLabel *> verdicts; // a line for each answer
        QLabel *noTutoring{nullptr};    // the note that the slot has no tutoring
    };

    void problem_Click(int index);
    void submitbtn_Click();
    // Locks the answer area while a tutoring runs, and unlocks it.
    void disablestuff();
    void enableAnswers();
    // Shows the verdicts, a line each, and tells a screen reader.
    void reportanswer(const QStringList &verdicts);

    // Clears the work of the problem before: selections, plots, tutoring.
    virtual void deselect() = 0;
    virtual void drawProblem() = 0;
    // Why Submit refuses the answers as typed, or empty. It is asked first,
    // every time, and may keep what it checked for the steps after it.
    virtual QString refusal() = 0;
    // The answers graded: the verdicts, a line each.
    virtual QStringList grade() = 0;
    virtual AfterGrading afterGrading() const = 0;
    // The boxes of the solved answer, in the screen's order, for the record.
    virtual QStringList answerAsTyped() const = 0;
    virtual QString completionMessage() const = 0;
    // No problem is chosen any more: Submit refuses until a slot is chosen.
    virtual void forgetProblem() = 0;
    // Opens the tutoring for the answer graded wrong; it takes the keys.
    virtual void beginTutoring() = 0;

    ProblemSlotList *m_slots{nullptr};
    AnswerArea m_answerArea;
    int currentproblem{0};
    // Whether the completion message comes once the slot is unselected,
    // rather than before.
    bool m_completionToldLast{false};

private:
    WorkReport *m_work{new WorkReport(this)};
};

} // namespace runtime
