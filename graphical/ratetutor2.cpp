// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetutor2.h"

#include "graphical/leastsquares.h"
#include "pictures/graphicalpictures.h"
#include "pictures/ordertable.h"
#include "pictures/picture.h"
#include "runtime/accessibility.h"
#include "runtime/controls.h"
#include "runtime/designlayout.h"
#include "runtime/explanation.h"
#include "runtime/labelbutton.h"
#include "runtime/messagebox.h"
#include "runtime/numbers.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

using graphical::PlotType;
using runtime::makeLabel;

RateTutor2::RateTutor2()
    : runtime::TutorScreen(QStringLiteral("ratetutor2"), tr("Graphical Method"), 9480, 6645)
{
    setCommandPlace({6480, 0});
    m_completionToldLast = true;
    buildTitleStrip();
    buildProblemList();
    buildDataTable();
    buildAnswerArea();
    buildWorkArea();
    m_answerArea = {{m_kinput, m_orderAinput},  m_submitbtn, m_workbelow, m_responseframe,
                    {m_Aresponse, m_kresponse}, m_lblnotutor};
}

RateTutor2::~RateTutor2() = default;

void RateTutor2::buildTitleStrip()
{
    new pictures::Picture(this, QStringLiteral("Picture1"), pictures::title(tr("Graphical Method"), "Graphical Method"),
                          120, 120, 1875, 240);
    new pictures::Picture(this, QStringLiteral("Image1"), pictures::generalReactionA(), 3120, 0, 3120, 300);
    m_approach = runtime::ExplanationForm::approachButton(this, this, QStringLiteral("approachform2"));
    // The left half holds the problems and data, the right half the answer
    // and the work area; a rule runs under the title strip on the right.
    new runtime::LineControl(this, QStringLiteral("Line2"), 4920, 360, 4920, 6540, runtime::blue());
    new runtime::LineControl(this, QStringLiteral("Line3"), 4920, 360, 9480, 360, runtime::blue());
}

void RateTutor2::buildProblemList()
{
    m_slots = new runtime::ProblemSlotList(this, runtime::ProblemSlotList::Cells::Plain);
    connect(m_slots, &runtime::ProblemSlotList::chosen, this, &RateTutor2::problem_Click);
}

void RateTutor2::buildDataTable()
{
    makeLabel(this, QStringLiteral("directions1"),
              tr("The concentration time data below were collected by running the reaction at a constant "
                 "temperature. These are data taken for a single trial of the reaction."),
              240, 3120, 4215, 615);
    makeLabel(this, QStringLiteral("Label2"), tr("time, min"), 360, 3840, 615, 195, 8, runtime::blue());
    makeLabel(this, QStringLiteral("Label1"), tr("[A], mol/L"), 1440, 3840, 1095, 255, 8, runtime::blue());
    new runtime::LineControl(this, QStringLiteral("Line1"), 120, 4200, 2640, 4200, runtime::blue());
    for (int t = 0; t < graphical::TableRows; ++t) {
        const int top = 4320 + 240 * t;
        makeLabel(this, runtime::indexedName("timemin", t), QString::number(t), 600, top);
        m_labconcA[t] = makeLabel(this, runtime::indexedName("labconcA", t), QString(), 1440, top, 1095, 255);
    }
}

