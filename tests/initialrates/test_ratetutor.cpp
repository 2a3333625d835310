// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace testing;

namespace {

const QString sameAnswer = QStringLiteral("This is the same answer as before. Please input a new answer.");

// Draws for one problem of known orders (1 and 2), k (3.47) and rows.
void pushKnownProblem(const runtime::ScriptedRandom::Script &draws, std::initializer_list<float> variation = {})
{
    const auto orders = knownOrders();
    const auto trials = knownTrials();
    draws->insert(draws->end(), orders.begin(), orders.end());
    draws->insert(draws->end(), variation.begin(), variation.end());
    draws->insert(draws->end(), trials.begin(), trials.end());
}

} // namespace

class TestRateTutor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void controlsAtTheirDesignPositions_data();
    void controlsAtTheirDesignPositions();
    void startsWithProblemOneAndTheTutoringHidden();
    void difficultyTakesEffectAtTheNextChoice();
    void tableShowsTheKnownProblem();
    void wholeProblemThroughTheScreen();
    void refusalsCountNoAttempt();
    void lastTwoSlotsHaveNoTutoring();
    void rowsOnlySelectDuringAStage();
    void zeroRateShowsANote();
    void calculatorReportsWhenNoneIsFound();
    void calculatorStartsTheFirstOneFound();
    void enterSubmitsOnlyWhileSubmitIsEnabled();

private:
    runtime::Form *open();
    template<typename T = QWidget>
    T *child(const QString &name);
    void click(const QString &name);
    void type(const QString &box, const QString &text);
    void submit(const QString &orderA, const QString &orderB, const QString &k);
    // Clicks one of the row's labels: its Trial label or a value in front.
    void pickRow(int trial, const char *label = "Trial");
    QRect twips(int left, int top, int width, int height) { return runtime::twipsRect(left, top, width, height); }

    runtime::ScriptedRandom::Script m_draws;
    runtime::Form *m_form{nullptr};
};

void TestRateTutor::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_draws); });
}

void TestRateTutor::init()
{
    unloadAll();
    m_draws = std::make_shared<std::deque<float>>();
    pushKnownProblem(m_draws);
}

void TestRateTutor::cleanup()
{
    unloadAll();
}

runtime::Form *TestRateTutor::open()
{
    m_form = runtime::showForm(QStringLiteral("ratetutor"));
    settle();
    return m_form;
}

