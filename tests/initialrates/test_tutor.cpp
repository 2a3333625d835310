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
    return {.orderA = 1.0f,
            .orderB = 2.0f,
            .k = 2.5f,
            .concA = {0.4f, 0.8f, 0.4f, 0.2f, 0.0f},
            .concB = {0.5f, 0.5f, 1.0f, 0.5f, 0.0f},
            .rate = {0.25f, 0.5f, 1.0f, 0.125f, 0.0f}};
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

// A tutor in that stage with those trials clicked and continue pressed once.
GuidedTutor tutorAt(Stage stage, const QList<int> &trials, const Problem &problem = sample())
{
    GuidedTutor tutor;
    tutor.begin(stage);
    select(tutor, trials);
    tutor.continueClick(problem, {});
    return tutor;
}

// The outcome of continue for each set of answers in turn.
QList<Kind> kinds(GuidedTutor &tutor, const QList<Answers> &typed, const Problem &problem = sample())
{
    QList<Kind> result;
    for (const Answers &a : typed)
        result.append(tutor.continueClick(problem, a).kind);
    return result;
}

const QString notCorrect = QStringLiteral("This is not correct. Here is more detail on how the math works.");

} // namespace

class TestTutor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void stageOpeningAndSelection_data();
    void stageOpeningAndSelection();
    void choiceOfTrials_data();
    void choiceOfTrials();
    void rightFirstAnswerEndsOnTheNextClick_data();
    void rightFirstAnswerEndsOnTheNextClick();
    void wrongOrdersUncoverTheWorkedMath();
    void rateConstantStage();
    void unchangedAnswersAreNotChecked();
    void answersAreJudgedAsSubmitJudgesThem_data();
    void answersAreJudgedAsSubmitJudgesThem();
    void zeroRateGivesANoteNotARatio_data();
    void zeroRateGivesANoteNotARatio();
};

void TestTutor::stageOpeningAndSelection_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<int>("limit");
    QTest::newRow("order in A, two rows") << Stage::OrderA << "Determining Order with Respect to [A]"
                                          << "Choose two reactions from those to the left that can be used to "
                                             "determine the order with respect to [A]. Click continue when ready."
                                          << 2;
    QTest::newRow("order in B, two rows") << Stage::OrderB << "Determining Order with Respect to [B]"
                                          << "Choose two reactions from those to the left that can be used to "
                                             "determine the order with respect to [B]. Click continue when ready."
                                          << 2;
    QTest::newRow("rate constant, one row")
        << Stage::RateConstant << "Determining the rate constant, k."
        << "Select one reaction from those to the left to use to determine the rate constant." << 1;
}

void TestTutor::stageOpeningAndSelection()
{
    QFETCH(Stage, stage);
    QFETCH(QString, title);
    QFETCH(QString, instruction);
    QFETCH(int, limit);
    // Outside a stage rows do not select and continue neither answers nor
    // stores the answers.
    GuidedTutor tutor;
    QCOMPARE(tutor.trialClick(1), SelectionChange::Unchanged);
    const ContinueOutcome nothing = tutor.continueClick(sample(), answers("1", "2", "3"));
    QCOMPARE(nothing.kind, Kind::Nothing);
    QVERIFY(nothing.message.isEmpty() && tutor.oldanswer(1).isEmpty());

    const GuidedTutor::Opening opening = tutor.begin(stage);
    QCOMPARE(opening.title, title);
    QCOMPARE(opening.instruction, instruction);
    QCOMPARE(tutor.tutorstep(), TutorStep::ChoosingTrials);
    QCOMPARE(tutor.numsel(), 0);
    for (int i = 0; i < limit; ++i)
        QCOMPARE(tutor.trialClick(i), SelectionChange::Selected);
    // One more row is refused without a word; a selected one always unselects.
    QCOMPARE(tutor.trialClick(3), SelectionChange::Unchanged);
    QVERIFY(!tutor.trialselected(3));
    QCOMPARE(tutor.trialClick(0), SelectionChange::Unselected);
    QCOMPARE(tutor.numsel(), limit - 1);
    QCOMPARE(tutor.trialClick(3), SelectionChange::Selected);
    QCOMPARE(tutor.numsel(), limit);
    tutor.deselect();
    QVERIFY(!tutor.trialselected(3));
    QCOMPARE(tutor.trialClick(2), SelectionChange::Unchanged);
}

