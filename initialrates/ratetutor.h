// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "initialrates/grading.h"
#include "initialrates/problem.h"
#include "initialrates/tutor.h"
#include "runtime/problemslots.h"
#include "runtime/random.h"
#include "runtime/tutorscreen.h"

#include <array>
#include <memory>

class ClickLabel;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace pictures {
class Picture;
}
namespace runtime {
class LabelButton;
class LineControl;
class PictureBox;
} // namespace runtime

// The Method of Initial Rates screen: six problem slots, the shuffled table
// of four trials, the answer area and the guided tutoring area.
class RateTutor : public runtime::TutorScreen
{
    Q_OBJECT
public:
    RateTutor();

    void formLoad() override;

    // The programs tried, in order, for "Calculator".
    static QStringList calculatorPrograms();

private:
    void buildTopStrip();
    void buildProblemList();
    void buildTable();
    void buildAnswerArea();
    void buildTutoringArea();
    void buildMenu();

    void enableproblems();
    void setDifficulty(initialrates::Difficulty level);
    void setupproblem();
    void Trial_Click(int index);
    // The steps of the shared skeleton, as this method takes them.
    void deselect() override;    // the trial rows, the worked math and the tutoring stage
    void drawProblem() override; // four trials at the chosen level
    QString refusal() override;  // all three boxes, no decimal comma; grades them on the way
    QStringList grade() override;
    AfterGrading afterGrading() const override;
    QStringList answerAsTyped() const override; // order in A, order in B, k
    QString completionMessage() const override;
    void forgetProblem() override;
    void beginTutoring() override; // the stage of the first answer graded wrong
    void beginStage(initialrates::Stage stage);
    void continueAbtn_Click();
    void showOrderWork(const initialrates::OrderWork &work);
    void showRateConstantWork(const initialrates::RateConstantWork &work);
    void calculator_Click();
    initialrates::Answers currentAnswers() const;
    // The trial rows from the top of the table down.
    std::array<runtime::LabelButton *, initialrates::TrialCount> rowsAsShown() const;
    // Sets the tutoring area's title and instruction (a null text keeps
    // its own) and announces them.
    void showTutoringText(const QString &title, const QString &instruction);

    // Form-level state.
    initialrates::Problem m_problem;
    initialrates::Difficulty difficulty{initialrates::Difficulty::RelativelyEasy};
    initialrates::SubmitResult m_submitted; // the last Submit, as checked
    initialrates::GuidedTutor m_tutor;
    std::unique_ptr<runtime::RandomSource> m_random;

    QWidget *m_client{nullptr};
    runtime::LabelButton *m_calculator{nullptr};
    QAction *m_mnueasy{nullptr};
    QAction *m_mnumoderate{nullptr};
    QAction *m_mnudifficult{nullptr};

    // A trial of the table: its button and its values, which pick it too.
    struct TrialRow {
        runtime::LabelButton *trial{nullptr};
        ClickLabel *concA{nullptr};
        ClickLabel *concB{nullptr};
        ClickLabel *rate{nullptr};
    };
    std::array<TrialRow, initialrates::TrialCount> m_rows{};

    QLineEdit *m_kinput{nullptr};
    QLineEdit *m_orderAinput{nullptr};
    QLineEdit *m_orderBinput{nullptr};
    QGroupBox *m_responseframe{nullptr};
    QLabel *m_Aresponse{nullptr};
    QLabel *m_Bresponse{nullptr};
    QLabel *m_kresponse{nullptr};
    runtime::LabelButton *m_submitbtn{nullptr};
    QLabel *m_workbelow{nullptr};
    QLabel *m_lblnotutor{nullptr};

    runtime::PictureBox *m_orderAtutor{nullptr};
    QLabel *m_Label15{nullptr};
    QLabel *m_atutorlab{nullptr};
    pictures::Picture *m_genlaw{nullptr};
    pictures::Picture *m_solvefork{nullptr};
    pictures::Picture *m_eqimage{nullptr};
    runtime::LabelButton *m_continueAbtn{nullptr};

    runtime::PictureBox *m_fullmathA{nullptr};
    // The worked math of an order stage, in the fullmathA panel.
    struct OrderMath {
        QLabel *ratesel1{nullptr};
        QLabel *ratesel2{nullptr};
        QLabel *a1{nullptr};
        QLabel *a2{nullptr};
        runtime::LineControl *Line5{nullptr};
        QLabel *orderlab1{nullptr};
        QLabel *raterat{nullptr};
        QLabel *orderlab2{nullptr};
        QLabel *loglab{nullptr};
    } m_orderMath;

    runtime::PictureBox *m_kcalc{nullptr};
    // The worked math of the rate-constant stage, in the kcalc panel.
    struct RateConstantMath {
        QLabel *krate{nullptr};
        QLabel *kconcA{nullptr};
        QLabel *kordera{nullptr};
        QLabel *kconcB{nullptr};
        QLabel *korderb{nullptr};
    } m_kMath;
};
