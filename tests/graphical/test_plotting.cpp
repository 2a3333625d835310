// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphical/leastsquares.h"
#include "graphical/plotting.h"
#include "graphical/problem.h"
#include "runtime/random.h"

#include <QTest>
#include <cmath>
#include <deque>

using namespace graphical;

Q_DECLARE_METATYPE(graphical::PlotType)
Q_DECLARE_METATYPE(graphical::RangeKind)
Q_DECLARE_METATYPE(graphical::Concentrations)

namespace {

Concentrations uniform(float value)
{
    Concentrations c;
    c.fill(value);
    return c;
}

Concentrations with(Concentrations c, int t, float value)
{
    c[t] = value;
    return c;
}

} // namespace

class TestPlotting : public QObject
{
    Q_OBJECT
private slots:
    void ranges_data();
    void ranges();
    void fitOfAFlatLine();
    void straightPlotGivesK_data();
    void straightPlotGivesK();
};

void TestPlotting::ranges_data()
{
    QTest::addColumn<Concentrations>("concA");
    QTest::addColumn<PlotType>("type");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<RangeKind>("kind");

    const Concentrations falling{0.8f, 0.7f, 0.6f, 0.5f, 0.4f, 0.3f, 0.25f, 0.2f, 0.16f};
    QTest::newRow("[A]: 5 % above the first, 5 % below the last")
        << falling << PlotType::Concentration << 1.05 * double(0.8f) << 0.95 * double(0.16f) << RangeKind::Margins;
    QTest::newRow("ln[A] of values below 1: both ends negative")
        << falling << PlotType::Logarithm << 0.95 * double(std::log(0.8f)) << 1.05 * double(std::log(0.16f))
        << RangeKind::Margins;
    const Concentrations fromOne{1.0f, 0.6703f, 0.4493f, 0.3011f, 0.2018f, 0.1353f, 0.0907f, 0.0608f, 0.0407f};
    QTest::newRow("ln[A] with [A]0 = 1.000: no margin at the top")
        << fromOne << PlotType::Logarithm << 0.0 << 1.05 * double(float(std::log(double(0.0407f))))
        << RangeKind::Margins;
    const Concentrations secondOrder{0.8f, 0.1162f, 0.0627f, 0.043f, 0.0327f, 0.0264f, 0.0221f, 0.019f, 0.0166f};
    const double y8 = 1.0f / 0.0166f;
    QTest::newRow("1/[A]: both margins 5 % of the last value, bottom below 0")
        << secondOrder << PlotType::Reciprocal << 1.05 * y8 << double(1.0f / 0.8f) - 0.05 * y8 << RangeKind::Margins;
    QTest::newRow("ln[A] flat at 0: opened a unit either way")
        << uniform(1.0f) << PlotType::Logarithm << 1.0 << -1.0 << RangeKind::Widened;
    // ln 0, 1/0 and ln of a negative [A]: no range, and no fit either.
    const Concentrations zeroAtEnd = with(uniform(0.5f), 8, 0.0f);
    const Concentrations negative = with(uniform(0.5f), 4, -0.1f);
    QTest::newRow("ln of 0") << zeroAtEnd << PlotType::Logarithm << 0.0 << 0.0 << RangeKind::Unusable;
    QTest::newRow("1/0") << zeroAtEnd << PlotType::Reciprocal << 0.0 << 0.0 << RangeKind::Unusable;
    QTest::newRow("ln of a negative value") << negative << PlotType::Logarithm << 0.0 << 0.0 << RangeKind::Unusable;
}

void TestPlotting::ranges()
{
    QFETCH(Concentrations, concA);
    QFETCH(PlotType, type);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(RangeKind, kind);

    const PlotPoints ploty = plotValues(concA, type);
    const PlotRange range = plotRange(ploty, type);
    QCOMPARE(range.kind, kind);
    if (kind == RangeKind::Unusable) {
        QVERIFY(std::isfinite(range.top) && std::isfinite(range.bottom) && range.top != range.bottom);
        QCOMPARE(fitLine(ploty).status, FitStatus::Unusable);
        return;
    }
    // Margins are formed in double from single values: a millionth of the span.
    const double tolerance = 1e-6 * std::fabs(top - bottom);
    QVERIFY2(std::fabs(range.top - top) <= tolerance, qPrintable(QString::number(range.top, 'g', 17)));
    QVERIFY2(std::fabs(range.bottom - bottom) <= tolerance, qPrintable(QString::number(range.bottom, 'g', 17)));
    if (top == 0.0)
        QCOMPARE(range.top, 0.0);
}

void TestPlotting::fitOfAFlatLine()
{
    const LineFit flat = fitLine(uniform(0.5f));
    QCOMPARE(flat.status, FitStatus::Fitted);
    QCOMPARE(flat.slope, 0.0f);
    QCOMPARE(flat.intercept, 0.5f);
    // No slope, no correlation: 0 rather than 0/0.
    QCOMPARE(flat.correlation, 0.0);
}

void TestPlotting::straightPlotGivesK_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("sign");
    // Up to the four-decimal cut of the table, so within a stated tolerance.
    QTest::addColumn<double>("relativeTolerance");
    QTest::newRow("zero order, [A] plot: -k") << QList<float>{0.1f, 0.701f, 0.5f} << -1 << 1e-3;
    QTest::newRow("zero order, small k") << QList<float>{0.1f, 0.9f, 0.0f} << -1 << 1e-3;
    QTest::newRow("first order, ln[A] plot: -k") << QList<float>{0.5f, 0.85f, 0.3f} << -1 << 1e-2;
    QTest::newRow("first order, large k") << QList<float>{0.5f, 1.0f, 0.95f} << -1 << 1e-2;
    QTest::newRow("second order, 1/[A] plot: +k") << QList<float>{0.9f, 0.75f, 0.6f} << 1 << 1e-2;
    QTest::newRow("second order, smallest k") << QList<float>{0.9f, 1.0f, 0.0f} << 1 << 1e-2;
}

void TestPlotting::straightPlotGivesK()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, sign);
    QFETCH(double, relativeTolerance);
    runtime::ScriptedRandom random(std::make_shared<std::deque<float>>(draws.begin(), draws.end()));
    const GraphicalProblem p = generateProblem(random);
    const PlotPoints ploty = plotValues(p.concA, plotTypeOfIndex(p.orderA));
    const LineFit fit = fitLine(ploty);
    QCOMPARE(fit.status, FitStatus::Fitted);
    QVERIFY2(std::fabs(fit.slope - sign * double(p.k)) <= relativeTolerance * p.k,
             qPrintable(QStringLiteral("slope %1, k %2").arg(fit.slope).arg(p.k)));

    // The straight plot correlates best of the three, |r| close to 1.
    QVERIFY(fit.correlation > 0.999 && fit.correlation <= 1.0);
    for (int other = 0; other < PlotTypes; ++other) {
        if (other != p.orderA)
            QVERIFY(fitLine(plotValues(p.concA, plotTypeOfIndex(other))).correlation < fit.correlation);
    }

    // The same points give the same line.
    const LineFit again = fitLine(ploty);
    QCOMPARE(again.slope, fit.slope);
    QCOMPARE(again.intercept, fit.intercept);
    QCOMPARE(again.correlation, fit.correlation);
}

QTEST_GUILESS_MAIN(TestPlotting)
#include "test_plotting.moc"
