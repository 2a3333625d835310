// SPDX-License-Identifier: GPL-3.0-or-later
// The graphical-method screen, worked with the mouse and Enter, and with
// the keyboard alone as a screen-reader user would.
#include "driver.h"
#include "messageboxes.h"
#include "runtime/controls.h"
#include "runtime/labelbutton.h"
#include "runtime/picturebox.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace testing;
using Shape = runtime::PictureBox::Shape;

class TestRateTutor2 : public QObject, ScreenDriver
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void worksAProblemOfEachOrder_data();
    void worksAProblemOfEachOrder();
    void tutorsTheOrderByKeyboard();

private:
    // Opens the screen on a problem from these draws; later ones are first
    // order, k .58, [A]0 .85.
    void open(const QList<float> &draws)
    {
        m_script->assign(draws.begin(), draws.end());
        for (int i = 0; i < 20; ++i)
            m_script->insert(m_script->end(), {0.5f, 0.85f, 0.3f});
        m_form = runtime::showForm(QStringLiteral("ratetutor2"));
        settle();
    }
    void plot(int type, bool fit = false)
    {
        click(QStringLiteral("plottype_%1").arg(type));
        click("plotbtn");
        if (fit)
            click("lstsquares");
    }
    const std::vector<Shape> &shapes() const { return get<runtime::PictureBox>("plot")->shapes(); }

    runtime::ScriptedRandom::Script m_script{std::make_shared<std::deque<float>>()};
};

void TestRateTutor2::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    runtime::setRandomFactory([this] { return std::make_unique<runtime::ScriptedRandom>(m_script); });
}

void TestRateTutor2::worksAProblemOfEachOrder_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("order");
    // The fit of the straight plot, worked in double and shown single: exact
    // zero-order data reads as exact numbers.
    QTest::addColumn<QString>("slope");
    QTest::addColumn<QString>("intercept");
    QTest::newRow("zero order, [A] plot") << QList<float>{0.1f, 0.701f, 0.5f} << 0 << "-.049" << ".7009";
    QTest::newRow("first order, ln[A] plot") << QList<float>{0.5f, 0.85f, 0.3f} << 1 << "-.5803995" << "-.1621861";
    QTest::newRow("second order, 1/[A] plot") << QList<float>{0.9f, 0.75f, 0.6f} << 2 << "7.629839" << "1.279557";
}

// A problem of each order from the first plot to "Problem complete.", by
// way of the k tutoring; then a slot without tutoring.
void TestRateTutor2::worksAProblemOfEachOrder()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, order);
    QFETCH(QString, slope);
    QFETCH(QString, intercept);
    open(draws);
    MessageBoxes boxes;
    click("plotbtn"); // no type chosen

    // The other two plots, fitted, then the straight one: nine points inside
    // the margins, y growing upwards; only 1/[A] rises.
    plot((order + 1) % 3, true);
    plot((order + 2) % 3, true);
    plot(order);
    const auto *chosen = get<runtime::LabelButton>(QStringLiteral("plottype_%1").arg(order));
    QVERIFY(chosen->backgroundColor() == runtime::grey() && shown(QStringLiteral("ylabel_%1").arg(order)));
    QCOMPARE(int(shapes().size()), 9);
    for (int t = 0; t < 9; ++t)
        QVERIFY(qAbs(shapes()[t].a.x() - t / 9.0) < 1e-9 && shapes()[t].a.y() > 0.0 && shapes()[t].a.y() < 1.0);
    QCOMPARE(shapes()[8].a.y() < shapes()[0].a.y(), order == 2);

    // The fitted line runs through the points, across the whole box.
    click("lstsquares");
    const Shape line = shapes().back();
    QVERIFY(line.a.x() == 0.0 && line.b.x() == 1.0 && qAbs(line.a.y() - shapes()[0].a.y()) < 0.01
            && qAbs(line.a.y() + (line.b.y() - line.a.y()) * 8 / 9 - shapes()[8].a.y()) < 0.01);
    QCOMPARE(text("labslope") + text("labintercept"), "Slope: " + slope + "Intercept: " + intercept);
    click(QStringLiteral("plottype_%1").arg(order));
    QVERIFY(shapes().empty() && !shown("labslope"));

    // Both answers are needed; Enter submits. The right order with a wrong k
    // starts the k tutoring, which locks the answers.
    type("orderAinput", QString::number(order));
    click("submitbtn");
    type("kinput", "1e40", true);
    QCOMPARE(text("numattempts_0") + text("tutortitle"), QStringLiteral("1Determining the Rate Constant, k."));
    QVERIFY(shown("tutorbox") && shown("workbelow") && !enabled("submitbtn") && !enabled("kinput"));
    plot(order);
    click("continueAbtn");
    QVERIFY(enabled("kinput") && !enabled("orderAinput"));
    type("kinput", "0.1");
    click("continueAbtn");
    // A fit counts only for the plot it was made on.
    click("lstsquares");
    plot(order);
    type("kinput", QString(slope).remove(u'-')); // the slope read off the screen is k
    click("continueAbtn");
    click("lstsquares");
    type("kinput", QString(slope).remove(u'-') + u'0'); // the refused value was kept: a new one
    click("continueAbtn");
    QCOMPARE(text("atutorlab"), QStringLiteral("Good. This is the correct value of k."));
    click("continueAbtn");
    QVERIFY(!shown("tutorbox") && shapes().empty() && enabled("orderAinput") && enabled("submitbtn"));

    // Solved at the second attempt; a solved problem is not graded again.
    type("kinput", QString(slope).remove(u'-'), true);
    click("submitbtn");
    QCOMPARE(boxes.texts(), (QStringList{"Select one of the plot types below.", "Please fill in both answers.",
                                         "Get the least squares information by clicking on lst. squares button.",
                                         "Problem complete.", "Please choose a Problem to solve."}));
    QCOMPARE(text("Aresponse") + text("kresponse") + text("probcomplete_0") + text("numattempts_0"),
             QStringLiteral("Correct order.Correct k.Yes2"));
    QVERIFY(!get<QRadioButton>("problem_0")->isChecked());

    // The same slot again: a new problem with no plot to fit; the slot's marks stay.
    click("problem_0");
    click("lstsquares");
    QCOMPARE(boxes.texts().last(), QStringLiteral("No graph made."));
    QCOMPARE(text("labconcA_1") + text("probcomplete_0") + text("numattempts_0"), QStringLiteral(" .4759Yes2"));
    QVERIFY(get<QLineEdit>("kinput")->text().isEmpty() && text("Aresponse").isEmpty() && shapes().empty());

    // Problem 5 grades without tutoring; a decimal comma grades nothing.
    click("problem_4");
    type("orderAinput", "2");
    type("kinput", "0,58");
    click("submitbtn");
    QVERIFY(boxes.texts().last().contains("decimal point") && text("numattempts_4") == "0");
    type("kinput", "1e40");
    click("submitbtn");
    QCOMPARE(text("Aresponse") + text("kresponse"), QStringLiteral("Incorrect order.Incorrect k."));
    QVERIFY(text("numattempts_4") == "1" && shown("lblnotutor") && !shown("tutorbox") && enabled("submitbtn"));
}