void RateTutor2::buildAnswerArea()
{
    makeLabel(this, QStringLiteral("Label8"), tr("Complete the rate law below by filling in each box:"), 5040, 480,
              3615, 255);
    makeLabel(this, QStringLiteral("Label9"), tr("Rate = "), 5040, 1080, 780, 300, 12);
    m_kinput = runtime::makeTextBox(this, QStringLiteral("kinput"), tr("rate constant k"), 5880, 1080, 945, 345, 12);
    makeLabel(this, QStringLiteral("Label10"), tr("[A]"), 6840, 1080, 285, 300, 12);
    m_orderAinput =
        runtime::makeTextBox(this, QStringLiteral("orderAinput"), tr("order in A"), 7200, 840, 495, 375, 12);

    m_responseframe = new QGroupBox(this);
    m_responseframe->setObjectName(QStringLiteral("responseframe"));
    m_responseframe->setAccessibleName(tr("Results"));
    runtime::place(m_responseframe, 7920, 720, 1335, 855);
    m_responseframe->hide();
    m_Aresponse = makeLabel(m_responseframe, QStringLiteral("Aresponse"), QString(), 120, 240, 1095, 255);
    m_kresponse = makeLabel(m_responseframe, QStringLiteral("kresponse"), QString(), 120, 480, 1095, 255);
    runtime::setBackgroundColour(m_kresponse, runtime::ground());

    m_workbelow =
        makeLabel(this, QStringLiteral("workbelow"), tr("Work in the tutoring area below."), 5280, 1680, 2760, 195);
    m_workbelow->setFont(runtime::fontOfSize(8, true));
    m_workbelow->hide();
    m_submitbtn = new runtime::LabelButton(this, QStringLiteral("submitbtn"), tr("&Submit"), 8160, 1680, 975, 255);
    connect(m_submitbtn, &runtime::LabelButton::clicked, this, &RateTutor2::submitbtn_Click);
}

