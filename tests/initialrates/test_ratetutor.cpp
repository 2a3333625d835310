// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "scripted.h"
#include "shell/screens.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace testing;

class TestRateTutor : public QObject
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
    template<typename T = QWidget>
    T *get(const QString &name)
    {
        T *widget = m_form->findChild<T *>(name);
        return widget ? widget : (qFatal("no control %s", qPrintable(name)), nullptr);
    }
    // The caption of a label or button, or the contents of a text box.
    QString text(const QString &name) { return get(name)->property("text").toString(); }
    QStringList texts(const QStringList &names)
    {
        QStringList result;
        for (const QString &name : names)
            result.append(text(name));
        return result;
    }
    bool shown(const QString &name) { return get(name)->isVisible(); }
    bool enabled(const QString &name) { return get(name)->isEnabled(); }
    QColor rowColour(int trial) { return get<runtime::LabelButton>(QStringLiteral("Trial_%1").arg(trial))->backgroundColor(); }
    void click(const QString &name)
    {
        QWidget *widget = get(name);
        QVERIFY2(widget->isVisible(), qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        settle();
    }
    void type(const QString &box, const QString &text)
    {
        get<QLineEdit>(box)->selectAll();
        QTest::keyClick(get(box), Qt::Key_Delete);
        QTest::keyClicks(get(box), text);
    }
    void submit(const QString &orderA, const QString &orderB, const QString &k)
    {
        type("orderAinput", orderA);
        type("orderBinput", orderB);
        type("kinput", k);
        click("submitbtn");
    }
    // Types into an answer box and presses continue.
    void answer(const QString &box, const QString &text)
    {
        type(box, text);
        click("continueAbtn");
    }
    // Clicks one of the row's labels: its Trial label or a value in front.
    void pickRow(int trial, const QString &label = "Trial") { click(label + u'_' + QString::number(trial)); }

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
    // The client area keeps its full design size below the menu bar.
    QWidget *client = get("directions1")->parentWidget();
    QVERIFY(client->y() > 0);
    QCOMPARE(client->geometry().bottomRight(), QPoint(runtime::toPixels(9480), m_form->height()) - QPoint(1, 1));
    // The known problem on Relatively Easy; each row's labels at its shuffled top.
    const QStringList rows[] = {{"Trial 1", " .405", " .645", " .5846"},
                                {"Trial 3", " .81", " .645", " 1.169"},
                                {"Trial 4", " .405", " 1.29", " 2.338"},
                                {"Trial 2", " .183", " .981", " .6111"}};
    const int tops[] = {4680, 5640, 6120, 5160};
    for (int i = 0; i < 4; ++i) {
        QStringList names;
        for (const char *prefix : {"Trial_", "labconcA_", "LabconcB_", "Labrate_"})
            names << prefix + QString::number(i);
        QCOMPARE(texts(names), rows[i]);
        for (const QString &name : names)
            QCOMPARE(get(name)->mapTo(client, QPoint()).y(), runtime::toPixels(tops[i]));
    }
    // Before any tutoring stage, rows do not select.
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(2), runtime::ground());

    // Difficult takes effect at the next choice: one more draw (0.1 halves
    // the order in A) and no doubled concentrations.
    const QList<QAction *> levels = get<QMenu>("mnudifficulty")->actions();
    levels.last()->trigger();
    QCOMPARE(text("labconcA_1"), " .81");
    pushKnownProblem(m_draws, {0.1f});
    click("problem_2");
    QCOMPARE(texts({"labconcA_1", "Labrate_0"}), (QStringList{" .784", " .9187"}));
    QVERIFY(m_draws->empty());
}

