// SPDX-License-Identifier: GPL-3.0-or-later
// A student who works with the keyboard alone (Tab and Shift+Tab to move,
// Space or Enter to press, Alt and the underlined letter, arrows for the
// option groups) and what a screen reader learns on the way: names,
// selected states, the plot's description and the announced verdicts.
// And a command line that answers without a display.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "runtime/random.h"
#include "screens.h"
#include "shell/screens.h"
#include "tests/initialrates/scripted.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace testing;

namespace {

QAccessibleInterface *of(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget *widget)
{
    return of(widget) ? of(widget)->text(QAccessible::Name) : QString();
}

// Every event sent to screen readers while it lives: which object, what kind.
struct Events {
    Events()
    {
        s_events.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (auto *widget = qobject_cast<QWidget *>(event->object()))
                s_events.append({widget->objectName(), event->type()});
        });
    }
    ~Events() { QAccessible::installUpdateHandler(nullptr); }
    bool has(const QString &name, QAccessible::Event type) const { return s_events.contains({name, type}); }
    static inline QList<QPair<QString, QAccessible::Event>> s_events;
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { unloadAll(); }
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void worksAnInitialRatesProblemAndItsTutoring();
    void worksAGraphicalProblemAndItsTutoring();
    void writesARateLaw();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();

private:
    void show(const QString &screen, const runtime::ScriptedRandom::Script &draws = {});
    // Presses Tab until the named control has the focus.
    bool tabTo(const QString &name);
    QString focusName();
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text, bool replace = false);
    QString description(const QString &name) { return of(get(name))->text(QAccessible::Description); }
    template<typename T = QWidget>
    T *get(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QPointer<runtime::Form> m_form;
};

void TestKeyboard::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
    // As when a screen reader runs, so that events are sent.
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
}

void TestKeyboard::show(const QString &screen, const runtime::ScriptedRandom::Script &draws)
{
    unloadAll();
    if (draws)
        runtime::setRandomFactory([draws] { return std::make_unique<runtime::ScriptedRandom>(draws); });
    m_form = runtime::showForm(screen);
    runtime::setRandomFactory({});
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    settle();
}

bool TestKeyboard::tabTo(const QString &name)
{
    for (int i = 0; i < 80 && focusName() != name; ++i)
        press(Qt::Key_Tab);
    return focusName() == name;
}

QString TestKeyboard::focusName()
{
    // A dismissed message box hands the window its activation back, as the
    // desktop does.
    if (m_form && m_form->isVisible() && !QApplication::activeWindow()) {
        m_form->activateWindow();
        (void)QTest::qWaitForWindowActive(m_form);
    }
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void TestKeyboard::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    focusName();
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
    // A button's mnemonic presses it the way a click looks: down, then up
    // a moment later.
    if (modifiers & Qt::AltModifier)
        QTest::qWait(150);
    settle();
}

void TestKeyboard::type(const QString &text, bool replace)
{
    if (replace)
        press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
}

void TestKeyboard::tabReachesEveryControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::newRow("ratestart") << "ratestart" << "Velomira";
    QTest::newRow("ratetutor") << "ratetutor" << "Method of Initial Rates";
    QTest::newRow("ratetutor2") << "ratetutor2" << "Graphical Method";
    QTest::newRow("writingratelaws") << "writingratelaws" << "Writing Rate Laws";
    QTest::newRow("approachform") << "approachform" << "Method of Initial Rates";
    QTest::newRow("approachform2") << "approachform2" << "Graphical Method";
}