void RateTutor2::buildWorkArea()
{
    m_orderAtutor = new runtime::PictureBox(this, QStringLiteral("orderAtutor"), 5040, 2040, 4215, 4350);
    m_orderAtutor->setAccessibleName(tr("Work area"));
    QWidget *area = m_orderAtutor;

    makeLabel(area, QStringLiteral("Label6"), tr("Choose a plot type to plot the data."), 120, 120, 2895, 255);
    m_plot = new runtime::PictureBox(area, QStringLiteral("plot"), 360, 480, 2775, 1575);
    m_plot->setForeColor(palette().color(QPalette::WindowText));
    m_plot->setInnerMargin(4.0);
    m_plot->setAccessibleName(tr("plot of the data against time"));
    m_plot->setAccessibleRole(QAccessible::Graphic);
    m_labslope = makeLabel(m_plot, QStringLiteral("labslope"), tr("Slope:"), 600, 1080, 0, 0, 8, runtime::blue());
    m_labintercept =
        makeLabel(m_plot, QStringLiteral("labintercept"), tr("Intercept:"), 600, 1320, 0, 0, 8, runtime::blue());
    static constexpr std::array<int, graphical::PlotTypes> ylabelTop{1200, 1080, 1080};
    static constexpr std::array<int, graphical::PlotTypes> ylabelHeight{300, 480, 480};
    for (int i = 0; i < graphical::PlotTypes; ++i) {
        // Wide enough for axis titles of at least 7 points.
        m_ylabel[i] = new pictures::Picture(area, runtime::indexedName("ylabel", i), pictures::plotAxisLabel(i), 120,
                                            ylabelTop[i], 180, ylabelHeight[i]);
        m_ylabel[i]->centreAcross();
        m_ylabel[i]->hide();
    }
    new pictures::Picture(area, QStringLiteral("Image2"), pictures::timeAxisLabel(), 1530, 2065, 330, 180);

    auto *plotbtn = new runtime::LabelButton(area, QStringLiteral("plotbtn"), tr("&plot"), 3240, 480, 855, 255);
    connect(plotbtn, &runtime::LabelButton::clicked, this, &RateTutor2::plotbtn_Click);
    auto *lstsquares =
        new runtime::LabelButton(area, QStringLiteral("lstsquares"), tr("&lst. squares"), 3240, 840, 855, 255);
    connect(lstsquares, &runtime::LabelButton::clicked, this, &RateTutor2::lstsquares_Click);
    // Sized to its caption, so that "|r| = 0.99999" stays on one line.
    m_labcorr = makeLabel(area, QStringLiteral("labcorr"), QString(), 3300, 1200, 0, 0, 8, runtime::blue());
    m_labcorr->setToolTip(tr("How close the points lie to a straight line: 1 for a perfectly straight plot."));

    static constexpr std::array<int, graphical::PlotTypes> plottypeLeft{240, 1320, 2400};
    const std::array<QString, graphical::PlotTypes> captions{tr("[A] vs. time"), tr("ln[A] vs. time"),
                                                             tr("1/[A] vs. time")};
    for (int i = 0; i < graphical::PlotTypes; ++i) {
        m_plottype[i] = new runtime::LabelButton(area, runtime::indexedName("plottype", i), captions[i],
                                                 plottypeLeft[i], 2280, 975, 255);
        m_plottype[i]->setBackgroundColor(runtime::ground());
        m_plottype[i]->setSelectable(true);
        connect(m_plottype[i], &runtime::LabelButton::clicked, this, [this, i] { plottype_Click(i); });
    }
    new runtime::LineControl(area, QStringLiteral("Line4"), 30, 2590, 4020, 2590, runtime::blue());

    m_lblnotutor = makeLabel(area, QStringLiteral("lblnotutor"),
                             tr("No tutoring available for last two problems. Use the first four problems as a "
                                "guide to how to solve these problems."),
                             600, 2880, 3135, 1095, 9.75);
    m_lblnotutor->hide();

    m_tutorbox = new runtime::PictureBox(area, QStringLiteral("tutorbox"), 0, 2640, 4095, 1695);
    // It lies on the work area's frame; left unfilled, the frame shows through.
    m_tutorbox->setAutoFillBackground(false);
    m_tutorbox->setAccessibleName(tr("Tutoring"));
    // It takes the focus when a tutoring begins, so that a screen reader
    // reads its title and instruction; Tab passes it by.
    m_tutorbox->setFocusPolicy(Qt::ClickFocus);
    m_tutorbox->hide();
    m_tutortitle = makeLabel(m_tutorbox, QStringLiteral("tutortitle"), tr("Determining Reaction Order"), 0, 0, 2490,
                             240, 9.75, runtime::blue());
    m_atutorlab =
        makeLabel(m_tutorbox, QStringLiteral("atutorlab"),
                  tr("Choose a plot type from the three below to plot the experimental data."), 0, 360, 3975, 615);
    // Its three rows share its height; ending where the tutoring area ends
    // keeps the last row whole.
    m_ordertable = new pictures::OrderTableLabel(m_tutorbox, QStringLiteral("ordertable"), 480, 1050, 2175, 645);
    m_ordertable->hide();
    m_continueAbtn =
        new runtime::LabelButton(m_tutorbox, QStringLiteral("continueAbtn"), tr("&continue"), 3120, 1320, 855, 255);
    connect(m_continueAbtn, &runtime::LabelButton::clicked, this, &RateTutor2::continueAbtn_Click);
    runtime::pressOnEnter(m_kinput, {m_submitbtn, m_continueAbtn});
    runtime::pressOnEnter(m_orderAinput, {m_submitbtn, m_continueAbtn});

    showFitLabels(false);
}

void RateTutor2::formLoad()
{
    centreOnScreen();
    m_random = runtime::makeRandomSource();
    m_random->reseed();
    // Selecting the first slot runs its click.
    m_slots->choose(0);
    m_tutorbox->setBorder(false);
}

void RateTutor2::drawProblem()
{
    setupproblem();
}

void RateTutor2::setupproblem()
{
    m_lblnotutor->hide();
    problem = graphical::generateProblem(*m_random);
    emit workReport()->problemDrawn(currentproblem, 0);
    m_orderAinput->setText(QString());
    m_kinput->setText(QString());
    m_Aresponse->setText(QString());
    m_kresponse->setText(QString());
    for (int t = 0; t < graphical::TableRows; ++t)
        m_labconcA[t]->setText(runtime::numberText(problem.concA[t]));
}

