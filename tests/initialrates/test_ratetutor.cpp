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
#include <QLabel>
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
    void controlsAtTheirDesignPositions_data();
    void controlsAtTheirDesignPositions();
    void opensOnProblemOneWithItsTable();
    void difficultyTakesEffectAtTheNextChoice();
    void wholeProblemThroughTheScreen();
    void refusalsAndLockedEnterCountNoAttempt();
    void lastTwoSlotsHaveNoTutoring();
    void calculatorMessages_data();
    void calculatorMessages();

private:
    void open();
    template<typename T = QWidget>
    T *get(const QString &name);
    // The caption of a label or button, or the contents of a text box.
    QString text(const QString &name) { return get(name)->property("text").toString(); }
    QStringList texts(const QStringList &names);
    bool shown(const QString &name) { return get(name)->isVisible(); }
    bool enabled(const QString &name) { return get(name)->isEnabled(); }
    QColor rowColour(int trial) { return get<runtime::LabelButton>(QStringLiteral("Trial_%1").arg(trial))->backgroundColor(); }
    // The right edge of a label plus a gap, in pixels.
    int rightOf(const QString &name, int gap) { return get(name)->geometry().right() + 1 + gap; }
    void click(const QString &name);
    void type(const QString &box, const QString &text);
    void submit(const QString &orderA, const QString &orderB, const QString &k);
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
}

void TestRateTutor::open()
{
    m_form = runtime::showForm("ratetutor");
    settle();
}

template<typename T>
T *TestRateTutor::get(const QString &name)
{
    T *widget = m_form->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

QStringList TestRateTutor::texts(const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result.append(text(name));
    return result;
}

void TestRateTutor::click(const QString &name)
{
    QWidget *widget = get(name);
    QVERIFY2(widget->isVisible(), qPrintable(name));
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    settle();
}

void TestRateTutor::type(const QString &box, const QString &text)
{
    auto *edit = get<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void TestRateTutor::submit(const QString &orderA, const QString &orderB, const QString &k)
{
    type("orderAinput", orderA);
    type("orderBinput", orderB);
    type("kinput", k);
    click("submitbtn");
}

void TestRateTutor::controlsAtTheirDesignPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    const auto row = [](const char *name, const char *kind, int l, int t, int w, int h, const char *text = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind) << runtime::twipsRect(l, t, w, h)
                            << QString::fromLatin1(text);
    };
    row("Picture1", "pictures::Picture", 120, 120, 2355, 180);
    row("Image1", "pictures::Picture", 3120, 0, 3570, 300);
    row("calculator", "runtime::LabelButton", 6960, 0, 975, 255, "Calculator");
    row("approach", "runtime::LabelButton", 8040, 0, 1455, 255, "Approach");
    row("problem_0", "QRadioButton", 240, 840, 1455, 255, "Problem 1");
    row("problem_5", "QRadioButton", 240, 2640, 1455, 255, "Problem 6");
    row("probcomplete_3", "QLabel", 1920, 1920, 375, 255, "No");
    row("numattempts_2", "QLabel", 3120, 1560, 375, 255, "0");
    row("directions1", "QLabel", 240, 3120, 4215, 855);
    row("kinput", "QLineEdit", 6240, 1320, 945, 345);
    row("orderAinput", "QLineEdit", 7560, 1080, 495, 375);
    row("orderBinput", "QLineEdit", 8520, 1080, 495, 375);
    row("responseframe", "QGroupBox", 5040, 1800, 3015, 1095);
    row("submitbtn", "runtime::LabelButton", 8160, 1920, 975, 255, "Submit");
    row("workbelow", "QLabel", 8160, 2280, 1215, 615, "Work in the tutoring area below.");
    row("orderAtutor", "runtime::PictureBox", 5160, 3000, 4095, 3390);
    row("lblnotutor", "QLabel", 5760, 3100, 3135, 1095,
        "No tutoring available for last two problems. Use the first four problems as a guide to how to solve these problems.");
    row("Label15", "QLabel", 30, 30, 3330, 240);
    row("atutorlab", "QLabel", 30, 360, 3975, 735);
    row("genlaw", "pictures::Picture", 120, 900, 2100, 315);
    row("fullmathA", "runtime::PictureBox", 120, 1080, 3135, 1455);
    row("solvefork", "pictures::Picture", 120, 1430, 1905, 585);
    row("kcalc", "runtime::PictureBox", 15, 2160, 3015, 735);
    row("eqimage", "pictures::Picture", 240, 2520, 2205, 855);
    row("continueAbtn", "runtime::LabelButton", 3120, 3000, 855, 255, "continue");
    row("Line1", "runtime::LineControl", 120, 4440, 4440, 15);
    row("Line2", "runtime::LineControl", 4920, 360, 15, 6180);
    row("Line3", "runtime::LineControl", 4920, 360, 4560, 15);
}

