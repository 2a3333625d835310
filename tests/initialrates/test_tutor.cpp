// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialrates/tutor.h"

#include <QTest>

using namespace initialrates;
using Kind = ContinueOutcome::Kind;

Q_DECLARE_METATYPE(initialrates::Stage)
Q_DECLARE_METATYPE(initialrates::ContinueOutcome::Kind)

namespace {

// Trials 0 and 1 share [B]; 0 and 2 share [A]; trial 3 shares [B] with 0
// and 1 but not [A], so it too pairs with either for the order in A.
Problem sample()
{
    Problem p;
    p.orderA = 1.0f;
    p.orderB = 2.0f;
    p.k = 2.5f;
    p.concA = {0.4f, 0.8f, 0.4f, 0.2f, 0.0f};
    p.concB = {0.5f, 0.5f, 1.0f, 0.5f, 0.0f};
    p.rate = {0.25f, 0.5f, 1.0f, 0.125f, 0.0f};
    return p;
}

Answers answers(const char *orderA, const char *orderB, const char *k)
{
    return {QString::fromLatin1(orderA), QString::fromLatin1(orderB), QString::fromLatin1(k)};
}

void select(GuidedTutor &tutor, const QList<int> &trials)
{
    for (int t : trials)
        tutor.trialClick(t);
}

const QString sameAnswer = QStringLiteral("This is the same answer as before. Please input a new answer.");
const QString notCorrect = QStringLiteral("This is not correct. Here is more detail on how the math works.");

} // namespace

class TestTutor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void stagesOpenWithTheirTexts_data();
    void stagesOpenWithTheirTexts();
    void rowsArePickedOnlyDuringAStage();
    void selectionLimits_data();
    void selectionLimits();
    void selectedTrialsAreInIndexOrder();
    void orderStageChoiceOfTrials_data();
    void orderStageChoiceOfTrials();
    void rightFirstAnswerEndsOnTheNextClick_data();
    void rightFirstAnswerEndsOnTheNextClick();
    void wrongAnswersUncoverTheWorkedMath();
    void unchangedAnswerIsNotChecked();
    void storedAnswersCarryAcrossStages();
    void rateConstantStage();
    void tutorAcceptsOnlyTheExactK_data();
    void tutorAcceptsOnlyTheExactK();
    void zeroRateGivesANoteNotARatio_data();
    void zeroRateGivesANoteNotARatio();
    void answerBeyondSingleRangeIsWrong();
    void continueWithoutStageDoesNothing();
};

void TestTutor::stagesOpenWithTheirTexts_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("instruction");
    QTest::newRow("order in A") << Stage::OrderA << "Determining Order with Respect to [A]"
                                << "Choose two reactions from those to the left that can be used to determine the "
                                   "order with respect to [A]. Click continue when ready.";
    QTest::newRow("order in B") << Stage::OrderB << "Determining Order with Respect to [B]"
                                << "Choose two reactions from those to the left that can be used to determine the "
                                   "order with respect to [B]. Click continue when ready.";
    QTest::newRow("rate constant") << Stage::RateConstant << "Determining the rate constant, k."
                                   << "Select one reaction from those to the left to use to determine the rate constant.";
}

void TestTutor::stagesOpenWithTheirTexts()
{
    QFETCH(Stage, stage);
    QFETCH(QString, title);
    QFETCH(QString, instruction);
    GuidedTutor tutor;
    const GuidedTutor::Opening opening = tutor.begin(stage);
    QCOMPARE(opening.title, title);
    QCOMPARE(opening.instruction, instruction);
    QCOMPARE(tutor.stage(), stage);
    QCOMPARE(tutor.tutorstep(), TutorStep::ChoosingTrials);
    QCOMPARE(tutor.numsel(), 0);
}