template<typename T>
T *TestRateTutor::child(const QString &name)
{
    T *widget = m_form->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

void TestRateTutor::click(const QString &name)
{
    QWidget *widget = child(name);
    QVERIFY2(widget->isVisible(), qPrintable(name));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    settle();
}

void TestRateTutor::type(const QString &box, const QString &text)
{
    auto *edit = child<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TestRateTutor::submit(const QString &orderA, const QString &orderB, const QString &k)
{
    type(QStringLiteral("orderAinput"), orderA);
    type(QStringLiteral("orderBinput"), orderB);
    type(QStringLiteral("kinput"), k);
    click(QStringLiteral("submitbtn"));
}

void TestRateTutor::pickRow(int trial, const char *label)
{
    click(QString::fromLatin1(label) + u'_' + QString::number(trial));
}

void TestRateTutor::controlsAtTheirDesignPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *kind, QRect place, const char *text = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << place << QString::fromLatin1(text);
    };
    const auto t = [](int l, int top, int w, int h) { return runtime::twipsRect(l, top, w, h); };
    row("Picture1", "pictures::Picture", t(120, 120, 2355, 180));
    row("Image1", "pictures::Picture", t(3120, 0, 3570, 300));
    row("calculator", "runtime::LabelButton", t(6960, 0, 975, 255), "Calculator");
    row("approach", "runtime::LabelButton", t(8040, 0, 1455, 255), "Approach");
    row("problem_0", "QRadioButton", t(240, 840, 1455, 255), "Problem 1");
    row("problem_5", "QRadioButton", t(240, 2640, 1455, 255), "Problem 6");
    row("probcomplete_3", "QLabel", t(1920, 1920, 375, 255), "No");
    row("numattempts_2", "QLabel", t(3120, 1560, 375, 255), "0");
    row("directions1", "QLabel", t(240, 3120, 4215, 855));
    row("kinput", "QLineEdit", t(6240, 1320, 945, 345));
    row("orderAinput", "QLineEdit", t(7560, 1080, 495, 375));
    row("orderBinput", "QLineEdit", t(8520, 1080, 495, 375));
    row("responseframe", "QGroupBox", t(5040, 1800, 3015, 1095));
    row("submitbtn", "runtime::LabelButton", t(8160, 1920, 975, 255), "Submit");
    row("workbelow", "QLabel", t(8160, 2280, 1215, 615), "Work in the tutoring area below.");
    row("orderAtutor", "runtime::PictureBox", t(5160, 3000, 4095, 3390));
    row("lblnotutor", "QLabel", t(5760, 3100, 3135, 1095),
        "No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.");
    row("Label15", "QLabel", t(30, 30, 3330, 240));
    row("atutorlab", "QLabel", t(30, 360, 3975, 735));
    row("genlaw", "pictures::Picture", t(120, 900, 2100, 315));
    row("fullmathA", "runtime::PictureBox", t(120, 1080, 3135, 1455));
    row("solvefork", "pictures::Picture", t(120, 1430, 1905, 585));
    row("kcalc", "runtime::PictureBox", t(15, 2160, 3015, 735));
    row("eqimage", "pictures::Picture", t(240, 2520, 2205, 855));
    row("continueAbtn", "runtime::LabelButton", t(3120, 3000, 855, 255), "continue");
    row("Line1", "runtime::LineControl", t(120, 4440, 4440, 15));
    row("Line2", "runtime::LineControl", t(4920, 360, 15, 6180));
    row("Line3", "runtime::LineControl", t(4920, 360, 4560, 15));
}

void TestRateTutor::controlsAtTheirDesignPositions()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    open();
    QWidget *widget = child(name);
    QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
    QCOMPARE(widget->geometry(), place);
    if (auto *label = qobject_cast<QLabel *>(widget); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !text.isEmpty())
        QCOMPARE(button->text(), text);
    // The client area keeps its full design size below the menu bar.
    QCOMPARE(widget->window(), m_form);
}

void TestRateTutor::startsWithProblemOneAndTheTutoringHidden()
{
    open();
    QVERIFY(child<QRadioButton>(QStringLiteral("problem_0"))->isChecked());
    for (const char *hidden : {"responseframe", "workbelow", "lblnotutor", "orderAtutor"})
        QVERIFY2(child(QString::fromLatin1(hidden))->isHidden(), hidden);
    QWidget *client = child(QStringLiteral("directions1"))->parentWidget();
    QCOMPARE(client->size(), QSize(runtime::toPixels(9480), runtime::toPixels(6870)));
    QCOMPARE(m_form->height(), client->y() + client->height());
    QVERIFY(client->y() > 0);
    QVERIFY(!runtime::loadedForm(QStringLiteral("ratetutor"))->windowTitle().isEmpty());
}

void TestRateTutor::difficultyTakesEffectAtTheNextChoice()
{
    open();
    auto *menu = child<QMenu>(QStringLiteral("mnudifficulty"));
    // The title carries the mnemonic for Alt+D; the bar shows "Difficulty".
    QCOMPARE(menu->title(), QStringLiteral("&Difficulty"));
    QCOMPARE(menu->menuAction()->iconText(), QStringLiteral("Difficulty"));
    QStringList items;
    for (QAction *action : menu->actions())
        items << action->objectName() + u'=' + action->text() + (action->isChecked() ? u'*' : u' ');
    QCOMPARE(items, (QStringList{"mnueasy=Relatively Easy*", "mnumoderate=Moderately Difficult ",
                                 "mnudifficult=Difficult "}));

    const QString before = child<QLabel>(QStringLiteral("labconcA_1"))->text();
    m_form->findChild<QAction *>(QStringLiteral("mnudifficult"))->trigger();
    QVERIFY(m_form->findChild<QAction *>(QStringLiteral("mnudifficult"))->isChecked());
    QVERIFY(!m_form->findChild<QAction *>(QStringLiteral("mnueasy"))->isChecked());
    QCOMPARE(child<QLabel>(QStringLiteral("labconcA_1"))->text(), before);
    QCOMPARE(before, QStringLiteral(" .81"));

    // The next choice draws once more (0.1 halves the order in A) and
    // no longer doubles.
    pushKnownProblem(m_draws, {0.1f});
    click(QStringLiteral("problem_2"));
    QCOMPARE(child<QLabel>(QStringLiteral("labconcA_1"))->text(), QStringLiteral(" .784"));
    QCOMPARE(child<QLabel>(QStringLiteral("Labrate_0"))->text(), QStringLiteral(" .9187"));
    QVERIFY(m_draws->empty());
}

