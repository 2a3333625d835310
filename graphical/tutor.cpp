// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor.h"

#include "graphical/grading.h"
#include "runtime/numbers.h"

namespace graphical {

using runtime::refusedForDecimalComma;

TutoringStart GraphicalTutor::start(Kind kind, PlotType plottedtype, int orderA, const QString &orderText,
                                    const QString &kText)
{
    m_tutorA = kind == Kind::Order;
    m_tutork = kind == Kind::RateConstant;
    m_tutoring.begin();
    m_oldOrder = orderText;
    m_oldK = kText;

    TutoringStart out;
    out.title = kind == Kind::Order ? tr("Determining Reaction Order.") : tr("Determining the Rate Constant, k.");
    out.instruction = isStraightFor(plottedtype, orderA)
                          ? tr("The plot you have is correct for showing the reaction order.")
                          : tr("Make the plot that shows the order for the reaction. Then continue.");
    return out;
}

void GraphicalTutor::stop()
{
    m_tutorA = false;
    m_tutork = false;
}

QString GraphicalTutor::sameAnswerMessage()
{
    return tr("This is the same answer as before. Please input a new answer.");
}

bool GraphicalTutor::newanswers(const TutorInputs &in, ContinueOutcome &out) const
{
    if (in.orderText != m_oldOrder || in.kText != m_oldK)
        return false;
    out.message = sameAnswerMessage();
    return true;
}

void GraphicalTutor::remember(const TutorInputs &in)
{
    m_oldOrder = in.orderText;
    m_oldK = in.kText;
}

ContinueOutcome GraphicalTutor::continueClick(const TutorInputs &in)
{
    ContinueOutcome out;
    // At most one tutoring is active: starting one clears the other.
    if (m_tutorA)
        orderPart(in, out);
    else if (m_tutork)
        rateConstantPart(in, out);
    return out;
}

void GraphicalTutor::orderPart(const TutorInputs &in, ContinueOutcome &out)
{
    switch (m_tutoring.step()) {
    case TutorStep::Choosing:
        if (!isStraightFor(in.plottedtype, in.orderA)) {
            out.message = tr("Make a plot that is linear.");
            return;
        }
        out.instruction =
            tr("Good. This plot is linear. This indicates the reaction order. Enter a new reaction order.");
        out.enable = AnswerBox::Order;
        m_tutoring.choiceAccepted();
        return;
    case TutorStep::FirstAnswer:
    case TutorStep::AfterWrongAnswer:
        if (refusedForDecimalComma(in.orderText, out))
            return;
        if (newanswers(in, out))
            return;
        remember(in);
        {
            const TutorStep judgedAt = m_tutoring.step();
            const Verdict verdict = runtime::exactVerdict(in.orderText, float(in.orderA));
            m_tutoring.judged(verdict);
            if (verdict == Verdict::Right) {
                out.instruction = tr("Good. This is the correct order for A.");
                if (judgedAt == TutorStep::AfterWrongAnswer)
                    out.table = TableChange::Hide;
            } else if (judgedAt == TutorStep::FirstAnswer) {
                out.instruction = tr("Incorrect. The reaction order is determined by which plot gives a linear "
                                     "graph. The type of linear graph expected for each reaction order is below. "
                                     "Try again.");
                out.table = TableChange::Show;
            }
        }
        return;
    case TutorStep::AnsweredRight:
        stop();
        out.ending = Ending::Finish;
        return;
    }
}

void GraphicalTutor::rateConstantPart(const TutorInputs &in, ContinueOutcome &out)
{
    switch (m_tutoring.step()) {
    case TutorStep::Choosing:
        if (isStraightFor(in.plottedtype, in.orderA)) {
            out.instruction = tr("Good. This plot can be used to determine k. Enter a value above.");
            out.enable = AnswerBox::RateConstant;
            m_tutoring.choiceAccepted();
        } else if (in.orderA == 0) {
            out.message = tr("Make the plot that is appropriate for a zero-order reaction.");
        } else if (in.orderA == 1) {
            out.message = tr("Make the plot that is appropriate for a first-order reaction.");
        } else {
            out.message = tr("Make the plot that is appropriate for a second-order reaction.");
        }
        return;
    case TutorStep::FirstAnswer:
        if (refusedForDecimalComma(in.kText, out))
            return;
        if (newanswers(in, out))
            return;
        remember(in);
        m_tutoring.judged(runtime::rateConstantVerdict(in.kText, in.k));
        if (m_tutoring.step() == TutorStep::AnsweredRight)
            out.instruction = tr("Good. This is the correct value of k.");
        else
            out.instruction = tr("This is not correct. Perform the least squares analysis on the plot. "
                                 "Enter the rate constant above.");
        return;
    case TutorStep::AfterWrongAnswer:
        if (refusedForDecimalComma(in.kText, out))
            return;
        if (newanswers(in, out))
            return;
        // Refused before it is judged: the same value is judged after the fit.
        if (!in.lsqdone) {
            out.message = tr("Get the least squares information by clicking on lst. squares button.");
            return;
        }
        remember(in);
        m_tutoring.judged(runtime::rateConstantVerdict(in.kText, in.k));
        if (m_tutoring.step() == TutorStep::AnsweredRight) {
            out.instruction = tr("Good. This is the correct value of k.");
        } else if (in.orderA == 0) {
            out.instruction = tr("The rate constant for a zero-order reaction is equal to the absolute value of "
                                 "the slope of a plot of [A] vs. time.");
        } else if (in.orderA == 1) {
            out.instruction = tr("The rate constant for a first-order reaction is equal to the absolute value of "
                                 "the slope of a plot of ln[A] vs. time.");
        } else {
            out.instruction = tr("The rate constant for a second-order reaction is equal to the absolute value of "
                                 "the slope of a plot of 1/[A] vs. time.");
        }
        return;
    case TutorStep::AnsweredRight:
        stop();
        out.ending = Ending::Finish;
        return;
    }
}

} // namespace graphical