// A first-order problem answered with the wrong order, and its tutoring,
// with Tab, the arrows, Space, Enter and the Alt mnemonics alone; the plot
// types say whether they are chosen and the plot says what it shows.
void TestRateTutor2::tutorsTheOrderByKeyboard()
{
    open({});
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    // The arrows move within the problems and choose one, new each time.
    get("problem_0")->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    QVERIFY(get<QRadioButton>("problem_0")->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), "kinput");
    type("kinput", "0.58");
    type("orderAinput", "2", true);
    QCOMPARE(text("numattempts_0") + text("tutortitle"), "1Determining Reaction Order.");
    QCOMPARE(focusName(), "tutorbox");

    // Back to the plot types, [A]; Alt+P plots, Alt+L fits, and the plot
    // says its points and its line.
    press(Qt::Key_Backtab);
    QCOMPARE(focusName(), "plottype_2");
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    QVERIFY(of("plottype_0")->state().checkable && !of("plottype_0")->state().checked);
    press(Qt::Key_Space);
    QVERIFY(of("plottype_0")->state().checked && of("plottype_0")->state().selected);
    press(Qt::Key_P, Qt::AltModifier);
    const QString points = of("plot")->text(QAccessible::Description);
    QVERIFY2(points.startsWith(u"[A] vs. time, points at 0 to 8 minutes: (0, 0.85), (1, "), qPrintable(points));
    QVERIFY2(points.contains(u"(8, 0.0082)") && !points.contains(u"line"), qPrintable(points));
    press(Qt::Key_L, Qt::AltModifier);
    const QString fitted = of("plot")->text(QAccessible::Description);
    QVERIFY2(fitted.startsWith(points) && fitted.contains(u"Least-squares line: slope -0."), qPrintable(fitted));

    // Choosing ln[A] clears the plot and what it says; Alt+C goes on.
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QVERIFY(!of("plottype_0")->state().checked && of("plot")->text(QAccessible::Description).isEmpty());
    press(Qt::Key_P, Qt::AltModifier);
    press(Qt::Key_L, Qt::AltModifier);
    QVERIFY(shown("labslope"));
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(focusName(), "orderAinput");

    // Enter goes on: a wrong order shows the table, the right one ends the
    // tutoring and hands the focus back to the answers.
    type("orderAinput", "0", true);
    QVERIFY(shown("ordertable"));
    type("orderAinput", "1", true);
    QCOMPARE(text("atutorlab"), "Good. This is the correct order for A.");
    QVERIFY(!shown("ordertable"));
    press(Qt::Key_Return);
    // The plot is cleared, and so is what it told the screen reader.
    QVERIFY(!shown("tutorbox") && of("plot")->text(QAccessible::Description).isEmpty());
    QCOMPARE(focusName(), "orderAinput");
}

QTEST_MAIN(TestRateTutor2)
#include "test_ratetutor2.moc"