void TestRateTutor::controlsAtTheirDesignPositions()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    open();
    QWidget *widget = get(name);
    QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
    QCOMPARE(widget->geometry(), place);
    if (auto *button = qobject_cast<runtime::LabelButton *>(widget))
        QCOMPARE(button->caption(), text);
    else if (!text.isEmpty())
        QCOMPARE(this->text(name), text);
    QCOMPARE(widget->window(), m_form);
}

void TestRateTutor::opensOnProblemOneWithItsTable()
{
    open();
    QVERIFY(get<QRadioButton>("problem_0")->isChecked());
    for (const char *hidden : {"responseframe", "workbelow", "lblnotutor", "orderAtutor"})
        QVERIFY2(!shown(hidden), hidden);
    // The client area keeps its full design size below the menu bar.
    QWidget *client = get("directions1")->parentWidget();
    QCOMPARE(client->size(), QSize(runtime::toPixels(9480), runtime::toPixels(6870)));
    QVERIFY(client->y() > 0);
    QCOMPARE(m_form->height(), client->y() + client->height());

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
    pickRow(1);
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(1), runtime::ground());
    QCOMPARE(rowColour(2), runtime::ground());
}

void TestRateTutor::difficultyTakesEffectAtTheNextChoice()
{
    open();
    auto *menu = get<QMenu>("mnudifficulty");
    QCOMPARE(menu->title(), "&Difficulty");
    QStringList items;
    for (QAction *action : menu->actions())
        items << action->objectName() + u'=' + action->text() + (action->isChecked() ? u'*' : u' ');
    QCOMPARE(items, (QStringList{"mnueasy=Relatively Easy*", "mnumoderate=Moderately Difficult ", "mnudifficult=Difficult "}));

    menu->actions().last()->trigger();
    QVERIFY(menu->actions().last()->isChecked() && !menu->actions().first()->isChecked());
    QCOMPARE(text("labconcA_1"), " .81");
    // The next choice draws once more (0.1 halves the order in A) and no longer doubles.
    pushKnownProblem(m_draws, {0.1f});
    click("problem_2");
    QCOMPARE(texts({"labconcA_1", "Labrate_0"}), (QStringList{" .784", " .9187"}));
    QVERIFY(m_draws->empty());
}

void TestRateTutor::wholeProblemThroughTheScreen()
{
    MessageBoxes boxes;
    open();
    // The order in A wrong, B wrong, k right: the stage for A only.
    submit("2", "1", "3.5");
    QCOMPARE(texts({"numattempts_0", "Aresponse", "Bresponse", "kresponse", "Label15"}),
             (QStringList{"1", "Incorrect order with respect to A.", "Incorrect order with respect to B.",
                          "Correct rate constant.", "Determining Order with Respect to [A]"}));
    QVERIFY(shown("responseframe") && shown("workbelow") && shown("orderAtutor"));
    for (const char *locked : {"submitbtn", "kinput", "orderAinput", "orderBinput"})
        QVERIFY2(!enabled(locked), locked);

    // A wrong pair, then the right pair picked through value labels.
    pickRow(0);
    pickRow(2, "Labrate");
    QCOMPARE(rowColour(2), runtime::grey());
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(0), "Choose two reactions that have equal [B].");
    pickRow(2, "LabconcB");
    QCOMPARE(rowColour(2), runtime::ground());
    // A double click on a row selects it once, not twice (which would leave it unselected).
    doubleClick(get("labconcA_1"));
    QCOMPARE(rowColour(1), runtime::grey());
    // A click on the slot already selected loses no work.
    click("problem_0");
    QCOMPARE(texts({"Label15", "labconcA_1"}), (QStringList{"Determining Order with Respect to [A]", " .81"}));
    // One double click on continue takes one step: the choice, not also the answer.
    doubleClick(get("continueAbtn"));
    QVERIFY(shown("eqimage") && enabled("orderAinput") && !enabled("orderBinput"));
    QCOMPARE(boxes.texts().size(), 1);

    // A wrong order opens the worked math; exponents sit 30 twips right of what they raise.
    answer("orderAinput", "3");
    QVERIFY(shown("fullmathA") && !shown("loglab"));
    QCOMPARE(texts({"ratesel1", "ratesel2", "a1", "a2", "raterat"}),
             (QStringList{".5846", "1.169", ".405", ".81", " .5000855 = .5"}));
    QCOMPARE(get("orderlab1")->x(), rightOf("a1", 2));
    QCOMPARE(get("orderlab2")->x(), rightOf("raterat", 2));
    QCOMPARE(get("orderlab1")->x(), rightOf("Line5", 0));

    // The explanation and back, in the middle of the stage.
    click("approach");
    QCOMPARE(visibleScreens(), QStringList{"approachform"});
    QTest::mouseClick(runtime::loadedForm("approachform")->findChild<QWidget *>("btnreturn"), Qt::LeftButton);
    settle();
    QCOMPARE(visibleScreens(), QStringList{"ratetutor"});
    QVERIFY(shown("fullmathA"));
    QCOMPARE(text("atutorlab"), "This is not correct. Here is more detail on how the math works.");
    QCOMPARE(rowColour(1), runtime::grey());

    // Unchanged, then another wrong order: the log line; then the right one.
    click("continueAbtn");
    QCOMPARE(boxes.texts().value(1), "This is the same answer as before. Please input a new answer.");
    QVERIFY(!shown("loglab"));
    answer("orderAinput", "2");
    QVERIFY(shown("loglab"));
    QCOMPARE(text("loglab"), "log(.5000855) = order x log(.5)");
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
    QCOMPARE(get("kcalc")->y(), runtime::toPixels(1940));
    QCOMPARE(texts({"krate", "kconcA", "kordera", "kconcB", "korderb"}), (QStringList{".6111", "[.183]", "1", "[.981]", "2"}));
    // Each piece of the rate law follows the one before, 15 twips apart.
    QCOMPARE(get("kordera")->x(), rightOf("kconcA", 1));
    QCOMPARE(get("kconcB")->x(), rightOf("kordera", 1));
    QCOMPARE(get("korderb")->x(), rightOf("kconcB", 1));
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
    QVERIFY(get<QRadioButton>("problem_0")->isChecked());
    QVERIFY(text("kinput").isEmpty());
    submit("0", "2", "3.47");
    QCOMPARE(texts({"probcomplete_0", "numattempts_0"}), (QStringList{"Yes", "5"}));
}

