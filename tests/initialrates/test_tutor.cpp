// SPDX-License-Identifier: GPL-3.0-or-later
// Grading of submitted answers and the guided tutor, without the screen.
#include "initialrates/grading.h"
#include "initialrates/tutor.h"

#include <QTest>
#include <limits>

using namespace initialrates;
using Kind = ContinueOutcome::Kind;

Q_DECLARE_METATYPE(initialrates::Stage)

namespace {

// Trials 0 and 1 share [B]; 0 and 2 share [A]; trial 3 shares [B] with 0
// and 1 but not [A], so it too pairs with either for the order in A.
Problem sample()
{
    return {.orderA = 1.0f, .orderB = 2.0f, .k = 2.5f, .concA = {0.4f, 0.8f, 0.4f, 0.2f, 0.0f},
            .concB = {0.5f, 0.5f, 1.0f, 0.5f, 0.0f}, .rate = {0.25f, 0.5f, 1.0f, 0.125f, 0.0f}};
}

// A tutor in that stage with those trials clicked and continue pressed once.
GuidedTutor tutorAt(Stage stage, const QList<int> &clicks, const Problem &problem = sample())
{
    GuidedTutor tutor;
    tutor.begin(stage);
    for (int t : clicks)
        tutor.trialClick(t);
    tutor.continueClick(problem, {});
    return tutor;
}

} // namespace

class TestTutor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void submitAndTutorJudgeAlike_data();
    void submitAndTutorJudgeAlike();
    void attemptsNeverWrap();
    void zeroRateGivesANoteNotARatio();
};

// Orders must equal the typed number exactly, in single precision; k must lie
// strictly within 2 %. The tutor's answer boxes take them the same way.
void TestTutor::submitAndTutorJudgeAlike_data()
{
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::addColumn<Kind>("kind");
    const auto row = [](const char *name, Stage stage, const char *text, float value, Kind kind) {
        QTest::newRow(name) << stage << QString::fromLatin1(text) << value << kind;
    };
    const Stage A = Stage::OrderA, K = Stage::RateConstant;
    row("order: 2 .0, blanks skipped", A, "2 .0", 2, Kind::Right);
    row("order: 2.01 is not 2", A, "2.01", 2, Kind::FirstWrong);
    row("order: 1/2 reads as 1", A, "1/2", 0.5f, Kind::FirstWrong);
    row("order: -1", A, "-1", -1, Kind::Right);
    row("order: no number is 0", A, "none", 0, Kind::Right);
    row("order: beyond single range", A, "1e40", 0, Kind::FirstWrong);
    row("order: comma after the digits is read", A, "1,", 1, Kind::Right);
    row("order: comma after a word is read", A, "2,a", 2, Kind::Right);
    row("order: decimal comma refused", A, "0,5", 0.5f, Kind::Refused);
    row("k: 4.91 for 5", K, "4.91", 5, Kind::Right);
    row("k: exactly 2 % above", K, "5.1", 5, Kind::FirstWrong);
    row("k: exactly 2 % below", K, "4.9", 5, Kind::FirstWrong);
    row("k: 3.4696, worked out from a row", K, "3.4696", 3.47f, Kind::Right);
    row("k: beyond double range", K, "-1e999", 9.99f, Kind::FirstWrong);
    row("k: decimal comma, blank after it, refused", K, "3, 47", 3.47f, Kind::Refused);
}

void TestTutor::submitAndTutorJudgeAlike()
{
    QFETCH(Stage, stage);
    QFETCH(QString, text);
    QFETCH(float, value);
    QFETCH(Kind, kind);
    const bool isK = stage == Stage::RateConstant;
    Problem problem = sample();
    (isK ? problem.k : problem.orderA) = value;
    problem.orderB = 1.0f;
    const Answers typed = isK ? Answers{"1", "1", text} : Answers{text, "1", QString::number(problem.k)};
    const SubmitResult result = submitAnswers(problem, typed, 0);
    if (kind == Kind::Refused) {
        QCOMPARE(result.outcome, SubmitOutcome::DecimalComma);
    } else {
        const Verdict expected = kind == Kind::Right ? Verdict::Right : Verdict::Wrong;
        QCOMPARE(isK ? result.grading.k : result.grading.orderA, expected);
    }
    GuidedTutor tutor = tutorAt(stage, isK ? QList<int>{0} : QList<int>{0, 1}, problem);
    QCOMPARE(tutor.continueClick(problem, typed).kind, kind);
}

// The count of attempts goes on past 32767 and stops at the largest int.
void TestTutor::attemptsNeverWrap()
{
    QCOMPARE(countAttempt(32767), 32768);
    QCOMPARE(countAttempt(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

// Trial 1's rate of 0 (cut from a very small one) is never divided by.
void TestTutor::zeroRateGivesANoteNotARatio()
{
    Problem problem = sample();
    problem.rate[1] = 0.0f;
    GuidedTutor tutor = tutorAt(Stage::OrderA, {0, 1}, problem);
    const ContinueOutcome first = tutor.continueClick(problem, {"2", "1", "9"});
    QVERIFY(!first.orderWork->ratioShown);
    QCOMPARE((QStringList{first.orderWork->ratesel2, first.orderWork->raterat}), (QStringList{"0", "Cannot divide by a rate of 0."}));
    QCOMPARE(tutor.continueClick(problem, {"3", "1", "9"}).logLine, "Cannot divide by a rate of 0.");
}

QTEST_GUILESS_MAIN(TestTutor)
#include "test_tutor.moc"