void TestRateTutor::tableShowsTheKnownProblem()
{
    open();
    const QStringList concA{" .405", " .81", " .405", " .183"};
    const QStringList concB{" .645", " .645", " 1.29", " .981"};
    const QStringList rates{" .5846", " 1.169", " 2.338", " .6111"};
    const int tops[] = {4680, 5640, 6120, 5160};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i);
        QCOMPARE(child<QLabel>("labconcA_" + n)->text(), concA[i]);
        QCOMPARE(child<QLabel>("LabconcB_" + n)->text(), concB[i]);
        QCOMPARE(child<QLabel>("Labrate_" + n)->text(), rates[i]);
        auto *row = child<runtime::LabelButton>("Trial_" + n);
        QCOMPARE(row->text(), QStringLiteral("Trial %1").arg((tops[i] - 4680) / 480 + 1));
        for (const char *name : {"Trial_", "labconcA_", "LabconcB_", "Labrate_"})
            QCOMPARE(child(QString::fromLatin1(name) + n)->y(), runtime::toPixels(tops[i]));
        QCOMPARE(row->backgroundColor(), runtime::white());
    }
}

void TestRateTutor::wholeProblemThroughTheScreen()
{
    MessageBoxes boxes;
    open();
    // The order in A wrong, B wrong, k right: the stage for A only.
    submit(QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("3.5"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(QStringLiteral("Aresponse"))->text(), QStringLiteral("Incorrect order with respect to A."));
    QCOMPARE(child<QLabel>(QStringLiteral("Bresponse"))->text(), QStringLiteral("Incorrect order with respect to B."));
    QCOMPARE(child<QLabel>(QStringLiteral("kresponse"))->text(), QStringLiteral("Correct rate constant."));
    QVERIFY(child(QStringLiteral("responseframe"))->isVisible());
    QVERIFY(child(QStringLiteral("workbelow"))->isVisible());
    for (const char *locked : {"submitbtn", "kinput", "orderAinput", "orderBinput"})
        QVERIFY2(!child(QString::fromLatin1(locked))->isEnabled(), locked);
    QVERIFY(child(QStringLiteral("orderAtutor"))->isVisible());
    QCOMPARE(child<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("Determining Order with Respect to [A]"));

    // A wrong pair, then the right pair picked through value labels.
    pickRow(0);
    pickRow(2, "Labrate");
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_2"))->backgroundColor(), runtime::grey());
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(boxes.texts().value(0), QStringLiteral("Choose two reactions that have equal [B]."));
    pickRow(2, "LabconcB");
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_2"))->backgroundColor(), runtime::white());
    pickRow(1, "labconcA");
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("eqimage"))->isVisible());
    QVERIFY(child(QStringLiteral("orderAinput"))->isEnabled());
    QVERIFY(!child(QStringLiteral("orderBinput"))->isEnabled());

    // A wrong order opens the worked math.
    type(QStringLiteral("orderAinput"), QStringLiteral("3"));
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("fullmathA"))->isVisible());
    QVERIFY(child(QStringLiteral("loglab"))->isHidden());
    auto *a1 = child<QLabel>(QStringLiteral("a1"));
    auto *raterat = child<QLabel>(QStringLiteral("raterat"));
    QCOMPARE(child<QLabel>(QStringLiteral("ratesel1"))->text(), QStringLiteral(".5846"));
    QCOMPARE(child<QLabel>(QStringLiteral("ratesel2"))->text(), QStringLiteral("1.169"));
    QCOMPARE(a1->text(), QStringLiteral(".405"));
    QCOMPARE(child<QLabel>(QStringLiteral("a2"))->text(), QStringLiteral(".81"));
    QCOMPARE(raterat->text(), QStringLiteral(" .5000855 = .5"));
    // The exponents sit 30 twips (2 pixels) right of what they raise.
    QCOMPARE(child(QStringLiteral("orderlab1"))->x(), a1->x() + a1->width() + 2);
    QCOMPARE(child(QStringLiteral("orderlab2"))->x(), raterat->x() + raterat->width() + 2);
    QCOMPARE(child(QStringLiteral("Line5"))->geometry().right() + 1, child(QStringLiteral("orderlab1"))->x());

    // The explanation and back, in the middle of the stage.
    click(QStringLiteral("approach"));
    QCOMPARE(visibleScreens(), QStringList{QStringLiteral("approachform")});
    runtime::Form *explanation = runtime::loadedForm(QStringLiteral("approachform"));
    QTest::mouseClick(explanation->findChild<QWidget *>(QStringLiteral("btnreturn")), Qt::LeftButton);
    settle();
    QCOMPARE(visibleScreens(), QStringList{QStringLiteral("ratetutor")});
    QVERIFY(child(QStringLiteral("fullmathA"))->isVisible());
    QCOMPARE(child<QLabel>(QStringLiteral("atutorlab"))->text(),
             QStringLiteral("This is not correct. Here is more detail on how the math works."));
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_1"))->backgroundColor(), runtime::grey());

    // Unchanged, then another wrong order: the log line; then the right one.
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(boxes.texts().value(1), sameAnswer);
    QVERIFY(child(QStringLiteral("loglab"))->isHidden());
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("loglab"))->text(), QStringLiteral("log(.5000855) = order x log(.5)"));
    QVERIFY(child(QStringLiteral("loglab"))->isVisible());
    type(QStringLiteral("orderAinput"), QStringLiteral("1"));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct order for A."));
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("orderAtutor"))->isHidden());
    QVERIFY(child(QStringLiteral("submitbtn"))->isEnabled());
    QCOMPARE(child<QLineEdit>(QStringLiteral("orderAinput"))->text(), QStringLiteral("1"));

    // The order in B: the stage begins on the next submission.
    click(QStringLiteral("submitbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("2"));
    QCOMPARE(child<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("Determining Order with Respect to [B]"));
    QVERIFY(child(QStringLiteral("fullmathA"))->isHidden());
    pickRow(2);
    pickRow(0);
    click(QStringLiteral("continueAbtn"));
    type(QStringLiteral("orderBinput"), QStringLiteral("2"));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct order for B."));
    click(QStringLiteral("continueAbtn"));

    // k: wrong in grading, then tutored to the exact value.
    type(QStringLiteral("kinput"), QStringLiteral("3"));
    click(QStringLiteral("submitbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("Label15"))->text(), QStringLiteral("Determining the rate constant, k."));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(boxes.texts().value(2), QStringLiteral("Choose a reaction from the list to the left. Any one will do."));
    pickRow(3);
    pickRow(0); // one row only in this stage
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_0"))->backgroundColor(), runtime::white());
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("genlaw"))->isVisible());
    QVERIFY(child(QStringLiteral("kinput"))->isEnabled());
    type(QStringLiteral("kinput"), QStringLiteral("3.46"));
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("solvefork"))->isVisible());
    QVERIFY(child(QStringLiteral("kcalc"))->isHidden());
    type(QStringLiteral("kinput"), QStringLiteral("3.469"));
    click(QStringLiteral("continueAbtn"));
    auto *kcalc = child(QStringLiteral("kcalc"));
    QVERIFY(kcalc->isVisible());
    QCOMPARE(kcalc->y(), runtime::toPixels(1940));
    QCOMPARE(child<QLabel>(QStringLiteral("krate"))->text(), QStringLiteral(".6111"));
    QCOMPARE(child<QLabel>(QStringLiteral("kconcA"))->text(), QStringLiteral("[.183]"));
    QCOMPARE(child<QLabel>(QStringLiteral("kconcB"))->text(), QStringLiteral("[.981]"));
    QCOMPARE(child<QLabel>(QStringLiteral("kordera"))->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(QStringLiteral("korderb"))->text(), QStringLiteral("2"));
    const auto rightOf = [this](const char *name) {
        QWidget *w = child(QString::fromLatin1(name));
        return w->x() + w->width() + 1; // 15 twips
    };
    QCOMPARE(child(QStringLiteral("kordera"))->x(), rightOf("kconcA"));
    QCOMPARE(child(QStringLiteral("kconcB"))->x(), rightOf("kordera"));
    QCOMPARE(child(QStringLiteral("korderb"))->x(), rightOf("kconcB"));
    type(QStringLiteral("kinput"), QStringLiteral("3.47"));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct value of k."));
    click(QStringLiteral("continueAbtn"));

    // All right: complete, unselected, and Submit refuses until a new choice.
    click(QStringLiteral("submitbtn"));
    QCOMPARE(boxes.texts().value(3), QStringLiteral("Problem Complete."));
    QCOMPARE(child<QLabel>(QStringLiteral("probcomplete_0"))->text(), QStringLiteral("Yes"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("4"));
    QVERIFY(!child<QRadioButton>(QStringLiteral("problem_0"))->isChecked());
    click(QStringLiteral("submitbtn"));
    QCOMPARE(boxes.texts().value(4), QStringLiteral("Please choose a Problem to solve."));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("4"));
    QCOMPARE(boxes.texts().size(), 5);
    QVERIFY(boxes.problems().isEmpty());

    // The completed slot chosen again: a new problem, "Yes" and the count stay.
    pushKnownProblem(m_draws);
    click(QStringLiteral("problem_0"));
    QVERIFY(child<QRadioButton>(QStringLiteral("problem_0"))->isChecked());
    QCOMPARE(child<QLabel>(QStringLiteral("probcomplete_0"))->text(), QStringLiteral("Yes"));
    QVERIFY(child<QLineEdit>(QStringLiteral("kinput"))->text().isEmpty());
    submit(QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3.47"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("5"));
    QCOMPARE(child<QLabel>(QStringLiteral("probcomplete_0"))->text(), QStringLiteral("Yes"));
}

