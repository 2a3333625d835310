// SPDX-License-Identifier: GPL-3.0-or-later
#include "initialrates/grading.h"
#include "initialrates/problem.h"
#include "runtime/numbers.h"
#include "scripted.h"

#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace initialrates;
using testing::script;

Q_DECLARE_METATYPE(initialrates::Difficulty)

namespace {

QStringList captions(const std::array<float, 5> &values)
{
    QStringList texts;
    for (int i = 0; i < TrialCount; ++i)
        texts.append(runtime::numberText(values[i]));
    return texts;
}

} // namespace

class TestGeneration : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void knownDrawsOnEachLevel_data();
    void knownDrawsOnEachLevel();
    void concentrationRedrawsUpToAHundredth_data();
    void concentrationRedrawsUpToAHundredth();
    void ordersAndKAreRedrawnTogether();
    void difficultVariation_data();
    void difficultVariation();
    void ratesAreCutNotRounded_data();
    void ratesAreCutNotRounded();
    void manyProblems_data();
    void manyProblems();
};

void TestGeneration::knownDrawsOnEachLevel_data()
{
    QTest::addColumn<Difficulty>("difficulty");
    QTest::addColumn<QList<float>>("variation");
    QTest::addColumn<float>("orderA");
    QTest::addColumn<QStringList>("concA");
    QTest::addColumn<QStringList>("concB");
    QTest::addColumn<QStringList>("rates");
    QTest::newRow("relatively easy doubles trial 1's [A] and trial 2's [B]")
        << Difficulty::RelativelyEasy << QList<float>{} << 1.0f
        << QStringList{" .405", " .81", " .405", " .183"} << QStringList{" .645", " .645", " 1.29", " .981"}
        << QStringList{" .5846", " 1.169", " 2.338", " .6111"};
    QTest::newRow("moderately difficult keeps every draw")
        << Difficulty::ModeratelyDifficult << QList<float>{} << 1.0f
        << QStringList{" .405", " .784", " .405", " .183"} << QStringList{" .645", " .645", " .472", " .981"}
        << QStringList{" .5846", " 1.131", " .313", " .6111"};
    QTest::newRow("difficult draws once more and may halve the order")
        << Difficulty::Difficult << QList<float>{0.1f} << 0.5f
        << QStringList{" .405", " .784", " .405", " .183"} << QStringList{" .645", " .645", " .472", " .981"}
        << QStringList{" .9187", " 1.278", " .4919", " 1.428"};
}

void TestGeneration::knownDrawsOnEachLevel()
{
    QFETCH(Difficulty, difficulty);
    QFETCH(QList<float>, variation);
    QFETCH(float, orderA);
    QFETCH(QStringList, concA);
    QFETCH(QStringList, concB);
    QFETCH(QStringList, rates);
    auto draws = script({});
    testing::pushKnownProblem(draws, {variation.begin(), variation.end()});
    runtime::ScriptedRandom random(draws);
    const Problem problem = generateProblem(random, difficulty);
    QCOMPARE(problem.orderA, orderA);
    QCOMPARE(problem.orderB, 2.0f);
    QCOMPARE(problem.k, 3.47f);
    QCOMPARE(captions(problem.concA), concA);
    QCOMPARE(captions(problem.concB), concB);
    QCOMPARE(captions(problem.rate), rates);
    QCOMPARE(problem.rowTop, (std::array<int, 4>{4680, 5640, 6120, 5160}));
    // Every draw was used, none more.
    QVERIFY(draws->empty());
    QVERIFY(!random.overrun());
}

void TestGeneration::concentrationRedrawsUpToAHundredth_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<float>("concentration");
    QTest::addColumn<int>("used");
    QTest::newRow("0.010 is drawn again") << QList<float>{0.0104f, 0.5f} << 0.5f << 2;
    QTest::newRow("rounding up to 0.010 is drawn again") << QList<float>{0.0096f, 0.0099f, 0.2f} << 0.2f << 3;
    QTest::newRow("0 is drawn again") << QList<float>{0.0f, 0.0004f, 0.3f} << 0.3f << 3;
    QTest::newRow("0.011 is the smallest") << QList<float>{0.0106f} << 0.011f << 1;
    QTest::newRow("rounded, not cut") << QList<float>{0.4567f} << 0.457f << 1;
    QTest::newRow("1.000 is the largest") << QList<float>{0.9996f} << 1.0f << 1;
}

void TestGeneration::concentrationRedrawsUpToAHundredth()
{
    QFETCH(QList<float>, draws);
    QFETCH(float, concentration);
    QFETCH(int, used);
    auto queue = std::make_shared<std::deque<float>>(draws.begin(), draws.end());
    queue->push_back(0.75f);
    runtime::ScriptedRandom random(queue);
    QCOMPARE(goodrandomgenerate(random), concentration);
    QCOMPARE(int(draws.size() + 1 - queue->size()), used);
}

void TestGeneration::ordersAndKAreRedrawnTogether()
{
    // Both orders 0, then k 0, each repeat the whole round of three draws.
    runtime::ScriptedRandom random(script({0.1f, 0.2f, 0.5f, 0.5f, 0.5f, 0.0005f, 0.5f, 0.1f, 0.999f, 0.42f}));
    Problem problem;
    drawOrdersAndK(problem, random);
    QCOMPARE(problem.orderA, 1.0f);
    QCOMPARE(problem.orderB, 0.0f);
    QCOMPARE(problem.k, 9.99f);
    QCOMPARE(random.next(), 0.42f);
}

