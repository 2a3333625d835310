// SPDX-License-Identifier: GPL-3.0-or-later
// Problems, grading of submitted answers and the guided tutor, without the
// screen.
#include "initialrates/grading.h"
#include "initialrates/tutor.h"
#include "runtime/numbers.h"
#include "scripted.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace initialrates;
using Kind = ContinueOutcome::Kind;

namespace {

// Trials 0 and 1 share [B]; 0 and 2 share [A]; trial 3 shares [B] with 0
// and 1 but not [A], so it too pairs with either for the order in A.
Problem sample()
{
    return {.orderA = 1.0f,
            .orderB = 2.0f,
            .k = 2.5f,
            .concA = {0.4f, 0.8f, 0.4f, 0.2f},
            .concB = {0.5f, 0.5f, 1.0f, 0.5f},
            .rate = {0.25f, 0.5f, 1.0f, 0.125f}};
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

    void manyProblems_data()
    {
        QTest::addColumn<Difficulty>("difficulty");
        QTest::newRow("relatively easy") << Difficulty::RelativelyEasy;
        QTest::newRow("moderately difficult") << Difficulty::ModeratelyDifficult;
        QTest::newRow("difficult") << Difficulty::Difficult;
    }

    // Ranges (every order of the level turns up, and no other), the shared and
    // doubled concentrations, cut rates and every one of the 24 row orders, over
    // many seeded problems; and every problem can be solved from its table as
    // shown: each reactant's pair of trials gives its order within 0.1, and k
    // worked out from any row, or their average, is graded right.
    void manyProblems()
    {
        QFETCH(Difficulty, difficulty);
        testing::SeededRandom random(20240 + int(difficulty));
        const bool easy = difficulty == Difficulty::RelativelyEasy;
        const bool hard = difficulty == Difficulty::Difficult;
        QSet<float> ordersA, ordersB;
        QSet<QString> rowOrders;
        for (int n = 0; n < 20000; ++n) {
            const Problem p = generateProblem(random, difficulty);
            ordersA.insert(p.orderA);
            ordersB.insert(p.orderB);
            QVERIFY(hard || p.orderA + p.orderB > 0);
            QVERIFY(p.k >= 0.01f && p.k <= 9.99f);
            QCOMPARE(p.k, float(std::round(double(p.k) * 100) / 100));
            QCOMPARE(p.concB[1], p.concB[0]);
            QCOMPARE(p.concA[2], p.concA[0]);
            if (easy) {
                QCOMPARE(p.concA[1], p.concA[0] + p.concA[0]);
                QCOMPARE(p.concB[2], p.concB[0] + p.concB[0]);
            }
            QString rowOrder;
            double kSum = 0.0;
            for (int i = 0; i < TrialCount; ++i) {
                const float limit = easy && (i == 1 || i == 2) ? 2.0f : 1.0f;
                QVERIFY(std::min(p.concA[i], p.concB[i]) >= 0.011f && std::max(p.concA[i], p.concB[i]) <= limit);
                const float exact = float(trialRate(p.concA[i], p.concB[i], p.orderA, p.orderB, p.k));
                const float step = exact < 1.0f ? 1e-4f : 1e-3f;
                // Cut: never above the exact rate (but for a unit in the last
                // place from single-precision scaling), less than a step below;
                // four decimals below 1, three from 1 on.
                QVERIFY2(p.rate[i] <= exact * 1.000001f && exact - p.rate[i] < step * 1.001f,
                         qPrintable(QString::number(exact)));
                const QString text = runtime::plainText(p.rate[i]);
                const qsizetype point = text.indexOf(u'.');
                QVERIFY2(point < 0 || text.size() - point - 1 <= (exact < 1.0f ? 4 : 3), qPrintable(text));
                rowOrder += QString::number(p.row[i] + 1);
                const double k = p.rate[i] / (std::pow(p.concA[i], p.orderA) * std::pow(p.concB[i], p.orderB));
                QVERIFY2(rateConstantVerdict(runtime::plainText(k), p.k) == Verdict::Right,
                         qPrintable(QString::number(k)));
                kSum += k;
            }
            QCOMPARE(rateConstantVerdict(runtime::plainText(kSum / TrialCount), p.k), Verdict::Right);
            rowOrders.insert(rowOrder);
            std::sort(rowOrder.begin(), rowOrder.end());
            QCOMPARE(rowOrder, QStringLiteral("1234"));
            const auto pairOrder = [&p](const std::array<float, TrialCount> &conc, int other) {
                return std::log(double(p.rate[other]) / p.rate[0]) / std::log(double(conc[other]) / conc[0]);
            };
            QVERIFY2(std::fabs(pairOrder(p.concA, 1) - p.orderA) <= 0.1, qPrintable(QString::number(n)));
            QVERIFY2(std::fabs(pairOrder(p.concB, 2) - p.orderB) <= 0.1, qPrintable(QString::number(n)));
        }
        QCOMPARE(ordersA, (hard ? QSet<float>{0, 1, 2, 0.5f, 1.5f} : QSet<float>{0, 1, 2}));
        QCOMPARE(ordersB, (hard ? QSet<float>{0, 1, 2, -1} : QSet<float>{0, 1, 2}));
        QCOMPARE(rowOrders.size(), 24);
    }
    // Orders must equal the typed number exactly, in single precision; k must lie
    // strictly within 2 %. The tutor's answer boxes take them the same way.
    void submitAndTutorJudgeAlike_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("value");
        QTest::addColumn<Kind>("kind");
        const Stage A = Stage::OrderA, K = Stage::RateConstant;
        QTest::newRow("order: 2.01 is not 2") << A << "2.01" << 2.0f << Kind::FirstWrong;
        QTest::newRow("order: -1") << A << "-1" << -1.0f << Kind::Right;
        QTest::newRow("order: no number is 0") << A << "none" << 0.0f << Kind::Right;
        QTest::newRow("order: beyond single range") << A << "1e40" << 0.0f << Kind::FirstWrong;
        QTest::newRow("order: comma after the digits is read") << A << "1," << 1.0f << Kind::Right;
        QTest::newRow("order: decimal comma refused") << A << "0,5" << 0.5f << Kind::Refused;
        QTest::newRow("k: 4.91 for 5") << K << "4.91" << 5.0f << Kind::Right;
        QTest::newRow("k: exactly 2 % above") << K << "5.1" << 5.0f << Kind::FirstWrong;
        QTest::newRow("k: exactly 2 % below") << K << "4.9" << 5.0f << Kind::FirstWrong;
        QTest::newRow("k: 3.4696, worked out from a row") << K << "3.4696" << 3.47f << Kind::Right;
        QTest::newRow("k: beyond double range") << K << "-1e999" << 9.99f << Kind::FirstWrong;
        QTest::newRow("k: decimal comma, blank after it, refused") << K << "3, 47" << 3.47f << Kind::Refused;
    }

