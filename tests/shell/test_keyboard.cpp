// SPDX-License-Identifier: GPL-3.0-or-later
// Tab reaches every control of every screen, the command line answers
// without a display, and closing the start screen ends the program. The tutoring screens are walked by keyboard in their
// own tests.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QTimer>

using namespace testing;

class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        runtime::initialiseApplication();
        registerScreens();
    }
    void cleanup() { unloadAll(); }
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
    void commandLineAnswersWithoutADisplay_data();
    void commandLineAnswersWithoutADisplay();
    void closingTheStartScreenEndsTheProgram()
    {
        // The event loop must end by itself; should it not, the guard ends
        // it with a failure code.
        runtime::Form *form = runtime::showForm(runtime::screenNamed(QStringLiteral("ratestart")));
        QTimer::singleShot(0, form, [form] { form->close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
        QCOMPARE(QCoreApplication::exec(), 0);
        settle();
        QVERIFY(runtime::loadedForms().isEmpty());
    }
};

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
    QPointer<runtime::Form> form = runtime::showForm(runtime::screenNamed(screen));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    settle();
    QCOMPARE(QAccessible::queryAccessibleInterface(form)->text(QAccessible::Name), title);
    // Tab reaches every operable control; an option group is one stop and
    // the arrow keys move within it.
    auto stopOf = [](QWidget *w) -> QObject * {
        auto *option = qobject_cast<QAbstractButton *>(w);
        if (option && option->group())
            return option->group();
        return option && option->autoExclusive() ? option->parentWidget() : w;
    };
    QSet<QObject *> expected, reached;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (w->isVisibleTo(form) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            expected.insert(stopOf(w));
    }
    for (int i = 0; i < expected.size() * 2 + 2; ++i) {
        QTest::keyClick(form, Qt::Key_Tab);
        if (QWidget *focus = QApplication::focusWidget(); focus && form->isAncestorOf(focus))
            reached.insert(stopOf(focus));
    }
    for (QObject *stop : expected)
        QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
    // The record is offered everywhere: Ctrl+S and Ctrl+P, and a menu of
    // both in the menu bar or behind a button that Space opens.
    auto *save = form->findChild<QAction *>(QStringLiteral("mnusaverecord"));
    auto *print = form->findChild<QAction *>(QStringLiteral("mnuprintrecord"));
    QVERIFY(save && print && form->actions().contains(save) && form->actions().contains(print));
    QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
    if (auto *button = form->findChild<runtime::LabelButton *>(QStringLiteral("record"))) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    }
    auto *menu = form->findChild<QMenu *>(QStringLiteral("mnurecord"));
    QCOMPARE(menu->actions(), (QList<QAction *>{save, print}));
    QCOMPARE(menu->isVisible(), screen != u"ratetutor");
    menu->close();
}

void TestKeyboard::commandLineAnswersWithoutADisplay_data()
{
    // A status of -1: the program starts, on the offscreen platform, and
    // keeps running until it is stopped.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("help") << QStringList{"--help"} << "en" << 0 << "Usage: velomira [options]" << "";
    QTest::newRow("help on a German desktop") << QStringList{"--help"} << "de" << 0 << "Aufruf: velomira [Optionen]" << "";
    QTest::newRow("short help") << QStringList{"-h"} << "en" << 0 << "--version" << "";
    QTest::newRow("version") << QStringList{"--version"} << "en" << 0 << "velomira 0.2.0" << "";
    QTest::newRow("Qt's option before help") << QStringList{"-style", "fusion", "--help"} << "en" << 0 << "Usage:" << "";
    QTest::newRow("-style fusion starts") << QStringList{"-style", "fusion"} << "en" << -1 << "" << "";
    QTest::newRow("-style=fusion starts") << QStringList{"-style=fusion"} << "en" << -1 << "" << "";
    QTest::newRow("--style=fusion starts") << QStringList{"--style=fusion"} << "en" << -1 << "" << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "en" << 1 << "" << "Usage: velomira [options]";
    QTest::newRow("stray argument") << QStringList{"file.txt"} << "en" << 1 << "" << "unknown option 'file.txt'";
}

void TestKeyboard::commandLineAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANGUAGE"), language);
    if (status < 0)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELOMIRA_BINARY), arguments);
    if (status < 0) {
        QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
        return;
    }
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
