// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetutor.h"

#include "initialrates/clicklabel.h"
#include "pictures/catalogue.h"
#include "pictures/initialratespictures.h"
#include "pictures/picture.h"
#include "runtime/accessibility.h"
#include "runtime/controls.h"
#include "runtime/designlayout.h"
#include "runtime/explanation.h"
#include "runtime/labelbutton.h"
#include "runtime/messagebox.h"
#include "runtime/numbers.h"
#include "runtime/picturebox.h"
#include "runtime/programs.h"

#include <QAccessible>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <algorithm>

using namespace initialrates;
using pictures::Picture;
using runtime::makeLabel;

namespace {

constexpr int ClientWidth = 9480;
constexpr int ClientHeight = 6870;
constexpr int RowHeight = 315;
// The table's rows, in twips from the top of the client area.
constexpr int FirstRowTop = 4680;
constexpr int RowSpacing = 480;
constexpr int ValueHeight = 255;
constexpr int KcalcShownTop = 1940;
constexpr int RowLeft = 120;

// The ground of texts and tables: white in a light scheme, dark in a dark one.
void setTextGround(QWidget *widget)
{
    runtime::setBackgroundColour(widget, runtime::ground());
}

// Sets a self-sizing label's text; its width follows at once.
void setCaption(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

// Moves a label to the right of another, a gap in twips apart.
void placeAfter(QLabel *label, const QLabel *before, int gapTwips)
{
    runtime::setLeft(label, runtime::rightOf(before) + gapTwips);
}

} // namespace

RateTutor::RateTutor()
    : runtime::TutorScreen(QStringLiteral("ratetutor"), tr("Method of Initial Rates"), ClientWidth, ClientHeight)
{
    buildMenu();
    buildTopStrip();
    buildProblemList();
    buildTable();
    buildAnswerArea();
    buildTutoringArea();
    m_answerArea = {{m_kinput, m_orderAinput, m_orderBinput}, m_submitbtn, m_workbelow, m_responseframe,
                    {m_Aresponse, m_Bresponse, m_kresponse},  m_lblnotutor};
}

QStringList RateTutor::calculatorPrograms()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),      QStringLiteral("qalculate-qt"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("galculator"), QStringLiteral("mate-calc"),
            QStringLiteral("speedcrunch"),      QStringLiteral("xcalc")};
}

void RateTutor::buildMenu()
{
    // The menu bar sits above the client area, which keeps its full size:
    // every control is placed in the client area below the bar.
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menubar"));
    bar->setNativeMenuBar(false);
    // Alt+D opens it from the keyboard.
    QMenu *menu = bar->addMenu(tr("&Difficulty"));
    menu->setObjectName(QStringLiteral("mnudifficulty"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    const auto item = [&](const char *name, const QString &caption, Difficulty level) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, level] { setDifficulty(level); });
        return action;
    };
    m_mnueasy = item("mnueasy", tr("Relatively Easy"), Difficulty::RelativelyEasy);
    m_mnumoderate = item("mnumoderate", tr("Moderately Difficult"), Difficulty::ModeratelyDifficult);
    m_mnudifficult = item("mnudifficult", tr("Difficult"), Difficulty::Difficult);
    m_mnueasy->setChecked(true);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientarea"));
    runtime::place(m_client, 0, 0, ClientWidth, ClientHeight);
    setMenuBar(bar);
}

void RateTutor::buildTopStrip()
{
    QWidget *client = m_client;
    new runtime::LineControl(client, QStringLiteral("Line3"), 4920, 360, ClientWidth, 360, runtime::blue());
    new runtime::LineControl(client, QStringLiteral("Line2"), 4920, 360, 4920, 6540, runtime::blue());
    new Picture(client, QStringLiteral("Picture1"),
                pictures::title(tr("Method of Initial Rates"), "Method of Initial Rates", pictures::purple()), 120, 120,
                2355, 180);
    new Picture(client, QStringLiteral("Image1"), pictures::generalReaction(), 3120, 0, 3570, 300);

    m_calculator = new runtime::LabelButton(client, QStringLiteral("calculator"), tr("Ca&lculator"), 6960, 0, 975, 255);
    connect(m_calculator, &runtime::LabelButton::clicked, this, &RateTutor::calculator_Click);
    runtime::ExplanationForm::approachButton(this, client, QStringLiteral("approachform"));
}