    void submitAndTutorJudgeAlike()
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
        const Verdict expected = kind == Kind::Right ? Verdict::Right : Verdict::Wrong;
        if (kind == Kind::Refused)
            QCOMPARE(result.outcome, SubmitOutcome::DecimalComma);
        else
            QCOMPARE(isK ? result.grading.k : result.grading.orderA, expected);
        GuidedTutor tutor = tutorAt(stage, isK ? QList<int>{0} : QList<int>{0, 1}, problem);
        const ContinueOutcome outcome = tutor.continueClick(problem, typed);
        QCOMPARE(outcome.kind, kind);
        // A refusal says why: the decimal point.
        QCOMPARE(outcome.message, kind == Kind::Refused ? runtime::decimalCommaMessage() : QString());
    }

    // Every order a level draws, through the stage that tutors it and the
    // rate-constant stage: a wrong choice of trials refused, the right one
    // accepted, a first wrong answer worked out with the student's trials, a
    // second one with the logarithm line of the varied reactant, then the
    // right one and the stage's end.
    void everyOrderThroughItsStages_data()
    {
        QTest::addColumn<Stage>("stage");
        QTest::addColumn<float>("order");
        for (const float order : {0.0f, 1.0f, 2.0f, 0.5f, 1.5f})
            QTest::addRow("order %g in A", double(order)) << Stage::OrderA << order;
        for (const float order : {0.0f, 1.0f, 2.0f, -1.0f})
            QTest::addRow("order %g in B", double(order)) << Stage::OrderB << order;
        for (const float order : {0.0f, 0.5f, 1.5f, -1.0f})
            QTest::addRow("k with order %g", double(order)) << Stage::RateConstant << order;
    }

    void everyOrderThroughItsStages()
    {
        QFETCH(Stage, stage);
        QFETCH(float, order);
        Problem problem = sample();
        (stage == Stage::OrderB ? problem.orderB : problem.orderA) = order;
        for (int i = 0; i < TrialCount; ++i)
            problem.rate[i] =
                cutRate(trialRate(problem.concA[i], problem.concB[i], problem.orderA, problem.orderB, problem.k));
        const bool isK = stage == Stage::RateConstant;
        const int s1 = 0, s2 = stage == Stage::OrderB ? 2 : 1;
        const float right = isK ? problem.k : order;
        const auto answers = [&](float typed) {
            Answers a{"9", "9", runtime::plainText(problem.k)};
            (stage == Stage::OrderA ? a.orderA : stage == Stage::OrderB ? a.orderB : a.k) = runtime::plainText(typed);
            return a;
        };
        GuidedTutor tutor;
        const auto next = [&](float typed) { return tutor.continueClick(problem, answers(typed)); };
        tutor.begin(stage);
        // Trials 1 and 2 share neither concentration; k needs one trial.
        for (const int t : isK ? QList<int>{} : QList<int>{1, 2})
            tutor.trialClick(t);
        QCOMPARE(next(right + 1).kind, Kind::Refused);
        for (const int t : isK ? QList<int>{3} : QList<int>{1, 2, s1, s2})
            tutor.trialClick(t);
        QCOMPARE(next(right + 1).kind, Kind::ChoiceAccepted);
        QCOMPARE(next(right + 1).kind, Kind::FirstWrong);
        const ContinueOutcome second = next(right + 2);
        QCOMPARE(second.kind, Kind::FurtherWrong);
        const auto &varied = stage == Stage::OrderA ? problem.concA : problem.concB;
        QCOMPARE(isK ? second.rateConstantWork->krate : second.logLine,
                 isK ? runtime::plainText(problem.rate[3])
                     : QStringLiteral("log(%1) = order x log(%2)")
                           .arg(runtime::plainText(problem.rate[s1] / problem.rate[s2]),
                                runtime::plainText(varied[s1] / varied[s2])));
        QCOMPARE(next(right).kind, Kind::Right);
        QCOMPARE(next(right).kind, Kind::StageEnded);
    }

    // Trial 1's rate of 0 (cut from a very small one) is never divided by.
    void zeroRateGivesANoteNotARatio()
    {
        Problem problem = sample();
        problem.rate[1] = 0.0f;
        GuidedTutor tutor = tutorAt(Stage::OrderA, {0, 1}, problem);
        const ContinueOutcome first = tutor.continueClick(problem, {"2", "1", "9"});
        QVERIFY(!first.orderWork->ratioShown);
        QCOMPARE(first.orderWork->ratesel2, "0");
        QCOMPARE(first.orderWork->raterat, "Cannot divide by a rate of 0.");
        QCOMPARE(tutor.continueClick(problem, {"3", "1", "9"}).logLine, "Cannot divide by a rate of 0.");
    }
};

QTEST_GUILESS_MAIN(TestTutor)
#include "test_tutor.moc"
