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

class TestGeneration : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void ordersAndKAreRedrawnTogether();
    void manyProblems_data();
    void manyProblems();
};

void TestGeneration::ordersAndKAreRedrawnTogether()
{
    // Both orders 0, then k 0, each repeat the whole round of three draws
    // (a concentration that rounds to 0.010 or less is drawn again too:
    // many problems below find one).
    runtime::ScriptedRandom orders(script({0.1f, 0.2f, 0.5f, 0.5f, 0.5f, 0.0005f, 0.5f, 0.1f, 0.999f, 0.42f}));
    Problem problem;
    drawOrdersAndK(problem, orders);
    QCOMPARE((QList<float>{problem.orderA, problem.orderB, problem.k, orders.next()}), (QList<float>{1, 0, 9.99f, 0.42f}));
}

void TestGeneration::manyProblems_data()
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
void TestGeneration::manyProblems()
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
            const QString text = runtime::trimmedText(p.rate[i]);
            const qsizetype point = text.indexOf(u'.');
            QVERIFY2(point < 0 || text.size() - point - 1 <= (exact < 1.0f ? 4 : 3), qPrintable(text));
            rowOrder += QString::number(rowNumber(p.rowTop[i]));
            const double k = p.rate[i] / (std::pow(p.concA[i], p.orderA) * std::pow(p.concB[i], p.orderB));
            QVERIFY2(rateConstantVerdict(runtime::trimmedText(k), p.k) == Verdict::Right, qPrintable(QString::number(k)));
            kSum += k;
        }
        QCOMPARE(rateConstantVerdict(runtime::trimmedText(kSum / TrialCount), p.k), Verdict::Right);
        rowOrders.insert(rowOrder);
        std::sort(rowOrder.begin(), rowOrder.end());
        QCOMPARE(rowOrder, QStringLiteral("1234"));
        const auto pairOrder = [&p](const std::array<float, 5> &conc, int other) {
            return std::log(double(p.rate[other]) / p.rate[0]) / std::log(double(conc[other]) / conc[0]);
        };
        QVERIFY2(std::fabs(pairOrder(p.concA, 1) - p.orderA) <= 0.1, qPrintable(QString::number(n)));
        QVERIFY2(std::fabs(pairOrder(p.concB, 2) - p.orderB) <= 0.1, qPrintable(QString::number(n)));
    }
    QCOMPARE(ordersA, (hard ? QSet<float>{0, 1, 2, 0.5f, 1.5f} : QSet<float>{0, 1, 2}));
    QCOMPARE(ordersB, (hard ? QSet<float>{0, 1, 2, -1} : QSet<float>{0, 1, 2}));
    QCOMPARE(rowOrders.size(), 24);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
