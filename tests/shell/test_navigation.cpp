// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between the screens by mouse and by the desktop's keys (F1, Escape,
// Ctrl+W, Ctrl+Q): which screens are shown and loaded, their captions, and
// where each one opens.
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace testing;

namespace {

// "visible screens / loaded screens"
QString shown()
{
    return visibleScreens().join(u',') + QStringLiteral(" / ") + loadedScreens().join(u',');
}

void click(runtime::Form *form, const QString &name)
{
    auto *button = form->findChild<runtime::LabelButton *>(name);
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void press(runtime::Form *form, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, key, modifiers);
    settle();
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        runtime::initialiseApplication();
        registerScreens();
    }
    void cleanup() { unloadAll(); }
    void walksThroughAModule_data();
    void walksThroughAModule();
    void closingTheStartScreenEndsTheProgram();
};

void TestNavigation::walksThroughAModule_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::newRow("initial rates") << "btninitialrates" << "ratetutor" << "Method of Initial Rates" << "approachform";
    QTest::newRow("graphical") << "btngraphicalmethod" << "ratetutor2" << "Graphical Method" << "approachform2";
    QTest::newRow("writing") << "btnwritingratelaws" << "writingratelaws" << "Writing Rate Laws" << "";
}

void TestNavigation::walksThroughAModule()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    QFETCH(QString, page);
    MessageBoxes boxes;
    runtime::Form *start = runtime::showForm(QStringLiteral("ratestart"));
    settle();
    QCOMPARE(start->windowTitle(), QStringLiteral("Velomira"));
    QCOMPARE(start->frameGeometry().topLeft(), centredPosition(start));

    // The start screen, moved aside, makes way for the module, centred.
    start->move(start->pos() + QPoint(-40, 25));
    click(start, button);
    QCOMPARE(shown(), screen + " / " + screen);
    QPointer<runtime::Form> module = runtime::loadedForm(screen);
    QCOMPARE(module->windowTitle(), caption);
    QCOMPARE(module->frameGeometry().topLeft(), centredPosition(module));

    // The explanation page opens where the tutor is and hides it. Return,
    // Escape, Ctrl+W and closing the window each bring back the same tutor,
    // state and all, to where the student moved the page.
    for (int way = 0; !page.isEmpty() && way < 4; ++way) {
        const QPoint place = module->frameGeometry().topLeft();
        if (way % 2)
            press(module, Qt::Key_F1);
        else
            click(module, QStringLiteral("approach"));
        QCOMPARE(shown(), page + " / " + page + ',' + screen);
        runtime::Form *explanation = runtime::loadedForm(page);
        QCOMPARE(explanation->windowTitle(), caption);
        QCOMPARE(explanation->frameGeometry().topLeft(), place);
        const QPoint moved = place + QPoint(way * 20 - 30, 40 - way * 15);
        explanation->move(moved);
        if (way == 0)
            click(explanation, QStringLiteral("btnreturn"));
        else if (way == 1)
            press(explanation, Qt::Key_Escape);
        else if (way == 2)
            press(explanation, Qt::Key_W, Qt::ControlModifier);
        else
            QVERIFY(explanation->close());
        settle();
        QCOMPARE(shown(), screen + " / " + screen);
        QVERIFY(module);
        QCOMPARE(module->frameGeometry().topLeft(), moved);
    }

    // Ctrl+W closes the module as its close button does: the start screen
    // comes back centred, and the module is made afresh the next time.
    press(module, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(shown(), QStringLiteral("ratestart / ratestart"));
    QVERIFY(module.isNull());
    start = runtime::loadedForm(QStringLiteral("ratestart"));
    QCOMPARE(start->frameGeometry().topLeft(), centredPosition(start));
    click(start, button);

    // Ctrl+Q ends everything, even behind an explanation page, and brings
    // no screen back.
    if (!page.isEmpty())
        press(runtime::loadedForm(screen), Qt::Key_F1);
    press(runtime::loadedForm(page.isEmpty() ? screen : page), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(shown(), QStringLiteral(" / "));
    QVERIFY(boxes.texts().isEmpty());
}

void TestNavigation::closingTheStartScreenEndsTheProgram()
{
    // The event loop must end by itself; should it not, the guard ends it
    // with a failure code.
    runtime::Form *form = runtime::showForm(QStringLiteral("ratestart"));
    QTimer::singleShot(0, form, [form] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
    QCOMPARE(QCoreApplication::exec(), 0);
    settle();
    QCOMPARE(shown(), QStringLiteral(" / "));
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
