// SPDX-License-Identifier: GPL-3.0-or-later
// The Method of Initial Rates screen worked through, partly with the mouse
// and partly with the keyboard alone (Tab, Space, Enter, Alt and the
// underlined letter), and what a screen reader learns on the way: names,
// selected states and the announced verdicts.
#include "driver.h"
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QScreen>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace testing;

namespace {

// What screen readers were told since the last clear: which object, what kind.
QList<QPair<QString, QAccessible::Event>> announced;

void record(QAccessibleEvent *event)
{
    if (auto *widget = qobject_cast<QWidget *>(event->object()))
        announced.append({widget->objectName(), event->type()});
}

} // namespace

class TestRateTutor : public QObject, ScreenDriver
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup() { unloadAll(); }
    void opensOnProblemOneAndLevelsApplyToTheNextChoice();
    void wholeProblemThroughTheScreen();
    void refusalsAndTheSlotsWithoutTutoring();

private:
    // A row's colour as the window shows it now: repainted, not only set.
    QColor rowColour(int trial)
    {
        QWidget *row = get(QStringLiteral("Trial_%1").arg(trial));
        QCoreApplication::processEvents(); // the repaints asked for so far
        const QImage shown = m_form->screen()->grabWindow(m_form->winId()).toImage();
        return shown.pixelColor(row->mapTo(m_form, QPoint(0, 0)));
    }
    // Clicks one of the row's labels: its Trial label or a value in front.
    void pickRow(int trial, const QString &label = "Trial") { click(label + u'_' + QString::number(trial)); }

    runtime::ScriptedRandom::Script m_draws;
};

void TestRateTutor::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_draws); });
    // As when a screen reader runs, so that events are sent.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(record);
}

void TestRateTutor::init()
{
    unloadAll();
    m_draws = script({});
    pushKnownProblem(m_draws);
    m_form = runtime::showForm("ratetutor");
    settle();
}

void TestRateTutor::opensOnProblemOneAndLevelsApplyToTheNextChoice()
{
    QVERIFY(get<QRadioButton>("problem_0")->isChecked());
    for (const char *hidden : {"responseframe", "workbelow", "lblnotutor", "orderAtutor"})
        QVERIFY2(!shown(hidden), hidden);
    // The table as shown is pinned by the approved images. To a screen reader each row is one item that says its trial and its
    // values, listed as the screen shows them, with no loose value labels.
    QCOMPARE(said("Trial_0"), "Trial 1: [A] 0.405 mol/L, [B] 0.645 mol/L, rate 0.5846 mol/L-min");
    QCOMPARE(said("Trial_3"), "Trial 2: [A] 0.183 mol/L, [B] 0.981 mol/L, rate 0.6111 mol/L-min");
    QCOMPARE(of("Trial_0")->childCount(), 0);
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(get("directions1")->parentWidget());
    QStringList listed;
    for (int i = 0; i < area->childCount(); ++i)
        listed << area->child(i)->object()->objectName();
    QCOMPARE(listed.filter(QRegularExpression("^(Trial|labconcA)_")), (QStringList{"Trial_0", "Trial_3", "Trial_1", "Trial_2"}));

    // Before any tutoring stage rows neither select nor take the focus: Tab
    // runs along the top, down the problems and on to the answers.
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(2), runtime::ground());
    QVERIFY(!of("Trial_0")->state().selectable);
    get("calculator")->setFocus();
    for (const char *next : {"approach", "problem_0", "kinput", "orderAinput", "orderBinput", "submitbtn"}) {
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), next);
    }

    // Difficult, chosen with Alt+D and the arrows, takes effect at the next
    // choice: one more draw (0.1 halves the order in A) and no doubled
    // concentrations.
    auto *menu = get<QMenu>("mnudifficulty");
    QTest::keyClick(m_form, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    settle();
    QVERIFY(get<QAction>("mnudifficult")->isChecked() && !get<QAction>("mnueasy")->isChecked());
    QCOMPARE(text("labconcA_1"), " .81");
    pushKnownProblem(m_draws, {0.1f});
    click("problem_2");
    QCOMPARE(texts({"labconcA_1", "Labrate_0"}), (QStringList{" .784", " .9187"}));
    QVERIFY(m_draws->empty());
}