// A refused choice gives a message and keeps the step; an accepted one gives
// the next instruction.
void TestTutor::choiceOfTrials_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("instruction");
    const QString equalB = QStringLiteral("Choose two reactions that have equal [B].");
    const QString equalA = QStringLiteral("Choose two reactions that have equal [A].");
    const QString goodA = QStringLiteral("Good. These two reactions have equal [B]. The change in rate is due only to "
                                         "changes in [A]. Use these data and the general equation; enter the order "
                                         "for A above.");
    const QString goodB = QStringLiteral("Good. These two reactions have equal [A]. The change in rate is due only to "
                                         "changes in [B]. Use these data and the general equation; enter the order "
                                         "for B above.");
    QTest::newRow("A: one left of a good pair") << Stage::OrderA << QList<int>{0, 1, 1} << equalB << "";
    QTest::newRow("A: equal [A]") << Stage::OrderA << QList<int>{0, 2} << equalB << "";
    QTest::newRow("A: different [B]") << Stage::OrderA << QList<int>{1, 2} << equalB << "";
    QTest::newRow("A: 0 and 1") << Stage::OrderA << QList<int>{1, 0} << "" << goodA;
    QTest::newRow("A: 1 and 3") << Stage::OrderA << QList<int>{3, 1} << "" << goodA;
    QTest::newRow("B: equal [B]") << Stage::OrderB << QList<int>{0, 1} << equalA << "";
    QTest::newRow("B: one left of a good pair") << Stage::OrderB << QList<int>{0, 2, 2} << equalA << "";
    QTest::newRow("B: 0 and 2") << Stage::OrderB << QList<int>{2, 0} << "" << goodB;
    QTest::newRow("k: none") << Stage::RateConstant << QList<int>{}
                             << "Choose a reaction from the list to the left. Any one will do." << "";
    QTest::newRow("k: one") << Stage::RateConstant << QList<int>{3} << ""
                            << "Good. This reaction data can be used to determine k.";
}

void TestTutor::choiceOfTrials()
{
    QFETCH(Stage, stage);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, message);
    QFETCH(QString, instruction);
    GuidedTutor tutor;
    tutor.begin(stage);
    select(tutor, clicks);
    const ContinueOutcome outcome = tutor.continueClick(sample(), answers("0", "0", "1"));
    QCOMPARE(outcome.kind, message.isEmpty() ? Kind::ChoiceAccepted : Kind::Refused);
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.instruction, instruction);
    QCOMPARE(tutor.tutorstep(), message.isEmpty() ? TutorStep::FirstAnswer : TutorStep::ChoosingTrials);
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
    GuidedTutor tutor = tutorAt(stage, trials);
    QCOMPARE(tutor.tutorstep(), TutorStep::FirstAnswer);
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

void TestTutor::wrongOrdersUncoverTheWorkedMath()
{
    GuidedTutor tutor = tutorAt(Stage::OrderA, {1, 0});
    const ContinueOutcome first = tutor.continueClick(sample(), answers("2", "1", "9"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QCOMPARE(first.instruction, notCorrect);
    QVERIFY(first.orderWork.has_value());
    // The lower trial index is the numerator, whatever the click order.
    const OrderWork &work = *first.orderWork;
    QCOMPARE((QStringList{work.ratesel1, work.ratesel2, work.a1, work.a2}), (QStringList{".25", ".5", ".4", ".8"}));
    QCOMPARE(work.raterat, " .5 = .5");
    QVERIFY(work.ratioShown);
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);

    // Further wrong answers rebuild the log line from the trials selected now.
    const ContinueOutcome second = tutor.continueClick(sample(), answers("3", "1", "9"));
    QCOMPARE(second.kind, Kind::FurtherWrong);
    QVERIFY(second.instruction.isEmpty());
    QCOMPARE(second.logLine, "log(.5) = order x log(.5)");
    select(tutor, {0, 3}); // now trials 1 and 3
    const ContinueOutcome third = tutor.continueClick(sample(), answers("4", "1", "9"));
    QCOMPARE(third.kind, Kind::FurtherWrong);
    QCOMPARE(third.logLine, "log(4) = order x log(4)");
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);

    const ContinueOutcome right = tutor.continueClick(sample(), answers("1", "1", "9"));
    QCOMPARE(right.kind, Kind::Right);
    QCOMPARE(right.instruction, "Good. This is the correct order for A.");
}

