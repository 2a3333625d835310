// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture.h"
#include "runtime/forms.h"
#include "runtime/labelbutton.h"
#include "screens.h"
#include "shell/screens.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace testing;

namespace {

const QString fiveLines = QStringLiteral("\nThe rate law must contain the variable for the rate constant, k."
                                         "\nThe rate law should begin with 'Rate ='."
                                         "\nThe compound [NO] should be in your rate law."
                                         "\nThe compound [H_2_] should be in your rate law."
                                         "\nThe order with respect to [NO] is not correct.");
const QString noteText = QStringLiteral(
    "When the order with respect to a reactant is 1, the number 1 does not need to be written as a "
    "superscript following that reactant's concentration.");

} // namespace

class TestWritingRateLaws : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensWithTheLeftColumnOnly();
    void choosingAProblemShowsIt_data();
    void choosingAProblemShowsIt();
    void choosingAnotherReactionClearsTheVerdict();
    void submitShowsTheVerdict_data();
    void submitShowsTheVerdict();
    void aRightAnswerHidesFeedbackAgain();
    void verdictIgnoresTheProblemChosenBefore_data();
    void verdictIgnoresTheProblemChosenBefore();
    void enterSubmits();

private:
    template<typename T>
    T *control(const QString &name) const;
    QLabel *label(const QString &name) const { return control<QLabel>(name); }
    void choose(int index);
    void type(const QString &text);
    void submit();

    runtime::Form *m_screen{nullptr};
};

void TestWritingRateLaws::initTestCase()
{
    runtime::initialiseApplication();
    registerScreens();
}

void TestWritingRateLaws::init()
{
    unloadAll();
    m_screen = runtime::showForm(QStringLiteral("writingratelaws"));
    settle();
    QVERIFY(m_screen);
}

void TestWritingRateLaws::cleanup()
{
    unloadAll();
    m_screen = nullptr;
}