void RateTutor2::deselect()
{
    for (runtime::LabelButton *label : m_plottype) {
        label->setBackgroundColor(runtime::ground());
        label->setSelected(false);
    }
    m_plot->cls();
    runtime::announce(m_plot, QString());
    enableAnswers();
    numsel = 0;
    tutor.stop();
    m_tutorbox->hide();
    showFitLabels(false);
    plottedtype = PlotType::None;
}

void RateTutor2::showFitLabels(bool shown)
{
    m_labslope->setVisible(shown);
    m_labintercept->setVisible(shown);
    m_labcorr->setVisible(shown);
}

void RateTutor2::plottype_Click(int index)
{
    for (runtime::LabelButton *label : m_plottype) {
        label->setBackgroundColor(runtime::ground());
        label->setSelected(false);
    }
    m_plottype[index]->setBackgroundColor(runtime::grey());
    m_plottype[index]->setSelected(true);
    numsel = 1;
    selplot = index;
    m_plot->cls();
    runtime::announce(m_plot, QString());
    showFitLabels(false);
}

void RateTutor2::plotbtn_Click()
{
    if (numsel == 0) {
        runtime::messageBox(this, tr("Select one of the plot types below."));
        return;
    }
    m_plot->cls();
    for (pictures::Picture *label : m_ylabel)
        label->hide();
    m_ylabel[selplot]->show();

    const PlotType type = graphical::plotTypeOfIndex(selplot);
    ploty = graphical::plotValues(problem.concA, type);
    const graphical::PlotRange range = graphical::plotRange(ploty, type);
    if (range.kind != graphical::RangeKind::Unusable) {
        m_plot->setScale(graphical::PlotLeft, range.top, graphical::PlotRight, range.bottom);
        for (int t = 0; t < graphical::TableRows; ++t)
            m_plot->circle(t, ploty[t], graphical::PointRadius);
    }
    plottedtype = type;
    runtime::announce(m_plot, range.kind == graphical::RangeKind::Unusable ? QString() : plotDescription());
    showFitLabels(false);
    lsqdone = false;
}

void RateTutor2::lstsquares_Click()
{
    if (plottedtype == PlotType::None) {
        runtime::messageBox(this, tr("No graph made."));
        return;
    }
    const graphical::LineFit fit = graphical::fitLine(ploty);
    if (fit.status != graphical::FitStatus::Fitted)
        return;
    slope = fit.slope;
    intercept = fit.intercept;
    m_plot->line(graphical::PlotLeft, intercept, graphical::PlotRight, graphical::PlotRight * slope + intercept,
                 runtime::grey());
    m_labslope->setText(tr("Slope: ") + runtime::plainText(slope));
    m_labintercept->setText(tr("Intercept: ") + runtime::plainText(intercept));
    m_labcorr->setText(tr("|r| = %1").arg(fit.correlation, 0, 'f', 5));
    m_labslope->adjustSize();
    m_labintercept->adjustSize();
    m_labcorr->adjustSize();
    showFitLabels(true);
    lsqdone = true;
    runtime::announce(m_plot, plotDescription() + u' '
                                  + tr("Least-squares line: slope %1, intercept %2.")
                                        .arg(runtime::spokenText(slope), runtime::spokenText(intercept)));
}

QString RateTutor2::plotDescription() const
{
    QStringList points;
    for (int t = 0; t < graphical::TableRows; ++t)
        points << tr("(%1, %2)").arg(t).arg(runtime::spokenText(ploty[t]));
    // Named after the plot drawn, which a type chosen since has not replaced.
    return tr("%1, points at 0 to 8 minutes: %2.").arg(m_plottype[int(plottedtype)]->caption(), points.join(tr(", ")));
}

void RateTutor2::showTutoringText()
{
    runtime::announce(m_tutorbox, m_tutortitle->text() + u'\n' + m_atutorlab->text());
}

