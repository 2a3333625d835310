// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphical/grading.h"
#include "graphical/leastsquares.h"
#include "graphical/problem.h"
#include "runtime/numbers.h"
#include "runtime/random.h"

#include <QTest>
#include <deque>
#include <random>

using namespace graphical;

class TestGeneration : public QObject
{
    Q_OBJECT
private slots:
    void scriptedProblems_data();
    void scriptedProblems();
    void orderFromDraw_data();
    void orderFromDraw();
    void seededProblemsCanBeSolved();
};

void TestGeneration::scriptedProblems_data()
{
    // Draws in the order they are used: the order, [A]0 (until one is kept), k.
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("orderA");
    QTest::addColumn<float>("k");
    QTest::addColumn<QStringList>("shown"); // rows 0, 1 and 8 of the table
    const float top = std::nextafter(1.0f, 0.0f);

    QTest::newRow("zero order, drawn .701 used as .7009")
        << QList<float>{0.1f, 0.701f, 0.5f} << 0 << 0.049f << QStringList{" .7009", " .6519", " .3089"};
    QTest::newRow("zero order, .7004 rounds to .700 and is redrawn; smallest k")
        << QList<float>{0.1f, 0.7004f, 0.3f, 0.7005f, 0.0f} << 0 << 0.028f
        << QStringList{" .7009", " .6729", " .4769"};
    QTest::newRow("zero order, largest k")
        << QList<float>{0.1f, 0.9996f, top} << 0 << 0.099f << QStringList{" 1", " .901", " .208"};
    QTest::newRow("first order")
        << QList<float>{0.5f, 0.85f, 0.3f} << 1 << 0.58f << QStringList{" .85", " .4759", " .0082"};
    QTest::newRow("first order, .700 rejected, 1.000 kept; smallest k")
        << QList<float>{0.5f, 0.7f, 0.9996f, 0.0f} << 1 << 0.4f << QStringList{" 1", " .6703", " .0407"};
    // The fastest first-order problem leaves .0002 at 8 min: one digit, so
    // the fit's slope misses k by more than 2 % and the problem is drawn again.
    QTest::newRow("first order, largest k is drawn again")
        << QList<float>{0.5f, 0.85f, top, 0.5f, 0.85f, 0.3f} << 1 << 0.58f << QStringList{" .85", " .4759", " .0082"};
    // 1/.75 in single is a hair above 4/3, so the cut shows .7499.
    QTest::newRow("second order, drawn .75 used as .7499")
        << QList<float>{0.9f, 0.75f, 0.6f} << 2 << 7.6f << QStringList{" .7499", " .1119", " .016"};
    QTest::newRow("second order, smallest k")
        << QList<float>{0.9f, 1.0f, 0.0f} << 2 << 4.0f << QStringList{" 1", " .2", " .0303"};
    QTest::newRow("second order, largest k")
        << QList<float>{0.9f, 1.0f, top} << 2 << 9.99f << QStringList{" 1", " .0909", " .0123"};
}

void TestGeneration::scriptedProblems()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, orderA);
    QFETCH(float, k);
    QFETCH(QStringList, shown);

    auto script = std::make_shared<std::deque<float>>(draws.begin(), draws.end());
    runtime::ScriptedRandom random(script);
    const GraphicalProblem problem = generateProblem(random);

    QCOMPARE(problem.orderA, orderA);
    QCOMPARE(problem.k, k);
    const QStringList table{runtime::numberText(problem.concA[0]), runtime::numberText(problem.concA[1]),
                            runtime::numberText(problem.concA[8])};
    QCOMPARE(table, shown);
    // Exactly the scripted draws were used, no more and no fewer.
    QVERIFY(script->empty() && !random.overrun());
}

void TestGeneration::orderFromDraw_data()
{
    // 28 % zero order, 40 % first, 32 % second: the boundaries.
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("orderA");
    QTest::newRow("just below .28") << 0.2799f << 0;
    QTest::newRow(".28") << 0.28f << 1;
    QTest::newRow("just below .68") << 0.6799f << 1;
    QTest::newRow(".68") << 0.68f << 2;
    QTest::newRow("largest draw") << std::nextafter(1.0f, 0.0f) << 2;
}

void TestGeneration::orderFromDraw()
{
    QFETCH(float, draw);
    QFETCH(int, orderA);
    QCOMPARE(graphical::orderFromDraw(draw), orderA);
}

// Ranges and shares as designed, and every problem can be solved from its
// table: the |slope| shown for the straight plot is graded right, and that
// plot shows the highest |r|.
void TestGeneration::seededProblemsCanBeSolved()
{
    // Many reproducible draws, to look at many problems at once.
    std::mt19937 engine(20240601);
    auto draws = std::make_shared<std::deque<float>>();
    for (int i = 0; i < 250000; ++i)
        draws->push_back(std::generate_canonical<float, 24>(engine));
    runtime::ScriptedRandom random(draws);
    std::array<int, 3> counts{};
    for (int i = 0; i < 20000; ++i) {
        const GraphicalProblem p = generateProblem(random);
        const QByteArray where = "problem " + QByteArray::number(i);
        QVERIFY2(p.concA[0] >= 0.7f && p.concA[0] <= 1.0f, where);
        for (int t = 1; t < TableRows; ++t)
            QVERIFY2(p.concA[t] < p.concA[t - 1], where);
        switch (p.orderA) {
        case 0:
            QVERIFY2(p.k >= 0.028f && p.k <= 0.099f && p.k < p.concA[0] / 10, where);
            // [A] never reaches 0: at 8 min at least about a fifth of [A]0.
            QVERIFY2(p.concA[8] > 0.19f * p.concA[0], where);
            break;
        case 1:
            QVERIFY2(p.k >= 0.4f && p.k <= 0.999f && p.concA[8] > 0.0f, where);
            break;
        case 2:
            QVERIFY2(p.k >= 4.0f && p.k <= 9.99f, where);
            QVERIFY2(p.concA[8] >= 0.012f && p.concA[8] <= 0.031f, where);
            break;
        default:
            QFAIL(where);
        }
        ++counts[p.orderA];
        std::array<QString, PlotTypes> shownR;
        for (int type = 0; type < PlotTypes; ++type) {
            const LineFit fit = fitLine(plotValues(p.concA, plotTypeOfIndex(type)));
            shownR[type] = QString::number(fit.correlation, 'f', 5);
            if (type == p.orderA)
                QVERIFY2(checkRateConstant(runtime::trimmedText(std::fabs(fit.slope)), p.k) == Verdict::Correct, where);
        }
        for (int type = 0; type < PlotTypes; ++type)
            QVERIFY2(type == p.orderA || shownR[type] < shownR[p.orderA], where);
    }
    QVERIFY(!random.overrun());
    // Every order turns up in roughly its share.
    QVERIFY(counts[0] > 5000 && counts[1] > 7500 && counts[2] > 6000);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "test_generation.moc"