void TestRateTutor::refusalsAndLockedEnterCountNoAttempt()
{
    MessageBoxes boxes;
    open();
    // Enter submits while Submit is enabled; an empty box is refused.
    type("orderAinput", "1");
    type("kinput", "3");
    QTest::keyClick(get("kinput"), Qt::Key_Return);
    settle();
    QCOMPARE(boxes.texts(), QStringList{"Please fill in all three answers."});
    QCOMPARE(text("numattempts_0"), "0");
    QVERIFY(!shown("responseframe"));
    // A blank is an answer.
    type("orderBinput", " ");
    QTest::keyClick(get("orderBinput"), Qt::Key_Return);
    settle();
    QCOMPARE(text("numattempts_0"), "1");
    QVERIFY(shown("orderAtutor") && !enabled("submitbtn"));
    // Locked for the tutoring: Enter grades nothing.
    QTest::keyClick(get("kinput"), Qt::Key_Return);
    settle();
    QCOMPARE(text("numattempts_0"), "1");
    QCOMPARE(boxes.texts().size(), 1);
}

void TestRateTutor::lastTwoSlotsHaveNoTutoring()
{
    MessageBoxes boxes;
    open();
    pushKnownProblem(m_draws);
    click("problem_4");
    // A double click on Submit is one attempt.
    type("orderAinput", "1");
    type("orderBinput", "1");
    type("kinput", "3.47");
    doubleClick(get("submitbtn"));
    QVERIFY(shown("lblnotutor") && !shown("orderAtutor"));
    QVERIFY(enabled("submitbtn") && enabled("orderBinput"));
    QCOMPARE(texts({"numattempts_4", "numattempts_0"}), (QStringList{"1", "0"}));
    type("orderBinput", "2");
    click("submitbtn");
    QCOMPARE(boxes.texts(), QStringList{"Problem Complete."});
    QCOMPARE(text("probcomplete_4"), "Yes");
    // The note stays until the next choice.
    QVERIFY(shown("lblnotutor"));
    pushKnownProblem(m_draws);
    click("problem_5");
    QVERIFY(!shown("lblnotutor"));
}


void TestRateTutor::calculatorMessages_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("none found") << false << QStringList{"No calculator program was found on this computer."};
    // The second program of the list, so that the search goes past the first.
    QTest::newRow("kcalc started") << true << QStringList{};
}

void TestRateTutor::calculatorMessages()
{
    QFETCH(bool, installed);
    QFETCH(QStringList, messages);
    QTemporaryDir bin;
    const QString marker = bin.filePath("started");
    if (installed) {
        QFile program(bin.filePath("kcalc"));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(QStringLiteral("#!/bin/sh\necho yes > '%1'\n").arg(marker).toUtf8());
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()));
    MessageBoxes boxes;
    open();
    click("calculator");
    qputenv("PATH", path);
    if (installed)
        QTRY_VERIFY(QFile::exists(marker));
    QCOMPARE(boxes.texts(), messages);
    QCOMPARE(visibleScreens(), QStringList{"ratetutor"});
}

QTEST_MAIN(TestRateTutor)
#include "test_ratetutor.moc"