void TestRateTutor::refusalsCountNoAttempt()
{
    MessageBoxes boxes;
    open();
    type(QStringLiteral("orderAinput"), QStringLiteral("1"));
    type(QStringLiteral("kinput"), QStringLiteral("3"));
    click(QStringLiteral("submitbtn"));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Please fill in all three answers.")});
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("0"));
    QVERIFY(child(QStringLiteral("responseframe"))->isHidden());
    // A blank is an answer.
    type(QStringLiteral("orderBinput"), QStringLiteral(" "));
    click(QStringLiteral("submitbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QCOMPARE(boxes.texts().size(), 1);
}

void TestRateTutor::lastTwoSlotsHaveNoTutoring()
{
    MessageBoxes boxes;
    open();
    pushKnownProblem(m_draws);
    click(QStringLiteral("problem_4"));
    submit(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("3.47"));
    QVERIFY(child(QStringLiteral("lblnotutor"))->isVisible());
    QVERIFY(child(QStringLiteral("orderAtutor"))->isHidden());
    QVERIFY(child(QStringLiteral("submitbtn"))->isEnabled());
    QVERIFY(child(QStringLiteral("orderBinput"))->isEnabled());
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_4"))->text(), QStringLiteral("1"));
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("0"));
    type(QStringLiteral("orderBinput"), QStringLiteral("2"));
    click(QStringLiteral("submitbtn"));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Problem Complete.")});
    QCOMPARE(child<QLabel>(QStringLiteral("probcomplete_4"))->text(), QStringLiteral("Yes"));
    // The note stays until the next choice.
    QVERIFY(child(QStringLiteral("lblnotutor"))->isVisible());
    pushKnownProblem(m_draws);
    click(QStringLiteral("problem_5"));
    QVERIFY(child(QStringLiteral("lblnotutor"))->isHidden());
}