template<typename T>
T *TestWritingRateLaws::control(const QString &name) const
{
    T *found = m_screen->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void TestWritingRateLaws::choose(int index)
{
    auto *option = control<QRadioButton>(QStringLiteral("problemnumber_%1").arg(index));
    QVERIFY(option->isVisible());
    // On the round indicator, which is always part of the clickable area.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    QVERIFY(option->isChecked());
}

void TestWritingRateLaws::type(const QString &text)
{
    auto *answer = control<QLineEdit>(QStringLiteral("answer"));
    answer->setFocus();
    answer->selectAll();
    QTest::keyClick(answer, Qt::Key_Backspace);
    QTest::keyClicks(answer, text);
    QCOMPARE(answer->text(), text);
}

void TestWritingRateLaws::submit()
{
    auto *button = control<runtime::LabelButton>(QStringLiteral("submitbtn"));
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestWritingRateLaws::opensWithTheLeftColumnOnly()
{
    const QStringList captions{QStringLiteral("Nitrogen dioxide + carbon monoxide"),
                               QStringLiteral("Nitrogen monoxide + hydrogen"),
                               QStringLiteral("Decomposition of dinitrogen pentoxide")};
    for (int i = 0; i < 3; ++i) {
        auto *option = control<QRadioButton>(QStringLiteral("problemnumber_%1").arg(i));
        QVERIFY(option->isVisible());
        QVERIFY(!option->isChecked());
        QCOMPARE(option->text(), captions.at(i));
        QVERIFY(!control<pictures::Picture>(QStringLiteral("rxnimage0_%1").arg(i))->isVisible());
    }
    for (const char *hidden : {"description", "Label2", "report", "feedback", "test"})
        QVERIFY2(!label(QString::fromLatin1(hidden))->isVisible(), hidden);
    QVERIFY(!control<QLineEdit>(QStringLiteral("answer"))->isVisible());
    QVERIFY(!control<runtime::LabelButton>(QStringLiteral("submitbtn"))->isVisible());
    QVERIFY(label(QStringLiteral("report1"))->isVisible());
    QCOMPARE(label(QStringLiteral("report1"))->text(), QString());
    QCOMPARE(label(QStringLiteral("feedback"))->text(), QStringLiteral("Feedback:"));
    QCOMPARE(label(QStringLiteral("Label2"))->text(),
             QStringLiteral("Write the rate law for this reaction below. Place subscript numbers between "
                            "underscores, and superscripts between carrots. For example, sulfate ion is entered "
                            "as SO_4_^2-^. Start your answer with  \"Rate =\"."));
}

void TestWritingRateLaws::choosingAProblemShowsIt_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("description");
    const QString descriptions[] = {
        QStringLiteral("Nitrogen dioxide reacts with carbon monoxide to form nitrogen monoxide and carbon dioxide. "
                       "The reaction is first order with respect to each of the reactants."),
        QStringLiteral("Nitrogen monoxide and hydrogen react to form nitrogen and water. The reaction is second "
                       "order in nitrogen monoxide and first order in hydrogen."),
        QStringLiteral("Dinitrogen pentoxide decomposes to give nitrogen dioxide and dioxygen. The reaction is "
                       "first order in dinitrogen pentoxide.")};
    QTest::newRow("nitrogen dioxide after pentoxide") << 2 << 0 << descriptions[0];
    QTest::newRow("nitrogen monoxide after nitrogen dioxide") << 0 << 1 << descriptions[1];
    QTest::newRow("pentoxide after nitrogen monoxide") << 1 << 2 << descriptions[2];
    QTest::newRow("the same problem again") << 1 << 1 << descriptions[1];
}

void TestWritingRateLaws::choosingAProblemShowsIt()
{
    QFETCH(int, before);
    QFETCH(int, index);
    QFETCH(QString, description);
    choose(before);
    type(QStringLiteral("Rate=k"));
    choose(index);
    QCOMPARE(label(QStringLiteral("description"))->text(), description);
    QVERIFY(label(QStringLiteral("description"))->isVisible());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(control<pictures::Picture>(QStringLiteral("rxnimage0_%1").arg(i))->isVisible(), i == index);
    QVERIFY(label(QStringLiteral("Label2"))->isVisible());
    auto *answer = control<QLineEdit>(QStringLiteral("answer"));
    QVERIFY(answer->isVisible());
    QCOMPARE(answer->text(), QString());
    QVERIFY(control<runtime::LabelButton>(QStringLiteral("submitbtn"))->isVisible());
    QVERIFY(!label(QStringLiteral("report"))->isVisible());
}

// Comments about one reaction must not stay beside another.
void TestWritingRateLaws::choosingAnotherReactionClearsTheVerdict()
{
    choose(1);
    type(QStringLiteral("Rate=k[NO][H_2_]"));
    submit();
    QCOMPARE(label(QStringLiteral("report1"))->text(), QStringLiteral("\nThe order with respect to [NO] is not correct."));
    choose(0);
    QCOMPARE(control<QLineEdit>(QStringLiteral("answer"))->text(), QString());
    QVERIFY(!label(QStringLiteral("report"))->isVisible());
    QVERIFY(!label(QStringLiteral("feedback"))->isVisible());
    QCOMPARE(label(QStringLiteral("report1"))->text(), QString());
}

void TestWritingRateLaws::submitShowsTheVerdict_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("feedback");
    QTest::addColumn<QString>("comments");
    QTest::addColumn<QString>("compared");
    QTest::newRow("right, typed with blanks and a lower-case r")
        << 1 << "rate = k [NO]^2^ [H_2_]" << "Correct" << false << "" << "Rate=k[NO]^2^[H_2_]";
    QTest::newRow("right, orders of 1 written") << 1 << "Rate=k[H_2_]^1^[NO]^2^" << "Correct" << false << noteText
                                                << "Rate=k[H_2_]^1^[NO]^2^";
    QTest::newRow("wrong, five lines in order") << 1 << "" << "Incorrect" << true << fiveLines << "";
    QTest::newRow("right, ^1^ for one reactant only") << 0 << "Rate=k[NO_2_]^1^[CO]" << "Correct" << false << noteText
                                                      << "Rate=k[NO_2_]^1^[CO]";
    QTest::newRow("wrong, no closing caret: the general comment")
        << 1 << "Rate=k[NO]^2[H_2_]" << "Incorrect" << true
        << "\nCheck how the rate law is written: each order goes between two carets right after its concentration, "
           "and nothing else belongs in the rate law."
        << "Rate=k[NO]^2[H_2_]";
    QTest::newRow("a thousand carets") << 1 << QString(1000, QLatin1Char('^')) << "Incorrect" << true << fiveLines
                                       << QString(1000, QLatin1Char('^'));
    QTest::newRow("pentoxide, order 1 written") << 2 << "Rate=k[N_2_O_5_]^1^" << "Correct" << false << noteText
                                                << "Rate=k[N_2_O_5_]^1^";
}