void TestRateTutor::wholeProblemThroughTheScreen()
{
    MessageBoxes boxes;
    announced.clear();
    // Sent with Enter: the order in A wrong, B wrong, k right: the stage for
    // A only. The verdicts and the stage's instruction are announced, and the
    // stage takes the focus.
    type("orderAinput", "2");
    type("orderBinput", "1");
    type("kinput", "3.5", true);
    QCOMPARE(texts({"numattempts_0", "Aresponse", "Bresponse", "kresponse", "Label15"}),
             (QStringList{"1", "Incorrect order with respect to A.", "Incorrect order with respect to B.",
                          "Correct rate constant.", "Determining Order with Respect to [A]"}));
    for (const char *locked : {"submitbtn", "kinput", "orderAinput", "orderBinput"})
        QVERIFY2(!enabled(locked), locked);
    QCOMPARE(focusName(), "orderAtutor");
    for (const QString name : {"responseframe", "orderAtutor"})
        QVERIFY2(announced.contains({name, QAccessible::DescriptionChanged}), qPrintable(name));
    QVERIFY(said("responseframe", QAccessible::Description).contains(u"Incorrect order with respect to A.")
            && said("orderAtutor", QAccessible::Description).contains(u"Choose two reactions"));
    QCOMPARE(said("numattempts_0"), "Problem 1 attempts: 1");
    QCOMPARE(said("probcomplete_0"), "Problem 1 complete: No");

    // Now the rows are Tab stops, in the order the screen shows them.
    for (const char *previous : {"Trial_2", "Trial_1", "Trial_3", "Trial_0"}) {
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), previous);
    }
    // Alt+C with no rows chosen is refused and the focus goes to the first
    // row. Space chooses a row and says so; again, and it is let go.
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(boxes.texts(), QStringList{"Choose two reactions that have equal [B]."});
    QCOMPARE(focusName(), "Trial_0");
    QVERIFY(of("Trial_0")->state().selectable && !of("Trial_0")->state().selected);
    press(Qt::Key_Space);
    QVERIFY(of("Trial_0")->state().selected && of("Trial_0")->state().checked);
    QVERIFY(announced.contains({"Trial_0", QAccessible::StateChanged}));
    press(Qt::Key_Space);
    QVERIFY(!of("Trial_0")->state().selected);

    // A wrong pair, then the right pair picked with the mouse through value
    // labels; the worked math puts the lower trial first, whatever the click
    // order.
    pickRow(1);
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(2), runtime::grey());
    click("continueAbtn");
    QCOMPARE(boxes.texts().size(), 2);
    pickRow(2, "LabconcB");
    QCOMPARE(rowColour(2), runtime::ground());
    // A double click on a row selects it once, not twice (which would leave it unselected).
    doubleClick(get("labconcA_0"));
    QCOMPARE(rowColour(0), runtime::grey());
    // A click on the slot already selected loses no work.
    click("problem_0");
    QCOMPARE(texts({"Label15", "labconcA_1"}), (QStringList{"Determining Order with Respect to [A]", " .81"}));
    press(Qt::Key_C, Qt::AltModifier);
    QVERIFY(shown("eqimage") && enabled("orderAinput") && !enabled("orderBinput"));
    QCOMPARE(focusName(), "orderAinput");

    // Enter in the box goes on: a wrong order opens the worked math.
    type("orderAinput", "3", true);
    QVERIFY(shown("fullmathA") && !shown("loglab"));
    QCOMPARE(texts({"ratesel1", "ratesel2", "a1", "a2", "raterat"}),
             (QStringList{".5846", "1.169", ".405", ".81", " .5000855 = .5"}));

    // Unchanged, then another wrong order: the log line; then the right one.
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(2), "This is the same answer as before. Please input a new answer.");
    QVERIFY(!shown("loglab"));
    type("orderAinput", "2", true);
    QVERIFY(shown("loglab") && text("loglab") == "log(.5000855) = order x log(.5)");
    type("orderAinput", "1", true);
    QCOMPARE(text("atutorlab"), "Good. This is the correct order for A.");
    press(Qt::Key_Return);
    QVERIFY(!shown("orderAtutor") && enabled("submitbtn"));
    QCOMPARE(text("orderAinput"), "1");
    QCOMPARE(focusName(), "orderAinput");
    QCOMPARE(get("Trial_0")->focusPolicy(), Qt::NoFocus);

    // The order in B: the stage begins on the next submission, with Alt+S.
    press(Qt::Key_S, Qt::AltModifier);
    QCOMPARE(texts({"numattempts_0", "Label15"}), (QStringList{"2", "Determining Order with Respect to [B]"}));
    QVERIFY(!shown("fullmathA"));
    pickRow(2);
    pickRow(0);
    // One double click on continue takes one step: the choice, not also the answer.
    doubleClick(get("continueAbtn"));
    QVERIFY(shown("eqimage") && enabled("orderBinput") && !shown("fullmathA"));
    QCOMPARE(boxes.texts().size(), 3);
    // The log line of the last stage is gone from the new worked math.
    type("orderBinput", "3", true);
    QVERIFY(shown("fullmathA") && !shown("loglab"));
    type("orderBinput", "2", true);
    QCOMPARE(text("atutorlab"), "Good. This is the correct order for B.");
    click("continueAbtn");

    // k: wrong in grading, then tutored; the tutor takes k as grading does.
    type("kinput", "3");
    click("submitbtn");
    QCOMPARE(text("Label15"), "Determining the rate constant, k.");
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(3), "Choose a reaction from the list to the left. Any one will do.");
    pickRow(3);
    pickRow(0); // one row only in this stage
    QCOMPARE(rowColour(0), runtime::ground());
    click("continueAbtn");
    QVERIFY(shown("genlaw") && enabled("kinput"));
    type("kinput", "3.40", true);
    QVERIFY(shown("solvefork") && !shown("kcalc"));
    type("kinput", "3.54", true);
    QVERIFY(shown("kcalc"));
    QCOMPARE(texts({"krate", "kconcA", "kordera", "kconcB", "korderb"}), (QStringList{".6111", "[.183]", "1", "[.981]", "2"}));
    // k worked out from the chosen row: .6111 / (.183 x .981^2).
    type("kinput", "3.46996", true);
    QCOMPARE(text("atutorlab"), "Good. This is the correct value of k.");
    click("continueAbtn");

    // All right: complete, unselected, and Submit refuses until a new choice.
    click("submitbtn");
    QCOMPARE(texts({"probcomplete_0", "numattempts_0"}), (QStringList{"Yes", "4"}));
    QVERIFY(!get<QRadioButton>("problem_0")->isChecked());
    click("submitbtn");
    QCOMPARE(text("numattempts_0"), "4");
    QCOMPARE(boxes.texts().mid(4), (QStringList{"Problem Complete.", "Please choose a Problem to solve."}));
    QVERIFY(boxes.problems().isEmpty());

    // The completed slot chosen again: a new problem, "Yes" and the count stay.
    pushKnownProblem(m_draws);
    click("problem_0");
    type("orderAinput", "0");
    type("orderBinput", "2");
    type("kinput", "3.47");
    click("submitbtn");
    QCOMPARE(texts({"probcomplete_0", "numattempts_0"}), (QStringList{"Yes", "5"}));
}

