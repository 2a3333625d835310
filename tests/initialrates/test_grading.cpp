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
    void eachAnswerIsGraded_data();
    void eachAnswerIsGraded();
    void refusalsGradeNothing_data();
    void refusalsGradeNothing();
    void firstWrongQuantityChoosesTheStage_data();
    void firstWrongQuantityChoosesTheStage();
    void attemptsNeverWrap();
};

// Orders must equal the typed number exactly, in single precision; k must
// lie strictly within 2 %.
void TestGrading::eachAnswerIsGraded_data()
{
    QTest::addColumn<bool>("isK");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::addColumn<Verdict>("verdict");
    const auto order = [](const char *name, const char *text, float value, Verdict verdict) {
        QTest::newRow(name) << false << QString::fromLatin1(text) << value << verdict;
    };
    const auto k = [](const char *name, const char *text, float value, Verdict verdict) {
        QTest::newRow(name) << true << QString::fromLatin1(text) << value << verdict;
    };
    order("order: 2", "2", 2, Verdict::Right);
    order("order: 2.0", "2.0", 2, Verdict::Right);
    order("order: blank before 2", " 2", 2, Verdict::Right);
    order("order: blank inside", "2 .0", 2, Verdict::Right);
    order("order: 2.01", "2.01", 2, Verdict::Wrong);
    order("order: .5", ".5", 0.5f, Verdict::Right);
    order("order: 1/2 reads as 1 for an order of 1/2", "1/2", 0.5f, Verdict::Wrong);
    order("order: 1/2 reads as 1 for an order of 1", "1/2", 1, Verdict::Right);
    order("order: -1", "-1", -1, Verdict::Right);
    order("order: 1 for -1", "1", -1, Verdict::Wrong);
    order("order: no number is 0", "none", 0, Verdict::Right);
    order("order: blanks are 0", "   ", 0, Verdict::Right);
    order("order: beyond single range", "1e40", 0, Verdict::Wrong);
    order("order: beyond double range", "1e400", 2, Verdict::Wrong);
    k("k: 4.91 for 5", "4.91", 5, Verdict::Right);
    k("k: 5.09 for 5", "5.09", 5, Verdict::Right);
    k("k: 4.89 for 5", "4.89", 5, Verdict::Wrong);
    k("k: 5.11 for 5", "5.11", 5, Verdict::Wrong);
    k("k: exactly 2 % above", "5.1", 5, Verdict::Wrong);
    k("k: exactly 2 % below", "4.9", 5, Verdict::Wrong);
    k("k: 3.469 for 3.47", "3.469", 3.47f, Verdict::Right);
    k("k: smallest", "0.0101", 0.01f, Verdict::Right);
    k("k: no number", "k", 2, Verdict::Wrong);
    k("k: beyond single range", "1e39", 9.99f, Verdict::Wrong);
    k("k: beyond double range", "-1e999", 9.99f, Verdict::Wrong);
}

void TestGrading::eachAnswerIsGraded()
{
    QFETCH(bool, isK);
    QFETCH(QString, text);
    QFETCH(float, value);
    QFETCH(Verdict, verdict);
    const QString one = QStringLiteral("1");
    const Grading grading = isK ? checkanswer(problemOf(1, 1, value), {one, one, text})
                                : checkanswer(problemOf(value, value, 1), {text, text, one});
    QCOMPARE(grading.orderA, isK ? Verdict::Right : verdict);
    QCOMPARE(grading.orderB, isK ? Verdict::Right : verdict);
    QCOMPARE(grading.k, isK ? verdict : Verdict::Right);
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
    QTest::newRow("decimal comma in the order in A") << 3.0f << QStringList{"0,5", "2", "3"} << SubmitOutcome::DecimalComma;
    QTest::newRow("decimal comma in k, blank after it") << 3.0f << QStringList{"1", "2", "3, 47"} << SubmitOutcome::DecimalComma;
    QTest::newRow("comma after the digits is read") << 3.0f << QStringList{"1,", "2", "3"} << SubmitOutcome::Completed;
    QTest::newRow("comma after a word is read") << 3.0f << QStringList{"1", "2,a", "3"} << SubmitOutcome::Completed;
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
    QCOMPARE(result.graded(), outcome == SubmitOutcome::Tutoring || outcome == SubmitOutcome::Completed);
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

// The count goes on past 32767 and stops at the largest int.
void TestGrading::attemptsNeverWrap()
{
    QCOMPARE(countAttempt(0), 1);
    QCOMPARE(countAttempt(32767), 32768);
    QCOMPARE(countAttempt(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

QTEST_GUILESS_MAIN(TestGrading)
#include "test_grading.moc"