void TestRateTutor::rowsOnlySelectDuringAStage()
{
    open();
    pickRow(1);
    pickRow(2, "Labrate");
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_1"))->backgroundColor(), runtime::white());
    QCOMPARE(child<runtime::LabelButton>(QStringLiteral("Trial_2"))->backgroundColor(), runtime::white());
}

void TestRateTutor::zeroRateShowsANote()
{
    MessageBoxes boxes;
    // Orders 2 and 2, k 0.01 and small concentrations: every rate cuts to 0.
    m_draws->clear();
    *m_draws = {0.9f, 0.9f, 0.0015f, 0.02f, 0.02f, 0.03f, 0.03f, 0.02f, 0.02f, 0.0f, 0.3f, 0.6f, 0.9f};
    open();
    QCOMPARE(child<QLabel>(QStringLiteral("Labrate_1"))->text(), QStringLiteral(" 0"));
    submit(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral(".01"));
    pickRow(0);
    pickRow(1);
    click(QStringLiteral("continueAbtn"));
    type(QStringLiteral("orderAinput"), QStringLiteral("3"));
    click(QStringLiteral("continueAbtn"));
    QVERIFY(child(QStringLiteral("fullmathA"))->isVisible());
    QCOMPARE(child<QLabel>(QStringLiteral("raterat"))->text(), QStringLiteral("Cannot divide by a rate of 0."));
    QVERIFY(child(QStringLiteral("orderlab2"))->isHidden());
    type(QStringLiteral("orderAinput"), QStringLiteral("4"));
    click(QStringLiteral("continueAbtn"));
    QCOMPARE(child<QLabel>(QStringLiteral("loglab"))->text(), QStringLiteral("Cannot divide by a rate of 0."));
    QVERIFY(boxes.texts().isEmpty());
}