void TestKeyboard::tabReachesEveryControl()
{
    QFETCH(QString, screen);
    QFETCH(QString, title);
    MessageBoxes boxes;
    show(screen);
    QCOMPARE(nameOf(m_form), title);
    // Tab reaches every operable control; an option group is one stop and
    // the arrow keys move within it.
    auto stopOf = [](QWidget *w) -> QObject * {
        auto *option = qobject_cast<QAbstractButton *>(w);
        if (option && option->group())
            return option->group();
        return option && option->autoExclusive() ? option->parentWidget() : w;
    };
    QSet<QObject *> expected, reached;
    for (QWidget *w : m_form->findChildren<QWidget *>()) {
        if (w->isVisibleTo(m_form) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            expected.insert(stopOf(w));
    }
    for (int i = 0; i < expected.size() * 2 + 2; ++i) {
        QTest::keyClick(m_form, Qt::Key_Tab);
        if (QWidget *focus = QApplication::focusWidget(); focus && focus->window() == m_form)
            reached.insert(stopOf(focus));
    }
    for (QObject *stop : expected)
        QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
}

void TestKeyboard::worksAnInitialRatesProblemAndItsTutoring()
{
    // Orders 1 and 2, k 3.47; from the top the rows show trials 0, 3, 1, 2,
    // and trials 0 and 1 share [B].
    const runtime::ScriptedRandom::Script draws = script({});
    pushKnownProblem(draws);
    MessageBoxes boxes;
    show(QStringLiteral("ratetutor"), draws);

    // Each row is one item that says its trial and its values, listed as the
    // screen shows them, with no loose value labels; the cells say what they are.
    auto *row0 = get<runtime::LabelButton>(QStringLiteral("Trial_0"));
    QCOMPARE(nameOf(row0), QStringLiteral("Trial 1: [A] 0.405 mol/L, [B] 0.645 mol/L, rate 0.5846 mol/L-min"));
    QCOMPARE(nameOf(get(QStringLiteral("Trial_3"))),
             QStringLiteral("Trial 2: [A] 0.183 mol/L, [B] 0.981 mol/L, rate 0.6111 mol/L-min"));
    QCOMPARE(of(row0)->childCount(), 0);
    QAccessibleInterface *client = of(row0->parentWidget());
    QStringList rows;
    for (int i = 0; i < client->childCount(); ++i) {
        const QString name = client->child(i)->object()->objectName();
        QVERIFY(!name.startsWith(u"labconcA"));
        if (name.startsWith(u"Trial_"))
            rows << client->child(i)->text(QAccessible::Name).left(7);
    }
    QCOMPARE(rows, (QStringList{"Trial 1", "Trial 2", "Trial 3", "Trial 4"}));
    QCOMPARE(nameOf(get(QStringLiteral("numattempts_2"))), QStringLiteral("Problem 3 attempts: 0"));

    // Outside tutoring Tab runs along the top, down the problems and on to
    // the answers: the rows, which cannot be chosen yet, are passed by.
    QVERIFY(!of(row0)->state().selectable);
    QVERIFY(tabTo(QStringLiteral("calculator")));
    QStringList stops{focusName()};
    for (int i = 0; i < 6; ++i) {
        press(Qt::Key_Tab);
        stops << focusName();
    }
    QCOMPARE(stops, (QStringList{"calculator", "approach", "problem_0", "kinput", "orderAinput", "orderBinput",
                                 "submitbtn"}));

    // Wrong in A; Enter submits from any box. The verdicts and the stage's
    // instruction are announced, and the tutoring area takes the focus.
    Events events;
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Backtab);
    type(QStringLiteral("3.47"));
    press(Qt::Key_Tab);
    type(QStringLiteral("2"));
    press(Qt::Key_Tab);
    type(QStringLiteral("2"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("orderAtutor"));
    QVERIFY(events.has(QStringLiteral("responseframe"), QAccessible::DescriptionChanged));
    QVERIFY(description(QStringLiteral("responseframe")).contains(u"Incorrect order with respect to A."));
    QVERIFY(events.has(QStringLiteral("orderAtutor"), QAccessible::DescriptionChanged));
    QVERIFY(description(QStringLiteral("orderAtutor")).contains(u"Choose two reactions"));
    QCOMPARE(nameOf(get(QStringLiteral("numattempts_0"))), QStringLiteral("Problem 1 attempts: 1"));
    QCOMPARE(nameOf(get(QStringLiteral("probcomplete_0"))), QStringLiteral("Problem 1 complete: No"));

    // Now the rows are stops, in the order the screen shows them.
    stops.clear();
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Backtab);
        stops.prepend(focusName());
    }
    QCOMPARE(stops, (QStringList{"Trial_0", "Trial_3", "Trial_1", "Trial_2"}));

    // "continue" with no rows chosen is refused; the focus goes to the first
    // row. Space chooses a row and says so; again, and it is let go.
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(boxes.texts(), QStringList{"Choose two reactions that have equal [B]."});
    QCOMPARE(focusName(), QStringLiteral("Trial_0"));
    QVERIFY(of(row0)->state().selectable && !of(row0)->state().selected);
    press(Qt::Key_Space);
    QVERIFY(of(row0)->state().selected && of(row0)->state().checked);
    QVERIFY(events.has(QStringLiteral("Trial_0"), QAccessible::StateChanged));
    press(Qt::Key_Space);
    QVERIFY(!of(row0)->state().selected);
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
    type(QStringLiteral("3"), true);
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("loglab"))->isVisible());
    type(QStringLiteral("1"), true);
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("atutorlab"))->text(), QStringLiteral("Good. This is the correct order for A."));
    press(Qt::Key_Return);
    QVERIFY(!get(QStringLiteral("orderAtutor"))->isVisible());
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));
    QCOMPARE(row0->focusPolicy(), Qt::NoFocus);

    // Submitted again with Alt+S: complete.
    press(Qt::Key_S, Qt::AltModifier);
    QCOMPARE(boxes.texts().last(), QStringLiteral("Problem Complete."));
    QCOMPARE(get<QLabel>(QStringLiteral("probcomplete_0"))->text(), QStringLiteral("Yes"));
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("2"));

    // Alt+D opens the difficulty menu; down to "Difficult", the third item.
    auto *menu = get<QMenu>(QStringLiteral("mnudifficulty"));
    focusName();
    QTest::keyClick(m_form, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    settle();
    QVERIFY(!menu->isVisible());
    QVERIFY(get<QAction>(QStringLiteral("mnudifficult"))->isChecked());
    QVERIFY(!get<QAction>(QStringLiteral("mnueasy"))->isChecked());
}

