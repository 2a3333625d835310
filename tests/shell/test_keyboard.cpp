// SPDX-License-Identifier: GPL-3.0-or-later
// A student who works with the keyboard alone (Tab and Shift+Tab to move,
// Space or Enter to press, Alt and the underlined letter, arrows for the
// option groups), and the program as a desktop expects it: F1, Escape,
// Ctrl+W, Ctrl+Q and a command line that answers without a display.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"
#include "tests/initialrates/scripted.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

using namespace testing;

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void desktopKeysMoveBetweenScreens_data();
    void desktopKeysMoveBetweenScreens();
    void choosesDifficultyFromTheMenu();
    void worksAnInitialRatesProblemAndItsTutoring();
    void worksAGraphicalProblemAndItsTutoring();
    void writesARateLaw();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();

private:
    runtime::Form *show(const QString &screen);
    // Presses Tab until the named control has the focus.
    bool tabTo(runtime::Form *form, const QString &name);
    // A dismissed message box hands the window its activation back, as
    // the desktop does.
    void reactivate();
    QString focusName();
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Replaces the focused box's text, keys only.
    void retype(const QString &text);
    template<typename T = QWidget>
    T *get(const QString &name) const
    {
        return m_form->findChild<T *>(name);
    }

    QPointer<runtime::Form> m_form;
};

void TestKeyboard::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

runtime::Form *TestKeyboard::show(const QString &screen)
{
    unloadAll();
    m_form = runtime::showForm(screen);
    m_form->activateWindow();
    settle();
    return m_form;
}

bool TestKeyboard::tabTo(runtime::Form *form, const QString &name)
{
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        return false;
    for (int i = 0; i < 80; ++i) {
        if (focusName() == name)
            return true;
        press(Qt::Key_Tab);
    }
    return false;
}

void TestKeyboard::reactivate()
{
    if (m_form && m_form->isVisible() && !QApplication::activeWindow()) {
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
}

QString TestKeyboard::focusName()
{
    reactivate();
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void TestKeyboard::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    reactivate();
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
    // A button's mnemonic presses it the way a click looks: down, then up
    // a moment later.
    if (modifiers & Qt::AltModifier)
        QTest::qWait(150);
    settle();
}

void TestKeyboard::retype(const QString &text)
{
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void TestKeyboard::desktopKeysMoveBetweenScreens_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("explanation");
    QTest::newRow("initial rates") << "btninitialrates" << "ratetutor" << "approachform";
    QTest::newRow("graphical") << "btngraphicalmethod" << "ratetutor2" << "approachform2";
    QTest::newRow("writing") << "btnwritingratelaws" << "writingratelaws" << "";
}

void TestKeyboard::desktopKeysMoveBetweenScreens()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, explanation);
    MessageBoxes boxes;
    QVERIFY(tabTo(show(QStringLiteral("ratestart")), button));
    press(Qt::Key_Space);
    QCOMPARE(visibleScreens(), QStringList{screen});
    runtime::Form *module = runtime::loadedForm(screen);
    module->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(module));
    if (!explanation.isEmpty()) {
        // F1 opens the method's page; Escape comes back, as Return does.
        press(Qt::Key_F1);
        QCOMPARE(visibleScreens(), QStringList{explanation});
        press(Qt::Key_Escape);
        QCOMPARE(visibleScreens(), QStringList{screen});
        // Ctrl+W on the page is Return too.
        press(Qt::Key_F1);
        press(Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(visibleScreens(), QStringList{screen});
        QCOMPARE(loadedScreens(), QStringList{screen});
    }
    // Ctrl+W closes the module as its close button does.
    press(Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(visibleScreens(), QStringList{"ratestart"});
    QCOMPARE(loadedScreens(), QStringList{"ratestart"});

    // Ctrl+Q ends everything, even behind an explanation page, bringing
    // no screen back.
    runtime::Form *start = runtime::loadedForm(QStringLiteral("ratestart"));
    runtime::showForm(screen);
    runtime::unloadForm(start);
    settle();
    if (!explanation.isEmpty()) {
        runtime::openExplanation(runtime::loadedForm(screen), explanation);
        settle();
    }
    QWidget *front = runtime::loadedForm(explanation.isEmpty() ? screen : explanation);
    front->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(front));
    press(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(visibleScreens(), QStringList{});
    QCOMPARE(loadedScreens(), QStringList{});
    QVERIFY(boxes.texts().isEmpty());
}

void TestKeyboard::choosesDifficultyFromTheMenu()
{
    MessageBoxes boxes;
    QVERIFY(tabTo(show(QStringLiteral("ratestart")), QStringLiteral("btninitialrates")));
    press(Qt::Key_Return);
    m_form = runtime::loadedForm(QStringLiteral("ratetutor"));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    auto *menu = get<QMenu>(QStringLiteral("mnudifficulty"));
    QTest::keyClick(m_form, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    // Down to "Difficult", the third item.
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    settle();
    QVERIFY(!menu->isVisible());
    QVERIFY(get<QAction>(QStringLiteral("mnudifficult"))->isChecked());
    QVERIFY(!get<QAction>(QStringLiteral("mnueasy"))->isChecked());
}

void TestKeyboard::worksAnInitialRatesProblemAndItsTutoring()
{
    // Orders 1 and 2, k 3.47; from the top the rows show trials 0, 3, 1, 2,
    // and trials 0 and 1 share [B].
    const runtime::ScriptedRandom::Script draws = script({});
    pushKnownProblem(draws);
    runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    MessageBoxes boxes;
    show(QStringLiteral("ratetutor"));
    runtime::setRandomFactory({});

    // Outside tutoring Tab runs along the top, down the problems and on to
    // the answers: the rows, which cannot be chosen yet, are passed by.
    QVERIFY(tabTo(m_form, QStringLiteral("calculator")));
    QStringList stops{focusName()};
    for (int i = 0; i < 6; ++i) {
        press(Qt::Key_Tab);
        stops << focusName();
    }
    QCOMPARE(stops, (QStringList{"calculator", "approach", "problem_0", "kinput", "orderAinput", "orderBinput",
                                 "submitbtn"}));

    // Wrong in A; Enter submits from any box.
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3.47"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    // The focus goes to the tutoring area, not back round to the top.
    QCOMPARE(focusName(), QStringLiteral("orderAtutor"));

    // Now the rows are stops, in the order the screen shows them.
    stops.clear();
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Backtab);
        stops.prepend(focusName());
    }
    QCOMPARE(stops, (QStringList{"Trial_0", "Trial_3", "Trial_1", "Trial_2"}));

    // "continue" with no rows chosen is refused; the focus goes to the first row.
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(boxes.texts(), QStringList{"Choose two reactions that have equal [B]."});
    QCOMPARE(focusName(), QStringLiteral("Trial_0"));
    press(Qt::Key_Space);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("Trial_1"));
    press(Qt::Key_Space);
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));

    // Enter in the box goes on with the stage: a wrong order, another, the right one.
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("fullmathA"))->isVisible());
    retype(QStringLiteral("3"));
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("loglab"))->isVisible());
    retype(QStringLiteral("1"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct order for A."));
    press(Qt::Key_Return);
    QVERIFY(!get(QStringLiteral("orderAtutor"))->isVisible());
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));
    QCOMPARE(get(QStringLiteral("Trial_0"))->focusPolicy(), Qt::NoFocus);

    // Submitted again with Alt+S: complete.
    press(Qt::Key_S, Qt::AltModifier);
    QCOMPARE(boxes.texts().last(), QStringLiteral("Problem Complete."));
    QCOMPARE(get<QLabel>(QStringLiteral("probcomplete_0"))->text(), QStringLiteral("Yes"));
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("2"));
}