void TestRateTutor::calculatorReportsWhenNoneIsFound()
{
    QTemporaryDir empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    MessageBoxes boxes;
    open();
    const QString table = child<QLabel>(QStringLiteral("Labrate_0"))->text();
    click(QStringLiteral("calculator"));
    qputenv("PATH", path);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("No calculator program was found on this computer.")});
    QCOMPARE(child<QLabel>(QStringLiteral("Labrate_0"))->text(), table);
    QCOMPARE(visibleScreens(), QStringList{QStringLiteral("ratetutor")});
}

void TestRateTutor::calculatorStartsTheFirstOneFound()
{
    QTemporaryDir bin;
    const QString marker = bin.filePath(QStringLiteral("started"));
    // The second program of the list, so that the search goes past the first.
    QFile program(bin.filePath(QStringLiteral("kcalc")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(QStringLiteral("#!/bin/sh\necho yes > '%1'\n").arg(marker).toUtf8());
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    MessageBoxes boxes;
    open();
    click(QStringLiteral("calculator"));
    qputenv("PATH", path);
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(boxes.texts().isEmpty());
}

void TestRateTutor::enterSubmitsOnlyWhileSubmitIsEnabled()
{
    MessageBoxes boxes;
    open();
    type(QStringLiteral("orderAinput"), QStringLiteral("2"));
    type(QStringLiteral("orderBinput"), QStringLiteral("2"));
    type(QStringLiteral("kinput"), QStringLiteral("3.47"));
    QTest::keyClick(child<QLineEdit>(QStringLiteral("orderBinput")), Qt::Key_Return);
    settle();
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QVERIFY(child(QStringLiteral("orderAtutor"))->isVisible());
    QVERIFY(!child(QStringLiteral("submitbtn"))->isEnabled());
    // Locked for the tutoring: Enter grades nothing.
    QTest::keyClick(child<QLineEdit>(QStringLiteral("kinput")), Qt::Key_Return);
    settle();
    QCOMPARE(child<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
}

QTEST_MAIN(TestRateTutor)
#include "test_ratetutor.moc"