void RateTutor::buildProblemList()
{
    m_slots = new runtime::ProblemSlotList(m_client, runtime::ProblemSlotList::Cells::Boxed);
    for (int i = 0; i < SlotCount; ++i) {
        QRadioButton *option = m_slots->option(i);
        option->setFont(runtime::fontOfSize(8));
        setTextGround(option);
        QPalette ground = option->palette();
        ground.setColor(QPalette::Button, runtime::ground());
        option->setPalette(ground);
    }
    connect(m_slots, &runtime::ProblemSlotList::chosen, this, &RateTutor::problem_Click);
}

void RateTutor::buildTable()
{
    QWidget *client = m_client;
    QLabel *directions =
        makeLabel(client, QStringLiteral("directions1"),
                  tr("The four sets of data below were collected by running the reaction of interest four times, each "
                     "time using different initial concentrations of each reactant. Each of the four experiments was "
                     "performed at the same temperature."),
                  240, 3120, 4215, 855);
    setTextGround(directions);
    makeLabel(client, QStringLiteral("Label1"), tr("[A], mol/L"), 1080, 4200, 0, 0, 8, runtime::blue());
    makeLabel(client, QStringLiteral("Label2"), tr("[B], mol/L"), 2280, 4200, 0, 0, 8, runtime::blue());
    makeLabel(client, QStringLiteral("Label3"), tr("rate, mol/L-min"), 3360, 4200, 0, 0, 8, runtime::blue());
    new runtime::LineControl(client, QStringLiteral("Line1"), 120, 4440, 4560, 4440, runtime::blue());

    // The values lie in front of their row and move with it, on no ground of
    // their own, so a selected row is grey across its whole width; a screen
    // reader hears the row as one item that says them.
    const auto value = [&](const char *name, int i, int left, int width) {
        auto *label = new ClickLabel(m_rows[i].trial);
        label->setObjectName(runtime::indexedName(name, i));
        label->setFont(runtime::fontOfSize(8));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        runtime::place(label, left - RowLeft, 0, width, ValueHeight);
        connect(label, &ClickLabel::clicked, this, [this, i] { Trial_Click(i); });
        return label;
    };
    for (int i = 0; i < TrialCount; ++i) {
        auto *row = new runtime::LabelButton(client, runtime::indexedName("Trial", i), tr("Trial %1").arg(i + 1),
                                             RowLeft, FirstRowTop + RowSpacing * i, 4515, RowHeight);
        row->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Its ground comes with the first problem, drawn as the screen opens.
        row->setSelectable(false);
        runtime::setTextColour(row, runtime::blue());
        connect(row, &runtime::LabelButton::clicked, this, [this, i] { Trial_Click(i); });
        m_rows[i].trial = row;
        m_rows[i].concA = value("labconcA", i, 1080, 1095);
        m_rows[i].concB = value("LabconcB", i, 2280, 975);
        m_rows[i].rate = value("Labrate", i, 3360, 1335);
    }
}

