// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialrates/grading.h"

#include <QTest>
#include <limits>

using namespace initialrates;

Q_DECLARE_METATYPE(initialrates::Verdict)
Q_DECLARE_METATYPE(initialrates::Stage)
Q_DECLARE_METATYPE(initialrates::SubmitOutcome)

namespace {

Problem problemOf(float orderA, float orderB, float k)
{
    return {.orderA = orderA, .orderB = orderB, .k = k};
}

} // namespace

class TestGrading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void ordersAreComparedExactly_data();
    void ordersAreComparedExactly();
    void rateConstantWithinTwoPercent_data();
    void rateConstantWithinTwoPercent();
    void refusalsGradeNothing_data();
    void refusalsGradeNothing();
    void firstWrongQuantityChoosesTheStage_data();
    void firstWrongQuantityChoosesTheStage();
    void attemptsKeepCounting_data();
    void attemptsKeepCounting();
};

void TestGrading::ordersAreComparedExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("order");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("2") << "2" << 2.0f << Verdict::Right;
    QTest::newRow("2.0") << "2.0" << 2.0f << Verdict::Right;
    QTest::newRow("blank before 2") << " 2" << 2.0f << Verdict::Right;
    QTest::newRow("blank inside") << "2 .0" << 2.0f << Verdict::Right;
    QTest::newRow("2.01") << "2.01" << 2.0f << Verdict::Wrong;
    QTest::newRow(".5") << ".5" << 0.5f << Verdict::Right;
    QTest::newRow("1/2 reads as 1 for an order of 1/2") << "1/2" << 0.5f << Verdict::Wrong;
    QTest::newRow("1/2 reads as 1 for an order of 1") << "1/2" << 1.0f << Verdict::Right;
    QTest::newRow("-1") << "-1" << -1.0f << Verdict::Right;
    QTest::newRow("1 for -1") << "1" << -1.0f << Verdict::Wrong;
    QTest::newRow("no number is 0") << "none" << 0.0f << Verdict::Right;
    QTest::newRow("blanks are 0") << "   " << 0.0f << Verdict::Right;
    QTest::newRow("beyond single range") << "1e40" << 0.0f << Verdict::Wrong;
    QTest::newRow("beyond double range") << "1e400" << 2.0f << Verdict::Wrong;
}

void TestGrading::ordersAreComparedExactly()
{
    QFETCH(QString, text);
    QFETCH(float, order);
    QFETCH(Verdict, verdict);
    QCOMPARE(exactVerdict(text, order), verdict);
    const Grading grading = checkanswer(problemOf(order, order, 1.0f), {text, text, QStringLiteral("1")});
    QCOMPARE(grading.orderA, verdict);
    QCOMPARE(grading.orderB, verdict);
}

void TestGrading::rateConstantWithinTwoPercent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("k");
    QTest::addColumn<Verdict>("verdict");
    QTest::newRow("4.91 for 5") << "4.91" << 5.0f << Verdict::Right;
    QTest::newRow("5.09 for 5") << "5.09" << 5.0f << Verdict::Right;
    QTest::newRow("4.89 for 5") << "4.89" << 5.0f << Verdict::Wrong;
    QTest::newRow("5.11 for 5") << "5.11" << 5.0f << Verdict::Wrong;
    QTest::newRow("exactly 2 % above") << "5.1" << 5.0f << Verdict::Wrong;
    QTest::newRow("exactly 2 % below") << "4.9" << 5.0f << Verdict::Wrong;
    QTest::newRow("3.469 for 3.47") << "3.469" << 3.47f << Verdict::Right;
    QTest::newRow("smallest k") << "0.0101" << 0.01f << Verdict::Right;
    QTest::newRow("no number") << "k" << 2.0f << Verdict::Wrong;
    QTest::newRow("beyond single range") << "1e39" << 9.99f << Verdict::Wrong;
    QTest::newRow("beyond double range") << "-1e999" << 9.99f << Verdict::Wrong;
}

void TestGrading::rateConstantWithinTwoPercent()
{
    QFETCH(QString, text);
    QFETCH(float, k);
    QFETCH(Verdict, verdict);
    QCOMPARE(rateConstantVerdict(text, k), verdict);
    QCOMPARE(checkanswer(problemOf(1, 1, k), {QStringLiteral("1"), QStringLiteral("1"), text}).k, verdict);
}