void TestTutor::rowsArePickedOnlyDuringAStage()
{
    GuidedTutor tutor;
    QCOMPARE(tutor.trialClick(1), SelectionChange::Unchanged);
    QCOMPARE(tutor.numsel(), 0);
    tutor.begin(Stage::OrderA);
    QCOMPARE(tutor.trialClick(1), SelectionChange::Selected);
    tutor.deselect();
    QVERIFY(!tutor.trialselected(1));
    QCOMPARE(tutor.trialClick(2), SelectionChange::Unchanged);
}

void TestTutor::selectionLimits_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<int>("limit");
    QTest::newRow("order in A: two rows") << Stage::OrderA << 2;
    QTest::newRow("order in B: two rows") << Stage::OrderB << 2;
    QTest::newRow("rate constant: one row") << Stage::RateConstant << 1;
}

void TestTutor::selectionLimits()
{
    QFETCH(Stage, stage);
    QFETCH(int, limit);
    GuidedTutor tutor;
    tutor.begin(stage);
    for (int i = 0; i < limit; ++i)
        QCOMPARE(tutor.trialClick(i), SelectionChange::Selected);
    // One more row is refused without a word.
    QCOMPARE(tutor.trialClick(3), SelectionChange::Unchanged);
    QCOMPARE(tutor.numsel(), limit);
    QVERIFY(!tutor.trialselected(3));
    // A selected row always unselects, and then another can be picked.
    QCOMPARE(tutor.trialClick(0), SelectionChange::Unselected);
    QCOMPARE(tutor.numsel(), limit - 1);
    QCOMPARE(tutor.trialClick(3), SelectionChange::Selected);
    QCOMPARE(tutor.numsel(), limit);
}

void TestTutor::selectedTrialsAreInIndexOrder()
{
    GuidedTutor tutor;
    tutor.begin(Stage::OrderB);
    select(tutor, {3, 1});
    QCOMPARE(tutor.seltrial(1), 1);
    QCOMPARE(tutor.seltrial(2), 3);
    // Unselecting the lower one moves the other up; the second entry keeps its
    // older value.
    tutor.trialClick(1);
    QCOMPARE(tutor.numsel(), 1);
    QCOMPARE(tutor.seltrial(1), 3);
    QCOMPARE(tutor.seltrial(2), 3);
}

void TestTutor::orderStageChoiceOfTrials_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QList<int>>("trials");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("A: none") << Stage::OrderA << QList<int>{} << false;
    QTest::newRow("A: one") << Stage::OrderA << QList<int>{0} << false;
    QTest::newRow("A: equal [A]") << Stage::OrderA << QList<int>{0, 2} << false;
    QTest::newRow("A: different [B]") << Stage::OrderA << QList<int>{1, 2} << false;
    QTest::newRow("A: 0 and 1") << Stage::OrderA << QList<int>{1, 0} << true;
    QTest::newRow("A: 1 and 3") << Stage::OrderA << QList<int>{3, 1} << true;
    QTest::newRow("B: equal [B]") << Stage::OrderB << QList<int>{0, 1} << false;
    QTest::newRow("B: 0 and 2") << Stage::OrderB << QList<int>{2, 0} << true;
    QTest::newRow("B: one") << Stage::OrderB << QList<int>{2} << false;
}

void TestTutor::orderStageChoiceOfTrials()
{
    QFETCH(Stage, stage);
    QFETCH(QList<int>, trials);
    QFETCH(bool, accepted);
    const bool forA = stage == Stage::OrderA;
    GuidedTutor tutor;
    tutor.begin(stage);
    select(tutor, trials);
    const ContinueOutcome outcome = tutor.continueClick(sample(), answers("0", "0", "1"));
    if (accepted) {
        QCOMPARE(outcome.kind, Kind::ChoiceAccepted);
        QCOMPARE(outcome.instruction,
                 forA ? QStringLiteral("Good. These two reactions have equal [B]. The change in rate is due only to "
                                       "changes in [A]. Use these data and the general equation; enter the order "
                                       "for A above.")
                      : QStringLiteral("Good. These two reactions have equal [A]. The change in rate is due only to "
                                       "changes in [B]. Use these data and the general equation; enter the order "
                                       "for B above."));
        QCOMPARE(tutor.tutorstep(), TutorStep::FirstAnswer);
    } else {
        QCOMPARE(outcome.kind, Kind::Refused);
        QCOMPARE(outcome.message, forA ? QStringLiteral("Choose two reactions that have equal [B].")
                                       : QStringLiteral("Choose two reactions that have equal [A]."));
        QVERIFY(outcome.instruction.isEmpty());
        QCOMPARE(tutor.tutorstep(), TutorStep::ChoosingTrials);
    }
}