void TestTutor::rateConstantStage()
{
    // Trial 0 picked and dropped: the work must use trial 2.
    GuidedTutor tutor = tutorAt(Stage::RateConstant, {0, 0, 2});
    const ContinueOutcome first = tutor.continueClick(sample(), answers("1", "2", "3"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QCOMPARE(first.instruction, notCorrect);
    QVERIFY(!first.rateConstantWork && !first.orderWork);

    const ContinueOutcome second = tutor.continueClick(sample(), answers("1", "2", "4"));
    QCOMPARE(second.kind, Kind::FurtherWrong);
    QVERIFY(second.rateConstantWork.has_value());
    const RateConstantWork &work = *second.rateConstantWork;
    QCOMPARE((QStringList{work.krate, work.kconcA, work.kconcB, work.kordera, work.korderb}),
             (QStringList{"1", "[.4]", "[1]", "1", "2"}));
    QCOMPARE(kinds(tutor, {answers("1", "2", "2.5"), {}}), (QList<Kind>{Kind::Right, Kind::StageEnded}));
}

void TestTutor::unchangedAnswersAreNotChecked()
{
    GuidedTutor tutor = tutorAt(Stage::OrderA, {0, 1});
    QCOMPARE(tutor.continueClick(sample(), answers("2", "1", "9")).kind, Kind::FirstWrong);
    const ContinueOutcome again = tutor.continueClick(sample(), answers("2", "1", "9"));
    QCOMPARE(again.kind, Kind::SameAnswer);
    QCOMPARE(again.message, "This is the same answer as before. Please input a new answer.");
    QVERIFY(again.logLine.isEmpty());
    QVERIFY(tutor.sameanswer());
    QCOMPARE(tutor.tutorstep(), TutorStep::WorkedMath);
    // A change in any box is a new answer.
    QCOMPARE(kinds(tutor, {answers("2", "1", "9.0"), answers("1", "1", "9.0"), {}}),
             (QList<Kind>{Kind::FurtherWrong, Kind::Right, Kind::StageEnded}));

    // The next stage, even of another problem, compares with the last texts.
    tutor.begin(Stage::RateConstant);
    select(tutor, {3});
    tutor.continueClick(sample(), {});
    QCOMPARE(kinds(tutor, {answers("1", "1", "9.0"), answers("1", "1", "3"), answers("1", "1", "3")}),
             (QList<Kind>{Kind::SameAnswer, Kind::FirstWrong, Kind::SameAnswer}));
}

void TestTutor::answersAreJudgedAsSubmitJudgesThem_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Kind>("kind");
    // k within 2 %, as Submit takes it; orders exactly.
    QTest::newRow("k 3.47") << Stage::RateConstant << "3.47" << Kind::Right;
    QTest::newRow("k 3.4696, worked out from a row") << Stage::RateConstant << "3.4696" << Kind::Right;
    QTest::newRow("k 3.40, 2.02 % low") << Stage::RateConstant << "3.40" << Kind::FirstWrong;
    QTest::newRow("k 3.54, 2.02 % high") << Stage::RateConstant << "3.54" << Kind::FirstWrong;
    QTest::newRow("order 0: 0.01 is not 0") << Stage::OrderA << "0.01" << Kind::FirstWrong;
    QTest::newRow("order 0: beyond single range") << Stage::OrderA << "1e39" << Kind::FirstWrong;
    QTest::newRow("order 0: beyond double range") << Stage::OrderA << "-1e400" << Kind::FirstWrong;
}

void TestTutor::answersAreJudgedAsSubmitJudgesThem()
{
    QFETCH(Stage, stage);
    QFETCH(QString, answer);
    QFETCH(Kind, kind);
    Problem problem = sample();
    problem.orderA = 0.0f;
    problem.k = 3.47f;
    GuidedTutor tutor = tutorAt(stage, stage == Stage::OrderA ? QList<int>{0, 1} : QList<int>{0}, problem);
    Answers typed = answers("9", "9", "9");
    (stage == Stage::OrderA ? typed.orderA : typed.k) = answer;
    QCOMPARE(tutor.continueClick(problem, typed).kind, kind);
}

void TestTutor::zeroRateGivesANoteNotARatio_data()
{
    QTest::addColumn<float>("rate0");
    QTest::newRow("second rate 0") << 0.25f;
    QTest::newRow("both rates 0") << 0.0f;
}

void TestTutor::zeroRateGivesANoteNotARatio()
{
    QFETCH(float, rate0);
    Problem problem = sample();
    problem.rate[0] = rate0;
    problem.rate[1] = 0.0f;
    GuidedTutor tutor = tutorAt(Stage::OrderA, {0, 1}, problem);
    const ContinueOutcome first = tutor.continueClick(problem, answers("2", "1", "9"));
    QCOMPARE(first.kind, Kind::FirstWrong);
    QVERIFY(!first.orderWork->ratioShown);
    QCOMPARE(first.orderWork->raterat, "Cannot divide by a rate of 0.");
    QCOMPARE(first.orderWork->ratesel1, rate0 == 0.0f ? "0" : ".25");
    QCOMPARE(first.orderWork->ratesel2, "0");
    QCOMPARE(tutor.continueClick(problem, answers("3", "1", "9")).logLine, "Cannot divide by a rate of 0.");
}

QTEST_GUILESS_MAIN(TestTutor)
#include "test_tutor.moc"
