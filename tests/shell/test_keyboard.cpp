// SPDX-License-Identifier: GPL-3.0-or-later
// A student who works with the keyboard alone: Tab and Shift+Tab to move,
// Space or Enter to press, arrows for the option groups, Alt+D for the
// difficulty menu.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <deque>

using namespace testing;

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void opensEveryModuleAndExplanation_data();
    void opensEveryModuleAndExplanation();
    void choosesDifficultyFromTheMenu();
    void selectsTableRowsAndWorksAStage();
    void choosesProblemsWithTheArrows();
    void writesARateLaw();

private:
    runtime::Form *showStart();
    // Presses Tab until the named control has the focus.
    bool tabTo(runtime::Form *form, const QString &name);
};

void TestKeyboard::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

runtime::Form *TestKeyboard::showStart()
{
    unloadAll();
    runtime::Form *start = runtime::showForm(QStringLiteral("ratestart"));
    start->activateWindow();
    settle();
    return start;
}

bool TestKeyboard::tabTo(runtime::Form *form, const QString &name)
{
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        return false;
    for (int i = 0; i < 80; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus->objectName() == name)
            return true;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Tab);
    }
    return false;
}

void TestKeyboard::opensEveryModuleAndExplanation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("explanation");
    QTest::newRow("initial rates") << "btninitialrates" << "ratetutor" << "approachform";
    QTest::newRow("graphical") << "btngraphicalmethod" << "ratetutor2" << "approachform2";
    QTest::newRow("writing") << "btnwritingratelaws" << "writingratelaws" << "";
}

void TestKeyboard::opensEveryModuleAndExplanation()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, explanation);
    MessageBoxes boxes;
    runtime::Form *start = showStart();
    QVERIFY(tabTo(start, button));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    settle();
    QCOMPARE(visibleScreens(), QStringList{screen});
    if (explanation.isEmpty())
        return;
    runtime::Form *tutor = runtime::loadedForm(screen);
    QVERIFY(tabTo(tutor, QStringLiteral("approach")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    QCOMPARE(visibleScreens(), QStringList{explanation});
    runtime::Form *page = runtime::loadedForm(explanation);
    QVERIFY(tabTo(page, QStringLiteral("btnreturn")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    settle();
    QCOMPARE(visibleScreens(), QStringList{screen});
}

void TestKeyboard::choosesDifficultyFromTheMenu()
{
    MessageBoxes boxes;
    runtime::Form *start = showStart();
    QVERIFY(tabTo(start, QStringLiteral("btninitialrates")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    runtime::Form *tutor = runtime::loadedForm(QStringLiteral("ratetutor"));
    tutor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(tutor));
    auto *menu = tutor->findChild<QMenu *>(QStringLiteral("mnudifficulty"));
    QVERIFY(menu);
    QTest::keyClick(tutor, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    // Down to "Difficult", the third item.
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    settle();
    QVERIFY(!menu->isVisible());
    QVERIFY(tutor->findChild<QAction *>(QStringLiteral("mnudifficult"))->isChecked());
    QVERIFY(!tutor->findChild<QAction *>(QStringLiteral("mnueasy"))->isChecked());
}

void TestKeyboard::selectsTableRowsAndWorksAStage()
{
    // Orders 1 and 2, k 3.47; trials 0 and 1 share [B].
    auto draws = std::make_shared<std::deque<float>>(std::deque<float>{
        0.5f, 0.9f, 0.347f, 0.405f, 0.645f, 0.784f, 0.472f, 0.183f, 0.981f, 0.0f, 0.5f, 0.5f, 0.9f, 0.0f, 0.3f});
    runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    MessageBoxes boxes;
    runtime::Form *tutor = runtime::showForm(QStringLiteral("ratetutor"));
    settle();
    runtime::setRandomFactory({});

    for (const char *box : {"kinput", "orderAinput", "orderBinput"}) {
        QVERIFY(tabTo(tutor, QString::fromLatin1(box)));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    QCOMPARE(tutor->findChild<QLabel *>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QVERIFY(tutor->findChild<QWidget *>(QStringLiteral("orderAtutor"))->isVisible());

    // Rows are chosen with Space and dropped with Space again.
    const QString grey = QColor(200, 200, 200).name();
    auto rowColour = [tutor](int i) {
        return tutor->findChild<runtime::LabelButton *>(QStringLiteral("Trial_%1").arg(i))->backgroundColor().name();
    };
    QVERIFY(tabTo(tutor, QStringLiteral("Trial_0")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(rowColour(0), grey);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(rowColour(0) != grey);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(tabTo(tutor, QStringLiteral("Trial_1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(rowColour(1), grey);

    QVERIFY(tabTo(tutor, QStringLiteral("continueAbtn")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    QVERIFY(boxes.texts().isEmpty());
    QVERIFY(tutor->findChild<QLineEdit *>(QStringLiteral("orderAinput"))->isEnabled());
}

void TestKeyboard::choosesProblemsWithTheArrows()
{
    MessageBoxes boxes;
    runtime::Form *tutor = runtime::showForm(QStringLiteral("ratetutor2"));
    settle();
    QVERIFY(tabTo(tutor, QStringLiteral("problem_0")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    settle();
    QVERIFY(tutor->findChild<QRadioButton *>(QStringLiteral("problem_1"))->isChecked());
}

void TestKeyboard::writesARateLaw()
{
    MessageBoxes boxes;
    runtime::Form *screen = runtime::showForm(QStringLiteral("writingratelaws"));
    settle();
    QVERIFY(tabTo(screen, QStringLiteral("problemnumber_0")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // to the second reaction
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    settle();
    QVERIFY(screen->findChild<QRadioButton *>(QStringLiteral("problemnumber_1"))->isChecked());
    QVERIFY(tabTo(screen, QStringLiteral("answer")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    auto *report = screen->findChild<QLabel *>(QStringLiteral("report"));
    QVERIFY(report->isVisible());
    QCOMPARE(report->text(), QStringLiteral("Correct"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