QString RateTutor2::refusal()
{
    switch (runtime::submitRefusal(problem.k != 0.0f, {m_orderAinput->text(), m_kinput->text()})) {
    case runtime::Refusal::NoProblem:
        return tr("Please choose a Problem to solve.");
    case runtime::Refusal::MissingAnswer:
        return tr("Please fill in both answers.");
    case runtime::Refusal::DecimalComma:
        return runtime::decimalCommaMessage();
    case runtime::Refusal::None:
        break;
    }
    return {};
}

QStringList RateTutor2::grade()
{
    m_grade = graphical::checkanswer(m_orderAinput->text(), m_kinput->text(), problem.orderA, problem.k);
    return {m_grade.order == graphical::Verdict::Right ? tr("Correct order.") : tr("Incorrect order."),
            m_grade.k == graphical::Verdict::Right ? tr("Correct k.") : tr("Incorrect k.")};
}

runtime::TutorScreen::AfterGrading RateTutor2::afterGrading() const
{
    switch (graphical::afterSubmit(m_grade, currentproblem)) {
    case graphical::AfterSubmit::Complete:
        return AfterGrading::Complete;
    case graphical::AfterSubmit::NoTutoring:
        return AfterGrading::NoTutoring;
    case graphical::AfterSubmit::OrderTutoring:
    case graphical::AfterSubmit::RateConstantTutoring:
        break;
    }
    return AfterGrading::Tutoring;
}

QStringList RateTutor2::answerAsTyped() const
{
    return {m_orderAinput->text(), m_kinput->text()};
}

QString RateTutor2::completionMessage() const
{
    return tr("Problem complete.");
}

void RateTutor2::forgetProblem()
{
    problem.k = 0.0f;
}

void RateTutor2::beginTutoring()
{
    numsel = 0;
    const auto kind = m_grade.order == graphical::Verdict::Wrong ? graphical::GraphicalTutor::Kind::Order
                                                                 : graphical::GraphicalTutor::Kind::RateConstant;
    const graphical::TutoringStart start =
        tutor.start(kind, plottedtype, problem.orderA, m_orderAinput->text(), m_kinput->text());
    m_tutortitle->setText(start.title);
    m_tutorbox->show();
    m_atutorlab->setText(start.instruction);
    showTutoringText();
    m_tutorbox->setFocus(Qt::OtherFocusReason);
}

void RateTutor2::continueAbtn_Click()
{
    const bool orderTutoring = tutor.tutorA();
    graphical::TutorInputs in;
    in.plottedtype = plottedtype;
    in.lsqdone = lsqdone;
    in.orderA = problem.orderA;
    in.k = problem.k;
    in.orderText = m_orderAinput->text();
    in.kText = m_kinput->text();
    const graphical::ContinueOutcome out = tutor.continueClick(in);

    if (!out.message.isEmpty()) {
        runtime::messageBox(this, out.message);
        return;
    }
    if (!out.instruction.isEmpty()) {
        m_atutorlab->setText(out.instruction);
        showTutoringText();
    }
    // The box the tutoring now asks for takes the focus.
    QLineEdit *box = out.enable == graphical::AnswerBox::Order          ? m_orderAinput
                     : out.enable == graphical::AnswerBox::RateConstant ? m_kinput
                                                                        : nullptr;
    if (box) {
        box->setEnabled(true);
        box->setFocus(Qt::OtherFocusReason);
    }
    if (out.table == graphical::TableChange::Show)
        m_ordertable->show();
    else if (out.table == graphical::TableChange::Hide)
        m_ordertable->hide();
    if (out.ending == graphical::Ending::Finish) {
        m_tutorbox->hide();
        deselect();
        // The student submits again, from the box just worked in.
        (orderTutoring ? m_orderAinput : m_kinput)->setFocus(Qt::OtherFocusReason);
    }
}
