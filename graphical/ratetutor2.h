// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphical/grading.h"
#include "graphical/plotting.h"
#include "graphical/problem.h"
#include "graphical/tutor.h"
#include "runtime/problemslots.h"
#include "runtime/tutorscreen.h"

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace pictures {
class OrderTableLabel;
class Picture;
}

namespace runtime {
class LabelButton;
class PictureBox;
class RandomSource;
}

// The Graphical Method screen: a concentration-time table for A -> C, three
// plots of it, a least-squares line, the answer boxes of the rate law and the
// guided tutor.
class RateTutor2 : public runtime::TutorScreen
{
    Q_OBJECT
public:
    RateTutor2();
    ~RateTutor2() override;

    void formLoad() override;

private:
    void buildTitleStrip();
    void buildProblemList();
    void buildDataTable();
    void buildAnswerArea();
    void buildWorkArea();

    void plottype_Click(int index);
    void plotbtn_Click();
    void lstsquares_Click();
    void continueAbtn_Click();

    void setupproblem();
    // The steps of the shared skeleton, as this method takes them.
    void deselect() override;    // the plot type, the plot and its line, the tutoring
    void drawProblem() override; // nine concentrations, a minute apart
    QString refusal() override;  // both boxes, no decimal comma
    QStringList grade() override;
    AfterGrading afterGrading() const override;
    QStringList answerAsTyped() const override; // order in A, k
    QString completionMessage() const override;
    void forgetProblem() override;
    void beginTutoring() override; // for the order when it is wrong, else for k
    void showFitLabels(bool shown);
    // What the plot shows, in words: its type and its points.
    QString plotDescription() const;
    // Announces the tutoring area's title and instruction.
    void showTutoringText();

    // Form-level state.
    std::unique_ptr<runtime::RandomSource> m_random;
    graphical::GraphicalProblem problem; // problem.k == 0: no problem chosen
    short numsel{0};
    int selplot{0};
    graphical::PlotPoints ploty{};
    graphical::PlotType plottedtype{graphical::PlotType::None};
    bool lsqdone{false};
    float slope{0.0f};
    float intercept{0.0f};
    graphical::Grade m_grade;
    graphical::GraphicalTutor tutor;

    // Problem list and data table.
    std::array<QLabel *, graphical::TableRows> m_labconcA{};

    // Answer area.
    QLineEdit *m_kinput{nullptr};
    QLineEdit *m_orderAinput{nullptr};
    QGroupBox *m_responseframe{nullptr};
    QLabel *m_Aresponse{nullptr};
    QLabel *m_kresponse{nullptr};
    QLabel *m_workbelow{nullptr};
    runtime::LabelButton *m_submitbtn{nullptr};

    // Work area.
    runtime::PictureBox *m_orderAtutor{nullptr};
    runtime::PictureBox *m_plot{nullptr};
    QLabel *m_labslope{nullptr};
    QLabel *m_labintercept{nullptr};
    QLabel *m_labcorr{nullptr};
    std::array<pictures::Picture *, graphical::PlotTypes> m_ylabel{};
    std::array<runtime::LabelButton *, graphical::PlotTypes> m_plottype{};
    QLabel *m_lblnotutor{nullptr};

    // Tutoring area.
    runtime::PictureBox *m_tutorbox{nullptr};
    QLabel *m_tutortitle{nullptr};
    QLabel *m_atutorlab{nullptr};
    pictures::OrderTableLabel *m_ordertable{nullptr};
    runtime::LabelButton *m_continueAbtn{nullptr};
    runtime::LabelButton *m_approach{nullptr};
};