void TestRateTutor::wholeProblemThroughTheScreen()
{
    MessageBoxes boxes;
    // The order in A wrong, B wrong, k right: the stage for A only.
    submit("2", "1", "3.5");
    QCOMPARE(texts({"numattempts_0", "Aresponse", "Bresponse", "kresponse", "Label15"}),
             (QStringList{"1", "Incorrect order with respect to A.", "Incorrect order with respect to B.",
                          "Correct rate constant.", "Determining Order with Respect to [A]"}));
    for (const char *locked : {"submitbtn", "kinput", "orderAinput", "orderBinput"})
        QVERIFY2(!enabled(locked), locked);

    // A wrong pair, then the right pair picked through value labels; the
    // worked math puts the lower trial first, whatever the click order.
    pickRow(1);
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(2), runtime::grey());
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(0), "Choose two reactions that have equal [B].");
    pickRow(2, "LabconcB");
    QCOMPARE(rowColour(2), runtime::ground());
    // A double click on a row selects it once, not twice (which would leave it unselected).
    doubleClick(get("labconcA_0"));
    QCOMPARE(rowColour(0), runtime::grey());
    // A click on the slot already selected loses no work.
    click("problem_0");
    QCOMPARE(texts({"Label15", "labconcA_1"}), (QStringList{"Determining Order with Respect to [A]", " .81"}));
    // One double click on continue takes one step: the choice, not also the answer.
    doubleClick(get("continueAbtn"));
    QVERIFY(shown("eqimage") && enabled("orderAinput") && !enabled("orderBinput"));
    QCOMPARE(boxes.texts().size(), 1);

    // A wrong order opens the worked math.
    answer("orderAinput", "3");
    QVERIFY(shown("fullmathA") && !shown("loglab"));
    QCOMPARE(texts({"ratesel1", "ratesel2", "a1", "a2", "raterat"}),
             (QStringList{".5846", "1.169", ".405", ".81", " .5000855 = .5"}));

    // The explanation and back, in the middle of the stage.
    click("approach");
    QCOMPARE(visibleScreens(), QStringList{"approachform"});
    QTest::mouseClick(runtime::loadedForm("approachform")->findChild<QWidget *>("btnreturn"), Qt::LeftButton);
    settle();
    QCOMPARE(visibleScreens(), QStringList{"ratetutor"});
    QVERIFY(shown("fullmathA") && rowColour(0) == runtime::grey());

    // Unchanged, then another wrong order: the log line; then the right one.
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(1), "This is the same answer as before. Please input a new answer.");
    QVERIFY(!shown("loglab"));
    answer("orderAinput", "2");
    QVERIFY(shown("loglab") && text("loglab") == "log(.5000855) = order x log(.5)");
    answer("orderAinput", "1");
    QCOMPARE(text("atutorlab"), "Good. This is the correct order for A.");
    click("continueAbtn");
    QVERIFY(!shown("orderAtutor") && enabled("submitbtn"));
    QCOMPARE(text("orderAinput"), "1");

    // The order in B: the stage begins on the next submission.
    click("submitbtn");
    QCOMPARE(texts({"numattempts_0", "Label15"}), (QStringList{"2", "Determining Order with Respect to [B]"}));
    QVERIFY(!shown("fullmathA"));
    pickRow(2);
    pickRow(0);
    click("continueAbtn");
    // The log line of the last stage is gone from the new worked math.
    answer("orderBinput", "3");
    QVERIFY(shown("fullmathA") && !shown("loglab"));
    answer("orderBinput", "2");
    QCOMPARE(text("atutorlab"), "Good. This is the correct order for B.");
    click("continueAbtn");

    // k: wrong in grading, then tutored; the tutor takes k as grading does.
    type("kinput", "3");
    click("submitbtn");
    QCOMPARE(text("Label15"), "Determining the rate constant, k.");
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(2), "Choose a reaction from the list to the left. Any one will do.");
    pickRow(3);
    pickRow(0); // one row only in this stage
    QCOMPARE(rowColour(0), runtime::ground());
    click("continueAbtn");
    QVERIFY(shown("genlaw") && enabled("kinput"));
    answer("kinput", "3.40");
    QVERIFY(shown("solvefork") && !shown("kcalc"));
    answer("kinput", "3.54");
    QVERIFY(shown("kcalc"));
    QCOMPARE(texts({"krate", "kconcA", "kordera", "kconcB", "korderb"}), (QStringList{".6111", "[.183]", "1", "[.981]", "2"}));
    // k worked out from the chosen row: .6111 / (.183 x .981^2).
    answer("kinput", "3.46996");
    QCOMPARE(text("atutorlab"), "Good. This is the correct value of k.");
    click("continueAbtn");

    // All right: complete, unselected, and Submit refuses until a new choice.
    click("submitbtn");
    QCOMPARE(texts({"probcomplete_0", "numattempts_0"}), (QStringList{"Yes", "4"}));
    QVERIFY(!get<QRadioButton>("problem_0")->isChecked());
    click("submitbtn");
    QCOMPARE(text("numattempts_0"), "4");
    QCOMPARE(boxes.texts().mid(3), (QStringList{"Problem Complete.", "Please choose a Problem to solve."}));
    QVERIFY(boxes.problems().isEmpty());

    // The completed slot chosen again: a new problem, "Yes" and the count stay.
    pushKnownProblem(m_draws);
    click("problem_0");
    submit("0", "2", "3.47");
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
    type("orderBinput", "2");
    QTest::keyClick(get("orderBinput"), Qt::Key_Return);
    settle();
    type("kinput", "0,5");
    click("submitbtn");
    QCOMPARE(boxes.texts(), (QStringList{"No calculator program was found on this computer.", "Please fill in all three answers.",
                                         "Please type numbers with a decimal point, not a comma: 0.5, not 0,5."}));
    QCOMPARE(text("numattempts_0"), "0");
    // A blank is an answer; then, locked for the tutoring, Enter grades nothing.
    type("kinput", " ");
    QTest::keyClick(get("kinput"), Qt::Key_Return);
    settle();
    QVERIFY(shown("orderAtutor") && !enabled("submitbtn"));
    QTest::keyClick(get("orderAinput"), Qt::Key_Return);
    settle();
    QCOMPARE(text("numattempts_0"), "1");

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