void TestGrading::refusalsGradeNothing_data()
{
    QTest::addColumn<float>("k");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<SubmitOutcome>("outcome");
    QTest::newRow("no problem chosen, boxes empty") << 0.0f << QStringList{"", "", ""} << SubmitOutcome::NoProblem;
    QTest::newRow("order in A empty") << 3.0f << QStringList{"", "2", "3"} << SubmitOutcome::MissingAnswer;
    QTest::newRow("order in B empty") << 3.0f << QStringList{"1", "", "3"} << SubmitOutcome::MissingAnswer;
    QTest::newRow("k empty") << 3.0f << QStringList{"1", "2", ""} << SubmitOutcome::MissingAnswer;
    QTest::newRow("a blank is not empty") << 3.0f << QStringList{" ", "2", "3"} << SubmitOutcome::Tutoring;
    QTest::newRow("all right") << 3.0f << QStringList{"1", "2", "3"} << SubmitOutcome::Completed;
}

void TestGrading::refusalsGradeNothing()
{
    QFETCH(float, k);
    QFETCH(QStringList, answers);
    QFETCH(SubmitOutcome, outcome);
    const SubmitResult result = submitAnswers(problemOf(1, 2, k), {answers[0], answers[1], answers[2]}, 0);
    QCOMPARE(result.outcome, outcome);
    QCOMPARE(result.graded(), outcome != SubmitOutcome::NoProblem && outcome != SubmitOutcome::MissingAnswer);
}

void TestGrading::firstWrongQuantityChoosesTheStage_data()
{
    QTest::addColumn<bool>("orderARight");
    QTest::addColumn<bool>("orderBRight");
    QTest::addColumn<bool>("kRight");
    QTest::addColumn<Stage>("stage");
    QTest::newRow("all wrong: order in A only") << false << false << false << Stage::OrderA;
    QTest::newRow("A and k wrong") << false << true << false << Stage::OrderA;
    QTest::newRow("A and B wrong") << false << false << true << Stage::OrderA;
    QTest::newRow("A wrong") << false << true << true << Stage::OrderA;
    QTest::newRow("B and k wrong") << true << false << false << Stage::OrderB;
    QTest::newRow("B wrong") << true << false << true << Stage::OrderB;
    QTest::newRow("k wrong") << true << true << false << Stage::RateConstant;
    QTest::newRow("all right") << true << true << true << Stage::None;
}

void TestGrading::firstWrongQuantityChoosesTheStage()
{
    QFETCH(bool, orderARight);
    QFETCH(bool, orderBRight);
    QFETCH(bool, kRight);
    QFETCH(Stage, stage);
    const Problem problem = problemOf(1, 2, 3.47f);
    const Answers answers{orderARight ? QStringLiteral("1") : QStringLiteral("0"),
                          orderBRight ? QStringLiteral("2.0") : QStringLiteral("1"),
                          kRight ? QStringLiteral("3.5") : QStringLiteral("3.6")};
    const auto verdict = [](bool right) { return right ? Verdict::Right : Verdict::Wrong; };
    // Problems 5 and 6 (slots 4 and 5) grade alike but tutor nothing.
    for (int slot = 0; slot < SlotCount; ++slot) {
        const SubmitResult result = submitAnswers(problem, answers, slot);
        QCOMPARE(result.grading.orderA, verdict(orderARight));
        QCOMPARE(result.grading.orderB, verdict(orderBRight));
        QCOMPARE(result.grading.k, verdict(kRight));
        QCOMPARE(result.outcome, stage == Stage::None ? SubmitOutcome::Completed
                                 : slot >= 4          ? SubmitOutcome::NoTutoring
                                                      : SubmitOutcome::Tutoring);
        QCOMPARE(result.stage, slot >= 4 ? Stage::None : stage);
        QVERIFY(result.graded());
    }
}

void TestGrading::attemptsKeepCounting_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("first") << 0 << 1;
    QTest::newRow("past a 16-bit count") << 32767 << 32768;
    QTest::newRow("never wraps") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max();
}

void TestGrading::attemptsKeepCounting()
{
    QFETCH(int, before);
    QFETCH(int, after);
    QCOMPARE(countAttempt(before), after);
}

QTEST_GUILESS_MAIN(TestGrading)
#include "test_grading.moc"