void TestKeyboard::worksAGraphicalProblemAndItsTutoring()
{
    // First order, k .58.
    const runtime::ScriptedRandom::Script draws = script({});
    for (int i = 0; i < 4; ++i)
        draws->insert(draws->end(), {0.5f, 0.85f, 0.3f});
    runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    MessageBoxes boxes;
    show(QStringLiteral("ratetutor2"));
    runtime::setRandomFactory({});

    // The arrows choose a problem, which is new each time.
    QVERIFY(tabTo(m_form, QStringLiteral("problem_0")));
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    QVERIFY(get<QRadioButton>(QStringLiteral("problem_0"))->isChecked());

    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("kinput"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.58"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("tutorbox"));
    QCOMPARE(get<QLabel>(QStringLiteral("tutortitle"))->text(), QStringLiteral("Determining Reaction Order."));

    // Back to the plot types, ln[A]; Alt+P plots, Alt+L fits, Alt+C goes on.
    press(Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("plottype_2"));
    press(Qt::Key_Backtab);
    press(Qt::Key_Space);
    press(Qt::Key_P, Qt::AltModifier);
    press(Qt::Key_L, Qt::AltModifier);
    QVERIFY(get(QStringLiteral("labslope"))->isVisible());
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));

    // Enter goes on: a wrong order shows the table, the right one ends it.
    retype(QStringLiteral("0"));
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("ordertable"))->isVisible());
    retype(QStringLiteral("1"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct order for A."));
    press(Qt::Key_Return);
    QVERIFY(!get(QStringLiteral("tutorbox"))->isVisible());
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));
    press(Qt::Key_Return);
    QCOMPARE(boxes.texts(), QStringList{"Problem complete."});
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("2"));
}

void TestKeyboard::writesARateLaw()
{
    MessageBoxes boxes;
    QVERIFY(tabTo(show(QStringLiteral("writingratelaws")), QStringLiteral("problemnumber_0")));
    press(Qt::Key_Down); // to the second reaction
    press(Qt::Key_Space);
    QVERIFY(get<QRadioButton>(QStringLiteral("problemnumber_1"))->isChecked());
    QVERIFY(tabTo(m_form, QStringLiteral("answer")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    press(Qt::Key_Return);
    auto *report = get<QLabel>(QStringLiteral("report"));
    QVERIFY(report->isVisible());
    QCOMPARE(report->text(), QStringLiteral("Correct"));
}

void TestKeyboard::commandLineAnswersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: velomira [options]" << "";
    QTest::newRow("short help") << QStringList{"-h"} << 0 << "--version" << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "velomira 0.1.0" << "";
    QTest::newRow("Qt's option before help") << QStringList{"-style", "fusion", "--help"} << 0 << "Usage:" << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 1 << "" << "Usage: velomira [options]";
    QTest::newRow("stray argument") << QStringList{"file.txt"} << 1 << "" << "unknown option 'file.txt'";
}

void TestKeyboard::commandLineAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELOMIRA_BINARY), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.contains(out), qPrintable(printed));
    QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.contains(err), qPrintable(complained));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