void TestRateTutor::refusalsAndTheSlotsWithoutTutoring()
{
    MessageBoxes boxes;
    // With no calculator program on the path, a message says so.
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    click("calculator");
    qputenv("PATH", path);
    // Enter submits while Submit is enabled; an empty box is refused, and so
    // is a decimal comma; neither counts an attempt.
    type("orderAinput", "1");
    type("orderBinput", "2", true);
    type("kinput", "0,5");
    click("submitbtn");
    QCOMPARE(boxes.texts(), (QStringList{"No calculator program was found on this computer.", "Please fill in all three answers.",
                                         "Please type numbers with a decimal point, not a comma: 0.5, not 0,5."}));
    QCOMPARE(text("numattempts_0"), "0");
    // A blank is an answer; then, locked for the tutoring, Enter grades nothing.
    type("kinput", " ", true);
    QVERIFY(shown("orderAtutor") && !enabled("submitbtn"));
    QTest::keyClick(get("orderAinput"), Qt::Key_Return);
    settle();
    QCOMPARE(text("numattempts_0"), "1");
    // A click in the tutoring area takes the keys there.
    get("problem_0")->setFocus();
    QTest::mouseClick(get("orderAtutor"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(focusName(), "orderAtutor");

    // Problem 5 tutors nothing; a double click on Submit is one attempt.
    pushKnownProblem(m_draws);
    click("problem_4");
    type("orderAinput", "1");
    type("orderBinput", "1");
    type("kinput", "3.47");
    doubleClick(get("submitbtn"));
    QVERIFY(shown("lblnotutor") && !shown("orderAtutor") && enabled("submitbtn") && enabled("orderBinput"));
    QCOMPARE(texts({"numattempts_4", "numattempts_0"}), (QStringList{"1", "1"}));
    type("orderBinput", "2");
    click("submitbtn");
    QCOMPARE(boxes.texts().mid(3), QStringList{"Problem Complete."});
    QCOMPARE(text("probcomplete_4"), "Yes");
    // The note stays until the next choice.
    QVERIFY(shown("lblnotutor"));
    pushKnownProblem(m_draws);
    click("problem_5");
    QVERIFY(!shown("lblnotutor"));
}

QTEST_MAIN(TestRateTutor)
#include "test_ratetutor.moc"