void TestWritingRateLaws::submitShowsTheVerdict()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    QFETCH(bool, feedback);
    QFETCH(QString, comments);
    QFETCH(QString, compared);
    choose(index);
    type(typed);
    submit();
    QVERIFY(label(QStringLiteral("report"))->isVisible());
    QCOMPARE(label(QStringLiteral("report"))->text(), verdict);
    QCOMPARE(label(QStringLiteral("feedback"))->isVisible(), feedback);
    QCOMPARE(label(QStringLiteral("report1"))->text(), comments);
    QCOMPARE(label(QStringLiteral("test"))->text(), compared);
    QVERIFY(!label(QStringLiteral("test"))->isVisible());
    QCOMPARE(control<QLineEdit>(QStringLiteral("answer"))->text(), typed);
}

void TestWritingRateLaws::aRightAnswerHidesFeedbackAgain()
{
    choose(1);
    type(QStringLiteral("Rate=K[NO]^2^[H_2_]"));
    submit();
    QCOMPARE(label(QStringLiteral("report"))->text(), QStringLiteral("Incorrect"));
    QVERIFY(label(QStringLiteral("feedback"))->isVisible());
    QCOMPARE(label(QStringLiteral("report1"))->text(),
             QStringLiteral("\nThe rate law must contain the variable for the rate constant, k."));
    type(QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    submit();
    QCOMPARE(label(QStringLiteral("report"))->text(), QStringLiteral("Correct"));
    QVERIFY(!label(QStringLiteral("feedback"))->isVisible());
    QCOMPARE(label(QStringLiteral("report1"))->text(), QString());
}

void TestWritingRateLaws::verdictIgnoresTheProblemChosenBefore_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("comments");
    const QString noPentoxide = QStringLiteral("\nThe compound [N_2_O_5_] should be in your rate law.");
    QTest::newRow("pentoxide after 0, its own answer") << 0 << 2 << "Rate=k[N_2_O_5_]" << "Correct" << "";
    QTest::newRow("pentoxide after 0, third answer of 0") << 0 << 2 << "Rate=k[CO][NO_2_]" << "Incorrect"
                                                          << noPentoxide;
    QTest::newRow("pentoxide after 1, fourth answer of 1") << 1 << 2 << "Rate=k[H_2_]^1^[NO]^2^" << "Incorrect"
                                                           << noPentoxide;
    QTest::newRow("pentoxide after 1, empty answer")
        << 1 << 2 << "" << "Incorrect"
        << "\nThe rate law must contain the variable for the rate constant, k."
           "\nThe rate law should begin with 'Rate ='." + noPentoxide;
    QTest::newRow("hydrogen after pentoxide") << 2 << 1 << "Rate=k[NO]^2^" << "Incorrect"
                                              << "\nThe compound [H_2_] should be in your rate law.";
}

void TestWritingRateLaws::verdictIgnoresTheProblemChosenBefore()
{
    QFETCH(int, before);
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, verdict);
    QFETCH(QString, comments);
    choose(before);
    type(QStringLiteral("Rate=k[NO]^2^[H_2_]"));
    submit();
    choose(index);
    type(typed);
    submit();
    QCOMPARE(label(QStringLiteral("report"))->text(), verdict);
    QCOMPARE(label(QStringLiteral("report1"))->text(), comments);
}

void TestWritingRateLaws::enterSubmits()
{
    choose(2);
    type(QStringLiteral("Rate=k[N_2_O_5_]"));
    QTest::keyClick(control<QLineEdit>(QStringLiteral("answer")), Qt::Key_Return);
    QVERIFY(label(QStringLiteral("report"))->isVisible());
    QCOMPARE(label(QStringLiteral("report"))->text(), QStringLiteral("Correct"));
}

QTEST_MAIN(TestWritingRateLaws)
#include "test_writingratelaws.moc"