void TestTutor::rightFirstAnswerEndsOnTheNextClick_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QList<int>>("trials");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("praise");
    QTest::newRow("order in A") << Stage::OrderA << QList<int>{0, 1} << "1.0" << "Good. This is the correct order for A.";
    QTest::newRow("order in B") << Stage::OrderB << QList<int>{0, 2} << "2" << "Good. This is the correct order for B.";
    QTest::newRow("rate constant") << Stage::RateConstant << QList<int>{2} << "2.50" << "Good. This is the correct value of k.";
}

void TestTutor::rightFirstAnswerEndsOnTheNextClick()
{
    QFETCH(Stage, stage);
    QFETCH(QList<int>, trials);
    QFETCH(QString, answer);
    QFETCH(QString, praise);
    GuidedTutor tutor;
    tutor.begin(stage);
    select(tutor, trials);
    QCOMPARE(tutor.continueClick(sample(), {}).kind, Kind::ChoiceAccepted);
    Answers typed = answers("0", "0", "9");
    (stage == Stage::OrderA ? typed.orderA : stage == Stage::OrderB ? typed.orderB : typed.k) = answer;
    const ContinueOutcome right = tutor.continueClick(sample(), typed);
    QCOMPARE(right.kind, Kind::Right);
    QCOMPARE(right.instruction, praise);
    QVERIFY(!right.orderWork && !right.rateConstantWork);
    QCOMPARE(tutor.tutorstep(), TutorStep::AnsweredRight);
    QCOMPARE(tutor.continueClick(sample(), typed).kind, Kind::StageEnded);
    QCOMPARE(tutor.stage(), Stage::None);
    QCOMPARE(tutor.numsel(), 0);
    for (int i = 0; i < TrialCount; ++i)
        QVERIFY(!tutor.trialselected(i));
}

void TestTutor::wrongAnswersUncoverTheWorkedMath()
{
    GuidedTutor tutor;
    tutor.begin(Stage::OrderA);
    select(tutor, {1, 0});
    tutor.continueClick(sample(), {});

    const ContinueOutcome first = tutor.continueClick(sample(), answers("2", "1", "9"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QCOMPARE(first.instruction, notCorrect);
    QVERIFY(first.orderWork.has_value());
    QCOMPARE(first.orderWork->ratesel1, QStringLiteral(".25"));
    QCOMPARE(first.orderWork->ratesel2, QStringLiteral(".5"));
    QCOMPARE(first.orderWork->a1, QStringLiteral(".4"));
    QCOMPARE(first.orderWork->a2, QStringLiteral(".8"));
    QCOMPARE(first.orderWork->raterat, QStringLiteral(" .5 = .5"));
    QVERIFY(first.orderWork->ratioShown);
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);

    // Further wrong answers keep the step and rebuild the log line from the
    // trials selected at that moment.
    const ContinueOutcome second = tutor.continueClick(sample(), answers("3", "1", "9"));
    QCOMPARE(second.kind, Kind::FurtherWrong);
    QVERIFY(second.instruction.isEmpty());
    QCOMPARE(second.logLine, QStringLiteral("log(.5) = order x log(.5)"));
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);

    select(tutor, {0, 3}); // now trials 1 and 3
    const ContinueOutcome third = tutor.continueClick(sample(), answers("4", "1", "9"));
    QCOMPARE(third.kind, Kind::FurtherWrong);
    QCOMPARE(third.logLine, QStringLiteral("log(4) = order x log(4)"));

    const ContinueOutcome right = tutor.continueClick(sample(), answers("1", "1", "9"));
    QCOMPARE(right.kind, Kind::Right);
    QCOMPARE(right.instruction, QStringLiteral("Good. This is the correct order for A."));
}