void RateTutor::buildAnswerArea()
{
    QWidget *client = m_client;
    setTextGround(makeLabel(client, QStringLiteral("Label8"),
                            tr("Complete the rate law below by filling in each of the three boxes:"), 5040, 480, 2415,
                            495));
    makeLabel(client, QStringLiteral("Label9"), tr("Rate = "), 5400, 1320, 0, 0, 12);
    m_kinput = runtime::makeTextBox(client, QStringLiteral("kinput"), tr("rate constant k"), 6240, 1320, 945, 345, 12);
    makeLabel(client, QStringLiteral("Label10"), tr("[A]"), 7200, 1320, 0, 0, 12);
    m_orderAinput =
        runtime::makeTextBox(client, QStringLiteral("orderAinput"), tr("order in A"), 7560, 1080, 495, 375, 12);
    makeLabel(client, QStringLiteral("Label11"), tr("[B]"), 8160, 1320, 0, 0, 12);
    m_orderBinput =
        runtime::makeTextBox(client, QStringLiteral("orderBinput"), tr("order in B"), 8520, 1080, 495, 375, 12);
    setTabOrder(m_kinput, m_orderAinput);
    setTabOrder(m_orderAinput, m_orderBinput);

    m_responseframe = new QGroupBox(client);
    m_responseframe->setObjectName(QStringLiteral("responseframe"));
    m_responseframe->setAccessibleName(tr("Results"));
    setTextGround(m_responseframe);
    runtime::place(m_responseframe, 5040, 1800, 3015, 1095);
    m_Aresponse = makeLabel(m_responseframe, QStringLiteral("Aresponse"), QString(), 120, 240, 2535, 240);
    m_Bresponse = makeLabel(m_responseframe, QStringLiteral("Bresponse"), QString(), 120, 480, 2535, 240);
    m_kresponse = makeLabel(m_responseframe, QStringLiteral("kresponse"), QString(), 120, 720, 2535, 240);
    m_responseframe->hide();

    m_submitbtn = new runtime::LabelButton(client, QStringLiteral("submitbtn"), tr("&Submit"), 8160, 1920, 975, 255);
    connect(m_submitbtn, &runtime::LabelButton::clicked, this, &RateTutor::submitbtn_Click);
    setTabOrder(m_orderBinput, m_submitbtn);
    m_workbelow =
        makeLabel(client, QStringLiteral("workbelow"), tr("Work in the tutoring area below."), 8160, 2280, 1215, 615);
    m_workbelow->setFont(runtime::fontOfSize(8, true));
    m_workbelow->hide();
}

void RateTutor::buildTutoringArea()
{
    m_orderAtutor = new runtime::PictureBox(m_client, QStringLiteral("orderAtutor"), 5160, 3000, 4095, 3390);
    m_orderAtutor->setAccessibleName(tr("Tutoring"));
    // A click in it takes the keys; Tab passes it by.
    m_orderAtutor->setFocusPolicy(Qt::ClickFocus);
    QWidget *area = m_orderAtutor;
    m_Label15 = makeLabel(area, QStringLiteral("Label15"), QString(), 30, 30, 3330, 240, 9.75, runtime::blue());
    m_atutorlab = makeLabel(area, QStringLiteral("atutorlab"), QString(), 30, 360, 3975, 735);
    m_genlaw = new Picture(area, QStringLiteral("genlaw"), pictures::generalRateLaw(), 120, 900, 2100, 315);

    m_fullmathA = new runtime::PictureBox(area, QStringLiteral("fullmathA"), 120, 1080, 3135, 1455);
    m_fullmathA->setBorder(false);
    QWidget *math = m_fullmathA;
    m_orderMath.ratesel1 = makeLabel(math, QStringLiteral("ratesel1"), QString(), 120, 120);
    new runtime::LineControl(math, QStringLiteral("Line4"), 0, 360, 960, 360, runtime::blue());
    m_orderMath.ratesel2 = makeLabel(math, QStringLiteral("ratesel2"), QString(), 120, 360);
    makeLabel(math, QStringLiteral("Label4"), QStringLiteral("="), 1320, 240);
    m_orderMath.a1 = makeLabel(math, QStringLiteral("a1"), QString(), 1560, 120);
    m_orderMath.a2 = makeLabel(math, QStringLiteral("a2"), QString(), 1560, 360);
    m_orderMath.orderlab1 = makeLabel(math, QStringLiteral("orderlab1"), tr("order"), 2400, 0);
    m_orderMath.Line5 = new runtime::LineControl(math, QStringLiteral("Line5"), 1485, 360, 2400, 360, runtime::blue());
    m_orderMath.raterat = makeLabel(math, QStringLiteral("raterat"), QString(), 120, 840);
    m_orderMath.orderlab2 = makeLabel(math, QStringLiteral("orderlab2"), tr("order"), 1200, 720);
    m_orderMath.loglab = makeLabel(math, QStringLiteral("loglab"), QString(), 120, 1200);

    m_solvefork = new Picture(area, QStringLiteral("solvefork"), pictures::solveForK(), 120, 1430, 1905, 585);

    // One pixel in from the left, so that the panel leaves the area's border whole.
    m_kcalc = new runtime::PictureBox(area, QStringLiteral("kcalc"), 15, 2160, 3015, 735);
    m_kcalc->setBorder(false);
    QWidget *kmath = m_kcalc;
    makeLabel(kmath, QStringLiteral("kpart1"), tr("k = "), 240, 240);
    m_kMath.krate = makeLabel(kmath, QStringLiteral("krate"), QString(), 1080, 90);
    new runtime::LineControl(kmath, QStringLiteral("Line6"), 600, 330, 1800, 330, runtime::blue());
    m_kMath.kconcA = makeLabel(kmath, QStringLiteral("kconcA"), QString(), 720, 480);
    m_kMath.kordera = makeLabel(kmath, QStringLiteral("kordera"), QString(), 1440, 360);
    m_kMath.kconcB = makeLabel(kmath, QStringLiteral("kconcB"), QString(), 1680, 480);
    m_kMath.korderb = makeLabel(kmath, QStringLiteral("korderb"), QString(), 2400, 360);

    // The picture's white ground hides the blank top of kcalc where the two meet.
    m_solvefork->raise();
    m_eqimage = new Picture(area, QStringLiteral("eqimage"), pictures::rateRatioEquation(1, 2), 240, 2520, 2205, 855);
    m_continueAbtn =
        new runtime::LabelButton(area, QStringLiteral("continueAbtn"), tr("&continue"), 3120, 3000, 855, 255);
    connect(m_continueAbtn, &runtime::LabelButton::clicked, this, &RateTutor::continueAbtn_Click);
    for (QLineEdit *box : {m_kinput, m_orderAinput, m_orderBinput})
        runtime::pressOnEnter(box, {m_submitbtn, m_continueAbtn});
    for (QWidget *hidden : std::initializer_list<QWidget *>{m_genlaw, m_fullmathA, m_solvefork, m_kcalc, m_eqimage,
                                                            m_orderMath.loglab, m_orderAtutor})
        hidden->hide();

    // Shown over the tutoring area, which is never shown at the same time.
    m_lblnotutor = makeLabel(m_client, QStringLiteral("lblnotutor"),
                             tr("No tutoring available for last two problems. Use the first four problems as a "
                                "guide to how to solve these problems."),
                             5760, 3100, 3135, 1095, 9.75);
    m_lblnotutor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    runtime::setBackgroundColour(m_lblnotutor, m_lblnotutor->palette().color(QPalette::Button));
    m_lblnotutor->hide();
}

