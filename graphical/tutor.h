// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphical/plotting.h"
#include "runtime/tutoring.h"

#include <QCoreApplication>
#include <QString>

namespace graphical {

using runtime::TutorStep;

// What the screen shows when a tutoring opens.
struct TutoringStart {
    QString title;       // caption of the tutoring area's title
    QString instruction; // caption of its instruction label
};

// What the screen must know about the work area when "continue" is pressed.
struct TutorInputs {
    PlotType plottedtype{PlotType::None};
    bool lsqdone{false};
    int orderA{0};
    float k{0.0f};
    QString orderText;
    QString kText;
};

enum class AnswerBox { None, Order, RateConstant };
enum class TableChange { Keep, Show, Hide };
enum class Ending { None, Finish };

// The answer to one "continue" click. Empty texts mean "leave as is".
struct ContinueOutcome : runtime::StageReply {
    AnswerBox enable{AnswerBox::None};
    TableChange table{TableChange::Keep};
    Ending ending{Ending::None}; // Finish: reset the work area, tutoring over
};

// The guided tutor that a wrong answer on a tutored slot opens. The order
// tutoring leads to the straight plot and then the order; the rate-constant
// tutoring leads to the straight plot and then k, judged as Submit judges it,
// with the fit as help.
class GraphicalTutor
{
    Q_DECLARE_TR_FUNCTIONS(GraphicalTutor)
public:
    enum class Kind { Order, RateConstant };

    // Starts a tutoring from step 0, remembering the submitted answers.
    TutoringStart start(Kind kind, PlotType plottedtype, int orderA, const QString &orderText, const QString &kText);
    // No tutoring active any more.
    void stop();

    ContinueOutcome continueClick(const TutorInputs &in);

    bool tutorA() const { return m_tutorA; }
    bool tutork() const { return m_tutork; }
    TutorStep tutorstep() const { return m_tutoring.step(); }

    static QString sameAnswerMessage();

private:
    // The same-answer check: true (and a message) when both boxes still hold
    // the texts last judged.
    bool newanswers(const TutorInputs &in, ContinueOutcome &out) const;
    // The texts just judged, for the next same-answer check.
    void remember(const TutorInputs &in);
    void orderPart(const TutorInputs &in, ContinueOutcome &out);
    void rateConstantPart(const TutorInputs &in, ContinueOutcome &out);

    bool m_tutorA{false};
    bool m_tutork{false};
    runtime::TutoringStage m_tutoring;
    QString m_oldOrder; // the order box's text last judged
    QString m_oldK;     // the k box's text last judged
};

} // namespace graphical