void TestGeneration::difficultVariation_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<float>("orderA");
    QTest::addColumn<float>("orderB");
    QTest::newRow("below 0.2: half order in A") << 0.19f << 0.5f << 1.0f;
    QTest::newRow("0.2 to 0.3: unchanged") << 0.25f << 1.0f << 1.0f;
    QTest::newRow("0.3 to 0.4: order 1.5 in A") << 0.35f << 1.5f << 1.0f;
    QTest::newRow("0.4 to 0.8: unchanged") << 0.6f << 1.0f << 1.0f;
    QTest::newRow("above 0.8: order -1 in B") << 0.81f << 1.0f << -1.0f;
}

void TestGeneration::difficultVariation()
{
    QFETCH(float, draw);
    QFETCH(float, orderA);
    QFETCH(float, orderB);
    runtime::ScriptedRandom random(script({draw}));
    Problem problem;
    problem.orderA = 1.0f;
    problem.orderB = 1.0f;
    applyDifficultVariation(problem, random);
    QCOMPARE(problem.orderA, orderA);
    QCOMPARE(problem.orderB, orderB);
}

void TestGeneration::ratesAreCutNotRounded_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("text");
    QTest::newRow("four decimals below 1") << 0.12349 << " .1234";
    QTest::newRow("just below 1") << 0.99999 << " .9999";
    QTest::newRow("three decimals from 1") << 1.0 << " 1";
    QTest::newRow("three decimals above 1") << 1.23456 << " 1.234";
    QTest::newRow("large") << 159.84019 << " 159.84";
    QTest::newRow("too small to show") << 0.00009 << " 0";
}

void TestGeneration::ratesAreCutNotRounded()
{
    QFETCH(double, rate);
    QFETCH(QString, text);
    QCOMPARE(runtime::numberText(cutRate(rate)), text);
}

void TestGeneration::manyProblems_data()
{
    QTest::addColumn<Difficulty>("difficulty");
    QTest::newRow("relatively easy") << Difficulty::RelativelyEasy;
    QTest::newRow("moderately difficult") << Difficulty::ModeratelyDifficult;
    QTest::newRow("difficult") << Difficulty::Difficult;
}

// Ranges, the shared and doubled concentrations, cut rates and every one of
// the 24 row orders, over many seeded problems; and every problem can be
// solved from its table as shown: each reactant's pair of trials gives its
// order within 0.1, and k worked out from any row, or their average, is
// graded right.
void TestGeneration::manyProblems()
{
    QFETCH(Difficulty, difficulty);
    testing::SeededRandom random(20240 + int(difficulty));
    const bool easy = difficulty == Difficulty::RelativelyEasy;
    const bool hard = difficulty == Difficulty::Difficult;
    const QList<float> ordersA = hard ? QList<float>{0, 1, 2, 0.5f, 1.5f} : QList<float>{0, 1, 2};
    const QList<float> ordersB = hard ? QList<float>{0, 1, 2, -1} : QList<float>{0, 1, 2};
    QSet<QString> rowOrders;
    for (int n = 0; n < 20000; ++n) {
        const Problem p = generateProblem(random, difficulty);
        QVERIFY(ordersA.contains(p.orderA) && ordersB.contains(p.orderB));
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
        for (int i = 0; i < TrialCount; ++i) {
            const float limit = easy && (i == 1 || i == 2) ? 2.0f : 1.0f;
            QVERIFY(p.concA[i] >= 0.011f && p.concA[i] <= limit);
            QVERIFY(p.concB[i] >= 0.011f && p.concB[i] <= limit);
            const float exact = float(trialRate(p.concA[i], p.concB[i], p.orderA, p.orderB, p.k));
            const float step = exact < 1.0f ? 1e-4f : 1e-3f;
            // Cut: never above the exact rate (but for a unit in the last
            // place from single-precision scaling), less than a step below.
            QVERIFY2(p.rate[i] <= exact * 1.000001f && exact - p.rate[i] < step * 1.001f,
                     qPrintable(QString::number(exact)));
            const QString text = runtime::trimmedText(p.rate[i]);
            const qsizetype point = text.indexOf(u'.');
            QVERIFY2(point < 0 || text.size() - point - 1 <= (exact < 1.0f ? 4 : 3), qPrintable(text));
            rowOrder += QString::number(rowNumber(p.rowTop[i]));
        }
        rowOrders.insert(rowOrder);
        const auto pairOrder = [&p](const std::array<float, 5> &conc, int other) {
            return std::log(double(p.rate[other]) / p.rate[0]) / std::log(double(conc[other]) / conc[0]);
        };
        QVERIFY2(std::fabs(pairOrder(p.concA, 1) - p.orderA) <= 0.1, qPrintable(captions(p.rate).join(u',')));
        QVERIFY2(std::fabs(pairOrder(p.concB, 2) - p.orderB) <= 0.1, qPrintable(captions(p.rate).join(u',')));
        double sum = 0.0;
        for (int i = 0; i < TrialCount; ++i) {
            const double k = p.rate[i] / (std::pow(p.concA[i], p.orderA) * std::pow(p.concB[i], p.orderB));
            QVERIFY2(rateConstantVerdict(runtime::trimmedText(k), p.k) == Verdict::Right, qPrintable(QString::number(k)));
            sum += k;
        }
        QCOMPARE(rateConstantVerdict(runtime::trimmedText(sum / TrialCount), p.k), Verdict::Right);
        std::sort(rowOrder.begin(), rowOrder.end());
        QCOMPARE(rowOrder, QStringLiteral("1234"));
    }
    QCOMPARE(rowOrders.size(), 24);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
