// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageboxes.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace testing;

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnTheCentredStartScreen();
    void moduleButtonsOpenTheirScreens_data();
    void moduleButtonsOpenTheirScreens();
    void closingAModuleBringsBackTheStartScreenCentred_data();
    void closingAModuleBringsBackTheStartScreenCentred();
    void explanationRoundTrip_data();
    void explanationRoundTrip();
    void closingAnExplanationActsAsReturn_data();
    void closingAnExplanationActsAsReturn();
    void moduleScreenIsCreatedAfresh();
    void closingTheStartScreenEndsTheProgram();

private:
    void click(runtime::Form *form, const char *name);
    runtime::Form *start();
};

void TestNavigation::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestNavigation::init()
{
    unloadAll();
}

void TestNavigation::cleanup()
{
    unloadAll();
}

runtime::Form *TestNavigation::start()
{
    runtime::Form *form = runtime::showForm(QStringLiteral("ratestart"));
    settle();
    return form;
}

void TestNavigation::click(runtime::Form *form, const char *name)
{
    auto *button = form->findChild<runtime::LabelButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

void TestNavigation::startsOnTheCentredStartScreen()
{
    runtime::Form *form = start();
    QCOMPARE(visibleScreens(), QStringList{QStringLiteral("ratestart")});
    QCOMPARE(form->windowTitle(), QStringLiteral("Velomira"));
    QCOMPARE(form->frameGeometry().topLeft(), centredPosition(form));
}

void TestNavigation::moduleButtonsOpenTheirScreens_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("caption");
    QTest::newRow("initial rates") << "btninitialrates" << "ratetutor" << "Method of Initial Rates";
    QTest::newRow("graphical") << "btngraphicalmethod" << "ratetutor2" << "Graphical Method";
    QTest::newRow("writing") << "btnwritingratelaws" << "writingratelaws" << "Writing Rate Laws";
}

void TestNavigation::moduleButtonsOpenTheirScreens()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    QFETCH(QString, caption);
    MessageBoxes boxes;
    click(start(), button.toLatin1().constData());
    QCOMPARE(visibleScreens(), QStringList{screen});
    QCOMPARE(loadedScreens(), QStringList{screen});
    runtime::Form *module = runtime::loadedForm(screen);
    QCOMPARE(module->windowTitle(), caption);
    QCOMPARE(module->frameGeometry().topLeft(), centredPosition(module));
}

void TestNavigation::closingAModuleBringsBackTheStartScreenCentred_data()
{
    moduleButtonsOpenTheirScreens_data();
}

void TestNavigation::closingAModuleBringsBackTheStartScreenCentred()
{
    QFETCH(QString, button);
    QFETCH(QString, screen);
    MessageBoxes boxes;
    runtime::Form *first = start();
    first->move(first->frameGeometry().topLeft() + QPoint(-40, 25));
    click(first, button.toLatin1().constData());
    QVERIFY(runtime::loadedForm(screen)->close());
    settle();
    QCOMPARE(visibleScreens(), QStringList{QStringLiteral("ratestart")});
    QCOMPARE(loadedScreens(), QStringList{QStringLiteral("ratestart")});
    runtime::Form *again = runtime::loadedForm(QStringLiteral("ratestart"));
    QCOMPARE(again->frameGeometry().topLeft(), centredPosition(again));
}

void TestNavigation::explanationRoundTrip_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tutor");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QString>("caption");
    QTest::newRow("initial rates") << "btninitialrates" << "ratetutor" << "approachform" << "Method of Initial Rates";
    QTest::newRow("graphical") << "btngraphicalmethod" << "ratetutor2" << "approachform2" << "Graphical Method";
}

void TestNavigation::explanationRoundTrip()
{
    QFETCH(QString, button);
    QFETCH(QString, tutor);
    QFETCH(QString, explanation);
    QFETCH(QString, caption);
    MessageBoxes boxes;
    click(start(), button.toLatin1().constData());
    runtime::Form *tutorForm = runtime::loadedForm(tutor);
    tutorForm->move(tutorForm->frameGeometry().topLeft() + QPoint(13, -7));
    const QPoint tutorPlace = tutorForm->frameGeometry().topLeft();

    click(tutorForm, "approach");
    QCOMPARE(visibleScreens(), QStringList{explanation});
    QCOMPARE(loadedScreens(), (QStringList{explanation, tutor}));
    runtime::Form *explanationForm = runtime::loadedForm(explanation);
    QCOMPARE(explanationForm->windowTitle(), caption);
    QCOMPARE(explanationForm->frameGeometry().topLeft(), tutorPlace);
    QVERIFY(tutorForm->isHidden());

    // The student moves the explanation; the tutor comes back there.
    const QPoint moved = tutorPlace + QPoint(50, 30);
    explanationForm->move(moved);
    click(explanationForm, "btnreturn");
    QCOMPARE(visibleScreens(), QStringList{tutor});
    QCOMPARE(loadedScreens(), QStringList{tutor});
    QCOMPARE(runtime::loadedForm(tutor), tutorForm); // the same screen, state and all
    QCOMPARE(tutorForm->frameGeometry().topLeft(), moved);
}

void TestNavigation::closingAnExplanationActsAsReturn_data()
{
    explanationRoundTrip_data();
}

void TestNavigation::closingAnExplanationActsAsReturn()
{
    QFETCH(QString, button);
    QFETCH(QString, tutor);
    QFETCH(QString, explanation);
    MessageBoxes boxes;
    click(start(), button.toLatin1().constData());
    runtime::Form *tutorForm = runtime::loadedForm(tutor);
    click(tutorForm, "approach");
    runtime::Form *explanationForm = runtime::loadedForm(explanation);
    const QPoint moved = explanationForm->frameGeometry().topLeft() + QPoint(-20, 40);
    explanationForm->move(moved);
    QVERIFY(explanationForm->close());
    settle();
    QCOMPARE(visibleScreens(), QStringList{tutor});
    QCOMPARE(loadedScreens(), QStringList{tutor});
    QCOMPARE(tutorForm->frameGeometry().topLeft(), moved);

    // And the tutor can open its explanation again afterwards.
    click(tutorForm, "approach");
    QCOMPARE(visibleScreens(), QStringList{explanation});
}

void TestNavigation::moduleScreenIsCreatedAfresh()
{
    MessageBoxes boxes;
    click(start(), "btnwritingratelaws");
    QPointer<runtime::Form> first = runtime::loadedForm(QStringLiteral("writingratelaws"));
    first->close();
    settle();
    QVERIFY(first.isNull());
    click(runtime::loadedForm(QStringLiteral("ratestart")), "btnwritingratelaws");
    QVERIFY(runtime::loadedForm(QStringLiteral("writingratelaws")) != nullptr);
}

void TestNavigation::closingTheStartScreenEndsTheProgram()
{
    // The program's event loop must end by itself once the start screen is
    // closed; should it not, the guard ends it with a failure code.
    runtime::Form *form = start();
    QTimer::singleShot(0, form, [form] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(3); });
    QCOMPARE(QCoreApplication::exec(), 0);
    settle();
    QVERIFY(loadedScreens().isEmpty());
    QVERIFY(visibleScreens().isEmpty());
}

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