void TestTutor::unchangedAnswerIsNotChecked()
{
    GuidedTutor tutor;
    tutor.begin(Stage::OrderA);
    select(tutor, {0, 1});
    tutor.continueClick(sample(), {});
    QCOMPARE(tutor.continueClick(sample(), answers("2", "1", "9")).kind, Kind::FirstWrong);
    const ContinueOutcome again = tutor.continueClick(sample(), answers("2", "1", "9"));
    QCOMPARE(again.kind, Kind::SameAnswer);
    QCOMPARE(again.message, sameAnswer);
    QVERIFY(again.logLine.isEmpty());
    QVERIFY(tutor.sameanswer());
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);
    // A change in any box counts as a new answer, case and all.
    QCOMPARE(tutor.continueClick(sample(), answers("2", "1", "9.0")).kind, Kind::FurtherWrong);
    QVERIFY(!tutor.sameanswer());
    QCOMPARE(tutor.oldanswer(3), QStringLiteral("9.0"));
}

void TestTutor::storedAnswersCarryAcrossStages()
{
    GuidedTutor tutor;
    tutor.begin(Stage::OrderA);
    select(tutor, {0, 1});
    tutor.continueClick(sample(), {});
    QCOMPARE(tutor.continueClick(sample(), answers("1", "1", "9")).kind, Kind::Right);
    QCOMPARE(tutor.continueClick(sample(), {}).kind, Kind::StageEnded);

    // The next stage, even of another problem, compares with those texts.
    tutor.begin(Stage::OrderB);
    select(tutor, {0, 2});
    tutor.continueClick(sample(), {});
    QCOMPARE(tutor.continueClick(sample(), answers("1", "1", "9")).kind, Kind::SameAnswer);
    QCOMPARE(tutor.tutorstep(), TutorStep::FirstAnswer);
    QCOMPARE(tutor.continueClick(sample(), answers("1", "2", "9")).kind, Kind::Right);
}