void TestKeyboard::worksAGraphicalProblemAndItsTutoring()
{
    // First order, k .58; the concentrations start at .85.
    const runtime::ScriptedRandom::Script draws = script({});
    for (int i = 0; i < 4; ++i)
        draws->insert(draws->end(), {0.5f, 0.85f, 0.3f});
    MessageBoxes boxes;
    show(QStringLiteral("ratetutor2"), draws);

    // The arrows choose a problem, which is new each time.
    QVERIFY(tabTo(QStringLiteral("problem_0")));
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    QVERIFY(get<QRadioButton>(QStringLiteral("problem_0"))->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("kinput"));
    type(QStringLiteral("0.58"));
    press(Qt::Key_Tab);
    type(QStringLiteral("2"));
    press(Qt::Key_Return);
    QCOMPARE(get<QLabel>(QStringLiteral("numattempts_0"))->text(), QStringLiteral("1"));
    QCOMPARE(focusName(), QStringLiteral("tutorbox"));
    QCOMPARE(get<QLabel>(QStringLiteral("tutortitle"))->text(), QStringLiteral("Determining Reaction Order."));

    // Back to the plot types, [A]; Alt+P plots, Alt+L fits, and the plot
    // says its points and its line.
    press(Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("plottype_2"));
    press(Qt::Key_Backtab);
    press(Qt::Key_Backtab);
    auto *type0 = get<runtime::LabelButton>(QStringLiteral("plottype_0"));
    QVERIFY(of(type0)->state().checkable && !of(type0)->state().checked);
    press(Qt::Key_Space);
    QVERIFY(of(type0)->state().checked && of(type0)->state().selected);
    press(Qt::Key_P, Qt::AltModifier);
    const QString points = description(QStringLiteral("plot"));
    QVERIFY2(points.startsWith(u"[A] vs. time, points at 0 to 8 minutes: (0, 0.85), (1, "), qPrintable(points));
    QVERIFY2(points.contains(u"(8, 0.0082)") && !points.contains(u"line"), qPrintable(points));
    press(Qt::Key_L, Qt::AltModifier);
    const QString fitted = description(QStringLiteral("plot"));
    QVERIFY2(fitted.startsWith(points) && fitted.contains(u"Least-squares line: slope -0."), qPrintable(fitted));

    // Choosing ln[A] clears the plot and what it says; Alt+C goes on.
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QVERIFY(!of(type0)->state().checked);
    QVERIFY(description(QStringLiteral("plot")).isEmpty());
    press(Qt::Key_P, Qt::AltModifier);
    press(Qt::Key_L, Qt::AltModifier);
    QVERIFY(get(QStringLiteral("labslope"))->isVisible());
    press(Qt::Key_C, Qt::AltModifier);
    QCOMPARE(focusName(), QStringLiteral("orderAinput"));

    // Enter goes on: a wrong order shows the table, the right one ends it.
    type(QStringLiteral("0"), true);
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("ordertable"))->isVisible());
    type(QStringLiteral("1"), true);
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
    show(QStringLiteral("writingratelaws"));
    QVERIFY(tabTo(QStringLiteral("problemnumber_0")));
    press(Qt::Key_Down); // to the second reaction
    press(Qt::Key_Space);
    QVERIFY(get<QRadioButton>(QStringLiteral("problemnumber_1"))->isChecked());
    QVERIFY(tabTo(QStringLiteral("answer")));
    type(QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    press(Qt::Key_Return);
    QVERIFY(get(QStringLiteral("report"))->isVisible());
    QCOMPARE(get<QLabel>(QStringLiteral("report"))->text(), QStringLiteral("Correct"));
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
    QTEST(program.exitCode(), "status");
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.contains(out), qPrintable(printed));
    QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.contains(err), qPrintable(complained));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