void RateTutor::formLoad()
{
    difficulty = Difficulty::RelativelyEasy;
    centreOnScreen();
    m_random = runtime::makeRandomSource();
    m_random->reseed();
    enableproblems();
}

void RateTutor::enableproblems()
{
    for (int i = 0; i < SlotCount; ++i)
        m_slots->option(i)->setEnabled(true);
    // Selecting the first slot runs its choice.
    m_slots->choose(0);
}

void RateTutor::setDifficulty(Difficulty level)
{
    // The problem on screen stays; the level shows from the next choice on.
    difficulty = level;
    m_mnueasy->setChecked(level == Difficulty::RelativelyEasy);
    m_mnumoderate->setChecked(level == Difficulty::ModeratelyDifficult);
    m_mnudifficult->setChecked(level == Difficulty::Difficult);
}

void RateTutor::drawProblem()
{
    m_problem = generateProblem(*m_random, difficulty);
    emit workReport()->problemDrawn(currentproblem, int(difficulty));
    setupproblem();
}

void RateTutor::setupproblem()
{
    m_orderAinput->clear();
    m_orderBinput->clear();
    m_kinput->clear();
    for (int i = 0; i < TrialCount; ++i) {
        m_rows[i].concA->setText(runtime::numberText(m_problem.concA[i]));
        m_rows[i].concB->setText(runtime::numberText(m_problem.concB[i]));
        m_rows[i].rate->setText(runtime::numberText(m_problem.rate[i]));
        runtime::setTop(m_rows[i].trial, FirstRowTop + RowSpacing * m_problem.row[i]);
        m_rows[i].trial->setText(trialCaption(m_problem.row[i]));
        m_rows[i].trial->setAccessibleName(tr("%1: [A] %2 mol/L, [B] %3 mol/L, rate %4 mol/L-min")
                                               .arg(m_rows[i].trial->text(), runtime::spokenText(m_problem.concA[i]),
                                                    runtime::spokenText(m_problem.concB[i]),
                                                    runtime::spokenText(m_problem.rate[i])));
    }
    // Screen readers list the rows in the order the screen shows them.
    const auto rows = rowsAsShown();
    for (int i = TrialCount - 1; i > 0; --i)
        rows[i - 1]->stackUnder(rows[i]);
    QAccessibleEvent reordered(m_client, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
}

std::array<runtime::LabelButton *, TrialCount> RateTutor::rowsAsShown() const
{
    std::array<runtime::LabelButton *, TrialCount> rows{};
    for (int i = 0; i < TrialCount; ++i)
        rows[m_problem.row[i]] = m_rows[i].trial;
    return rows;
}

void RateTutor::showTutoringText(const QString &title, const QString &instruction)
{
    if (!title.isNull())
        m_Label15->setText(title);
    if (!instruction.isNull())
        m_atutorlab->setText(instruction);
    runtime::announce(m_orderAtutor, m_Label15->text() + u'\n' + m_atutorlab->text());
}

void RateTutor::Trial_Click(int index)
{
    if (m_tutor.trialClick(index) == SelectionChange::Unchanged)
        return;
    m_rows[index].trial->setBackgroundColor(m_tutor.trialselected(index) ? runtime::grey() : runtime::ground());
    m_rows[index].trial->setSelected(m_tutor.trialselected(index));
}

void RateTutor::deselect()
{
    for (const TrialRow &trial : m_rows) {
        runtime::LabelButton *row = trial.trial;
        row->setBackgroundColor(runtime::ground());
        row->setSelected(false);
        row->setSelectable(false);
    }
    enableAnswers();
    for (QWidget *panel : std::initializer_list<QWidget *>{m_fullmathA, m_eqimage, m_solvefork, m_kcalc, m_genlaw})
        panel->hide();
    m_tutor.deselect();
    m_orderAtutor->hide();
    m_lblnotutor->hide();
}

Answers RateTutor::currentAnswers() const
{
    return {m_orderAinput->text(), m_orderBinput->text(), m_kinput->text()};
}

QString RateTutor::refusal()
{
    m_submitted = submitAnswers(m_problem, currentAnswers(), currentproblem);
    switch (m_submitted.outcome) {
    case SubmitOutcome::NoProblem:
        return tr("Please choose a Problem to solve.");
    case SubmitOutcome::MissingAnswer:
        return tr("Please fill in all three answers.");
    case SubmitOutcome::DecimalComma:
        return runtime::decimalCommaMessage();
    default:
        return {};
    }
}

QStringList RateTutor::grade()
{
    const Grading &g = m_submitted.grading;
    return {
        g.orderA == Verdict::Right ? tr("Correct order with respect to A.") : tr("Incorrect order with respect to A."),
        g.orderB == Verdict::Right ? tr("Correct order with respect to B.") : tr("Incorrect order with respect to B."),
        g.k == Verdict::Right ? tr("Correct rate constant.") : tr("Incorrect rate constant.")};
}

runtime::TutorScreen::AfterGrading RateTutor::afterGrading() const
{
    return m_submitted.outcome == SubmitOutcome::Completed    ? AfterGrading::Complete
           : m_submitted.outcome == SubmitOutcome::NoTutoring ? AfterGrading::NoTutoring
                                                              : AfterGrading::Tutoring;
}

QStringList RateTutor::answerAsTyped() const
{
    return {m_orderAinput->text(), m_orderBinput->text(), m_kinput->text()};
}

QString RateTutor::completionMessage() const
{
    return tr("Problem Complete.");
}

void RateTutor::forgetProblem()
{
    m_problem.k = 0.0f;
}

void RateTutor::beginTutoring()
{
    beginStage(m_submitted.stage);
}

void RateTutor::beginStage(Stage stage)
{
    const GuidedTutor::Opening opening = m_tutor.begin(stage);
    // The rows become Tab stops, taken as the screen shows them.
    QWidget *before = m_slots->option(SlotCount - 1);
    for (runtime::LabelButton *row : rowsAsShown()) {
        row->setSelectable(true);
        setTabOrder(before, row);
        before = row;
    }
    setTabOrder(before, m_kinput);
    m_orderAtutor->show();
    showTutoringText(opening.title, opening.instruction);
    // Every stage begins by asking for trials: the keys go to the top row.
    rowsAsShown().front()->setFocus(Qt::OtherFocusReason);
}

void RateTutor::continueAbtn_Click()
{
    using Kind = ContinueOutcome::Kind;
    const Stage stage = m_tutor.stage();
    const ContinueOutcome outcome = m_tutor.continueClick(m_problem, currentAnswers());
    if (!outcome.instruction.isEmpty())
        showTutoringText(QString(), outcome.instruction);
    QLineEdit *stageBox = stage == Stage::RateConstant ? m_kinput
                          : stage == Stage::OrderA     ? m_orderAinput
                                                       : m_orderBinput;
    switch (outcome.kind) {
    case Kind::Nothing:
    case Kind::Right:
        break;
    case Kind::Refused:
        runtime::messageBox(this, outcome.message);
        // The stage still asks for trials.
        rowsAsShown().front()->setFocus(Qt::OtherFocusReason);
        break;
    case Kind::SameAnswer:
        runtime::messageBox(this, outcome.message);
        break;
    case Kind::ChoiceAccepted:
        if (stage == Stage::RateConstant)
            m_genlaw->show();
        else
            m_eqimage->show();
        stageBox->setEnabled(true);
        stageBox->setFocus(Qt::OtherFocusReason);
        break;
    case Kind::FirstWrong:
        if (stage == Stage::RateConstant) {
            m_solvefork->show();
        } else {
            m_orderMath.loglab->hide();
            m_fullmathA->show();
            showOrderWork(*outcome.orderWork);
        }
        break;
    case Kind::FurtherWrong:
        if (stage == Stage::RateConstant) {
            showRateConstantWork(*outcome.rateConstantWork);
        } else {
            setCaption(m_orderMath.loglab, outcome.logLine);
            m_orderMath.loglab->show();
        }
        break;
    case Kind::StageEnded:
        m_orderAtutor->hide();
        deselect();
        // The student submits again, from the box just worked in.
        stageBox->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void RateTutor::showOrderWork(const OrderWork &work)
{
    setCaption(m_orderMath.ratesel1, work.ratesel1);
    setCaption(m_orderMath.ratesel2, work.ratesel2);
    setCaption(m_orderMath.a1, work.a1);
    setCaption(m_orderMath.a2, work.a2);
    setCaption(m_orderMath.raterat, work.raterat);
    placeAfter(m_orderMath.orderlab1, m_orderMath.a1, 30);
    placeAfter(m_orderMath.orderlab2, m_orderMath.raterat, 30);
    m_orderMath.orderlab2->setVisible(work.ratioShown);
    m_orderMath.Line5->setX2(runtime::leftOf(m_orderMath.orderlab1));
}

void RateTutor::showRateConstantWork(const RateConstantWork &work)
{
    setCaption(m_kMath.krate, work.krate);
    setCaption(m_kMath.kconcA, work.kconcA);
    setCaption(m_kMath.kordera, work.kordera);
    setCaption(m_kMath.kconcB, work.kconcB);
    setCaption(m_kMath.korderb, work.korderb);
    placeAfter(m_kMath.kordera, m_kMath.kconcA, 15);
    placeAfter(m_kMath.kconcB, m_kMath.kordera, 15);
    placeAfter(m_kMath.korderb, m_kMath.kconcB, 15);
    runtime::setTop(m_kcalc, KcalcShownTop);
    m_kcalc->show();
}

void RateTutor::calculator_Click()
{
    const QString program = runtime::findProgram(calculatorPrograms());
    if (program.isEmpty()) {
        runtime::messageBox(this, tr("No calculator program was found on this computer."));
        return;
    }
    if (!runtime::startProgram(program))
        runtime::messageBox(this, tr("The calculator program could not be started."));
}