void TestTutor::rateConstantStage()
{
    GuidedTutor tutor;
    tutor.begin(Stage::RateConstant);
    const ContinueOutcome none = tutor.continueClick(sample(), {});
    QCOMPARE(none.kind, Kind::Refused);
    QCOMPARE(none.message, QStringLiteral("Choose a reaction from the list to the left. Any one will do."));

    select(tutor, {2});
    const ContinueOutcome chosen = tutor.continueClick(sample(), {});
    QCOMPARE(chosen.kind, Kind::ChoiceAccepted);
    QCOMPARE(chosen.instruction, QStringLiteral("Good. This reaction data can be used to determine k."));

    const ContinueOutcome first = tutor.continueClick(sample(), answers("1", "2", "3"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QCOMPARE(first.instruction, notCorrect);
    QVERIFY(!first.rateConstantWork && !first.orderWork);

    const ContinueOutcome second = tutor.continueClick(sample(), answers("1", "2", "4"));
    QCOMPARE(second.kind, Kind::FurtherWrong);
    QVERIFY(second.rateConstantWork.has_value());
    QCOMPARE(second.rateConstantWork->krate, QStringLiteral("1"));
    QCOMPARE(second.rateConstantWork->kconcA, QStringLiteral("[.4]"));
    QCOMPARE(second.rateConstantWork->kconcB, QStringLiteral("[1]"));
    QCOMPARE(second.rateConstantWork->kordera, QStringLiteral("1"));
    QCOMPARE(second.rateConstantWork->korderb, QStringLiteral("2"));

    QCOMPARE(tutor.continueClick(sample(), answers("1", "2", "4")).kind, Kind::SameAnswer);
    QCOMPARE(tutor.continueClick(sample(), answers("1", "2", "2.5")).kind, Kind::Right);
    QCOMPARE(tutor.continueClick(sample(), {}).kind, Kind::StageEnded);
}

void TestTutor::tutorAcceptsOnlyTheExactK_data()
{
    QTest::addColumn<QString>("k");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("3.47") << "3.47" << Kind::Right;
    QTest::newRow("3.470") << "3.470" << Kind::Right;
    QTest::newRow("3.469, right in grading") << "3.469" << Kind::FirstWrong;
    QTest::newRow("3.4700001 is the same single") << "3.4700001" << Kind::Right;
}

void TestTutor::tutorAcceptsOnlyTheExactK()
{
    QFETCH(QString, k);
    QFETCH(Kind, kind);
    Problem problem = sample();
    problem.k = 3.47f;
    GuidedTutor tutor;
    tutor.begin(Stage::RateConstant);
    select(tutor, {0});
    tutor.continueClick(problem, {});
    QCOMPARE(tutor.continueClick(problem, {QStringLiteral("1"), QStringLiteral("2"), k}).kind, kind);
}

void TestTutor::zeroRateGivesANoteNotARatio_data()
{
    QTest::addColumn<float>("rate0");
    QTest::addColumn<float>("rate1");
    QTest::newRow("second rate 0") << 0.25f << 0.0f;
    QTest::newRow("both rates 0") << 0.0f << 0.0f;
}

void TestTutor::zeroRateGivesANoteNotARatio()
{
    QFETCH(float, rate0);
    QFETCH(float, rate1);
    Problem problem = sample();
    problem.rate[0] = rate0;
    problem.rate[1] = rate1;
    GuidedTutor tutor;
    tutor.begin(Stage::OrderA);
    select(tutor, {0, 1});
    tutor.continueClick(problem, {});
    const ContinueOutcome first = tutor.continueClick(problem, answers("2", "1", "9"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QVERIFY(!first.orderWork->ratioShown);
    QCOMPARE(first.orderWork->raterat, QStringLiteral("Cannot divide by a rate of 0."));
    QCOMPARE(first.orderWork->ratesel2, QStringLiteral("0"));
    const ContinueOutcome second = tutor.continueClick(problem, answers("3", "1", "9"));
    QCOMPARE(second.logLine, QStringLiteral("Cannot divide by a rate of 0."));
    for (const QString &text : {first.orderWork->raterat, first.orderWork->ratesel1, second.logLine}) {
        QVERIFY2(!text.contains(QLatin1String("inf"), Qt::CaseInsensitive), qPrintable(text));
        QVERIFY2(!text.contains(QLatin1String("nan"), Qt::CaseInsensitive), qPrintable(text));
    }
}

void TestTutor::answerBeyondSingleRangeIsWrong()
{
    Problem problem = sample();
    problem.orderA = 0.0f;
    GuidedTutor tutor;
    tutor.begin(Stage::OrderA);
    select(tutor, {0, 1});
    tutor.continueClick(problem, {});
    QCOMPARE(tutor.continueClick(problem, answers("1e39", "1", "9")).kind, Kind::FirstWrong);
    QCOMPARE(tutor.continueClick(problem, answers("-1e400", "1", "9")).kind, Kind::FurtherWrong);
    QCOMPARE(tutor.continueClick(problem, answers("zero", "1", "9")).kind, Kind::Right);
}

void TestTutor::continueWithoutStageDoesNothing()
{
    GuidedTutor tutor;
    const ContinueOutcome outcome = tutor.continueClick(sample(), answers("1", "2", "3"));
    QCOMPARE(outcome.kind, Kind::Nothing);
    QVERIFY(outcome.message.isEmpty());
    QVERIFY(tutor.oldanswer(1).isEmpty());
}

QTEST_GUILESS_MAIN(TestTutor)
#include "test_tutor.moc"
