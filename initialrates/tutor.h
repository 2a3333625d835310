// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "grading.h"
#include "problem.h"

#include "runtime/tutoring.h"

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

namespace initialrates {

// The worked math of the order stages: the two rates over each other, the
// two concentrations over each other, and the ratio line.
struct OrderWork {
    QString ratesel1;
    QString ratesel2;
    QString a1;
    QString a2;
    QString raterat;
    // False when the second rate is 0: raterat then holds a note instead of
    // the ratio, and the ratio line has no exponent.
    bool ratioShown{true};
};

// The worked math of the rate-constant stage, for the selected trial.
struct RateConstantWork {
    QString krate;
    QString kconcA;
    QString kconcB;
    QString kordera;
    QString korderb;
};

// What a click of "continue" does.
struct ContinueOutcome : runtime::StageReply {
    enum class Kind {
        Nothing,        // no stage is active
        Refused,        // wrong choice of trials: message, nothing else changes
        SameAnswer,     // unchanged answers: message, the answer is not checked
        ChoiceAccepted, // the stage's picture and answer box become available
        Right,          // the next click ends the stage
        FirstWrong,     // order stages: fullmathA; rate constant: solvefork
        FurtherWrong,   // order stages: the log line; rate constant: kcalc
        StageEnded,
    };
    Kind kind{Kind::Nothing};
    std::optional<OrderWork> orderWork;
    QString logLine;
    std::optional<RateConstantWork> rateConstantWork;
};

enum class SelectionChange { Selected, Unselected, Unchanged };

using runtime::TutorStep;

// The guided tutor: the trial selection, the active stage and its step, and
// the answers last checked. It answers each click with what the screen
// should show.
class GuidedTutor
{
    Q_DECLARE_TR_FUNCTIONS(GuidedTutor)
public:
    struct Opening {
        QString title;
        QString instruction;
    };
    Opening begin(Stage stage);

    SelectionChange trialClick(int index);
    ContinueOutcome continueClick(const Problem &problem, const Answers &answers);
    // Clears the selection and ends any stage; the stored answers stay.
    void deselect();

    Stage stage() const { return m_stage; }
    bool trialselected(int index) const { return m_trialselected.at(index); }

    static OrderWork orderWork(const Problem &problem, Stage stage, int s1, int s2);
    static QString logLine(const Problem &problem, Stage stage, int s1, int s2);
    static RateConstantWork rateConstantWork(const Problem &problem, int s);

private:
    void numselected();
    bool newanswers(const Answers &answers);
    ContinueOutcome orderStep(const Problem &problem, const Answers &answers);
    ContinueOutcome rateConstantStep(const Problem &problem, const Answers &answers);
    ContinueOutcome endStage();

    Stage m_stage{Stage::None};
    runtime::TutoringStage m_tutoring;
    std::array<bool, TrialCount> m_trialselected{};
    int m_numsel{0};
    // The trials selected, in table order; past numsel they keep older values.
    std::array<int, 2> m_seltrial{};
    // The answers last checked: orders in A and B, and k. They live across
    // stages and problems.
    std::array<QString, 3> m_oldanswer;
    bool m_sameanswer{false};
};

} // namespace initialrates
