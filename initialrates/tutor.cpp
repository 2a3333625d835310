// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor.h"

#include "runtime/numbers.h"

namespace initialrates {

using runtime::numberText;
using runtime::plainText;
using Kind = ContinueOutcome::Kind;

namespace {

// What changes between the two order stages.
struct OrderStage {
    const std::array<float, TrialCount> &held;   // must be equal in the two trials
    const std::array<float, TrialCount> &varied; // must differ; the c of the worked math
    float order;
};

OrderStage orderStage(const Problem &problem, Stage stage)
{
    if (stage == Stage::OrderA)
        return {problem.concB, problem.concA, problem.orderA};
    return {problem.concA, problem.concB, problem.orderB};
}

// An unchanged answer is refused before it is checked.
ContinueOutcome sameAnswer()
{
    ContinueOutcome outcome;
    outcome.kind = Kind::SameAnswer;
    outcome.message = GuidedTutor::tr("This is the same answer as before. Please input a new answer.");
    return outcome;
}

// An answer with a decimal comma is refused before it is compared or stored.
std::optional<ContinueOutcome> decimalCommaRefusal(QStringView answer)
{
    ContinueOutcome outcome;
    outcome.kind = Kind::Refused;
    if (!runtime::refusedForDecimalComma(answer, outcome))
        return {};
    return outcome;
}

} // namespace

GuidedTutor::Opening GuidedTutor::begin(Stage stage)
{
    m_numsel = 0;
    m_stage = stage;
    m_tutoring.begin();
    switch (stage) {
    case Stage::OrderA:
        return {tr("Determining Order with Respect to [A]"),
                tr("Choose two reactions from those to the left that can be used to determine the order "
                   "with respect to [A]. Click continue when ready.")};
    case Stage::OrderB:
        return {tr("Determining Order with Respect to [B]"),
                tr("Choose two reactions from those to the left that can be used to determine the order "
                   "with respect to [B]. Click continue when ready.")};
    case Stage::RateConstant:
        return {tr("Determining the rate constant, k."),
                tr("Select one reaction from those to the left to use to determine the rate constant.")};
    case Stage::None:
        break;
    }
    return {};
}

SelectionChange GuidedTutor::trialClick(int index)
{
    if (m_stage == Stage::None || index < 0 || index >= TrialCount)
        return SelectionChange::Unchanged;
    const int limit = m_stage == Stage::RateConstant ? 1 : 2;
    SelectionChange change = SelectionChange::Unchanged;
    if (m_trialselected[index]) {
        m_trialselected[index] = false;
        change = SelectionChange::Unselected;
    } else if (m_numsel < limit) {
        m_trialselected[index] = true;
        change = SelectionChange::Selected;
    }
    numselected();
    return change;
}

void GuidedTutor::numselected()
{
    m_numsel = 0;
    for (int i = 0; i < TrialCount; ++i) {
        if (m_trialselected[i]) {
            if (m_numsel < int(m_seltrial.size()))
                m_seltrial[m_numsel] = i;
            ++m_numsel;
        }
    }
}

void GuidedTutor::deselect()
{
    m_trialselected.fill(false);
    m_numsel = 0;
    m_stage = Stage::None;
}

bool GuidedTutor::newanswers(const Answers &answers)
{
    if (answers.orderA == m_oldanswer[0] && answers.orderB == m_oldanswer[1] && answers.k == m_oldanswer[2]) {
        m_sameanswer = true;
    } else {
        m_oldanswer[0] = answers.orderA;
        m_oldanswer[1] = answers.orderB;
        m_oldanswer[2] = answers.k;
        m_sameanswer = false;
    }
    return m_sameanswer;
}

ContinueOutcome GuidedTutor::continueClick(const Problem &problem, const Answers &answers)
{
    switch (m_stage) {
    case Stage::OrderA:
    case Stage::OrderB:
        return orderStep(problem, answers);
    case Stage::RateConstant:
        return rateConstantStep(problem, answers);
    case Stage::None:
        break;
    }
    return {};
}

ContinueOutcome GuidedTutor::endStage()
{
    deselect();
    ContinueOutcome outcome;
    outcome.kind = Kind::StageEnded;
    return outcome;
}

ContinueOutcome GuidedTutor::orderStep(const Problem &problem, const Answers &answers)
{
    const bool forA = m_stage == Stage::OrderA;
    const OrderStage stage = orderStage(problem, m_stage);
    const int s1 = m_seltrial[0];
    const int s2 = m_seltrial[1];
    ContinueOutcome outcome;

    if (m_tutoring.step() == TutorStep::AnsweredRight)
        return endStage();

    if (m_tutoring.step() == TutorStep::Choosing) {
        if (m_numsel != 2 || stage.held[s1] != stage.held[s2] || stage.varied[s1] == stage.varied[s2]) {
            outcome.kind = Kind::Refused;
            outcome.message = forA ? tr("Choose two reactions that have equal [B].")
                                   : tr("Choose two reactions that have equal [A].");
            return outcome;
        }
        outcome.kind = Kind::ChoiceAccepted;
        outcome.instruction = forA ? tr("Good. These two reactions have equal [B]. The change in rate is due only "
                                        "to changes in [A]. Use these data and the general equation; enter the "
                                        "order for A above.")
                                   : tr("Good. These two reactions have equal [A]. The change in rate is due only "
                                        "to changes in [B]. Use these data and the general equation; enter the "
                                        "order for B above.");
        m_tutoring.choiceAccepted();
        return outcome;
    }

    if (const auto refused = decimalCommaRefusal(forA ? answers.orderA : answers.orderB))
        return *refused;
    if (newanswers(answers))
        return sameAnswer();
    const TutorStep judgedAt = m_tutoring.step();
    const Verdict verdict = exactVerdict(forA ? answers.orderA : answers.orderB, stage.order);
    m_tutoring.judged(verdict);
    if (verdict == Verdict::Right) {
        outcome.kind = Kind::Right;
        outcome.instruction =
            forA ? tr("Good. This is the correct order for A.") : tr("Good. This is the correct order for B.");
        return outcome;
    }
    if (judgedAt == TutorStep::FirstAnswer) {
        outcome.kind = Kind::FirstWrong;
        outcome.instruction = tr("This is not correct. Here is more detail on how the math works.");
        outcome.orderWork = orderWork(problem, m_stage, s1, s2);
        return outcome;
    }
    outcome.kind = Kind::FurtherWrong;
    outcome.logLine = logLine(problem, m_stage, s1, s2);
    return outcome;
}

ContinueOutcome GuidedTutor::rateConstantStep(const Problem &problem, const Answers &answers)
{
    ContinueOutcome outcome;
    if (m_tutoring.step() == TutorStep::AnsweredRight)
        return endStage();

    if (m_tutoring.step() == TutorStep::Choosing) {
        if (m_numsel != 1) {
            outcome.kind = Kind::Refused;
            outcome.message = tr("Choose a reaction from the list to the left. Any one will do.");
            return outcome;
        }
        outcome.kind = Kind::ChoiceAccepted;
        outcome.instruction = tr("Good. This reaction data can be used to determine k.");
        m_tutoring.choiceAccepted();
        return outcome;
    }

    if (const auto refused = decimalCommaRefusal(answers.k))
        return *refused;
    if (newanswers(answers))
        return sameAnswer();
    // k worked out from any row of the table lies within the grading window,
    // so the tutor accepts what Submit accepts.
    const TutorStep judgedAt = m_tutoring.step();
    const Verdict verdict = rateConstantVerdict(answers.k, problem.k);
    m_tutoring.judged(verdict);
    if (verdict == Verdict::Right) {
        outcome.kind = Kind::Right;
        outcome.instruction = tr("Good. This is the correct value of k.");
        return outcome;
    }
    if (judgedAt == TutorStep::FirstAnswer) {
        outcome.kind = Kind::FirstWrong;
        outcome.instruction = tr("This is not correct. Here is more detail on how the math works.");
        return outcome;
    }
    outcome.kind = Kind::FurtherWrong;
    outcome.rateConstantWork = rateConstantWork(problem, m_seltrial[0]);
    return outcome;
}

OrderWork GuidedTutor::orderWork(const Problem &problem, Stage stage, int s1, int s2)
{
    const auto &c = orderStage(problem, stage).varied;
    OrderWork work;
    work.ratesel1 = plainText(problem.rate[s1]);
    work.ratesel2 = plainText(problem.rate[s2]);
    work.a1 = plainText(c[s1]);
    work.a2 = plainText(c[s2]);
    if (problem.rate[s2] == 0.0f) {
        // A rate cut to 0 cannot be divided by.
        work.ratioShown = false;
        work.raterat = tr("Cannot divide by a rate of 0.");
        return work;
    }
    const float rr = problem.rate[s1] / problem.rate[s2];
    const float cr = c[s1] / c[s2];
    work.raterat = numberText(rr) + QStringLiteral(" =") + numberText(cr);
    return work;
}

QString GuidedTutor::logLine(const Problem &problem, Stage stage, int s1, int s2)
{
    if (problem.rate[s2] == 0.0f)
        return tr("Cannot divide by a rate of 0.");
    const auto &c = orderStage(problem, stage).varied;
    const float rr = problem.rate[s1] / problem.rate[s2];
    const float cr = c[s1] / c[s2];
    return tr("log(%1) = order x log(%2)").arg(plainText(rr), plainText(cr));
}

RateConstantWork GuidedTutor::rateConstantWork(const Problem &problem, int s)
{
    return {plainText(problem.rate[s]), QStringLiteral("[") + plainText(problem.concA[s]) + QStringLiteral("]"),
            QStringLiteral("[") + plainText(problem.concB[s]) + QStringLiteral("]"), plainText(problem.orderA),
            plainText(problem.orderB)};
}

} // namespace initialrates
