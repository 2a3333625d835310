// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/random.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace runtime;

class TestRandom : public QObject
{
    Q_OBJECT
private slots:
    void guardKeepsDrawsBelowOne_data();
    void guardKeepsDrawsBelowOne();
    void clockSourceStaysInRange();
    void scriptedDrawsComeBackInOrder();
    void factoryIsInjectable();
};

void TestRandom::guardKeepsDrawsBelowOne_data()
{
    QTest::addColumn<float>("draw");
    QTest::addColumn<float>("kept");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("1.0 from a float conversion") << 1.0f << belowOne;
    QTest::newRow("above one") << 1.5f << belowOne;
    QTest::newRow("just below one stays") << belowOne << belowOne;
    QTest::newRow("zero stays") << 0.0f << 0.0f;
    QTest::newRow("ordinary draw stays") << 0.25f << 0.25f;
    QTest::newRow("negative becomes zero") << -0.1f << 0.0f;
    QTest::newRow("NaN becomes zero") << std::numeric_limits<float>::quiet_NaN() << 0.0f;
}

void TestRandom::guardKeepsDrawsBelowOne()
{
    QFETCH(float, draw);
    QFETCH(float, kept);
    QCOMPARE(unitInterval(draw), kept);
}

void TestRandom::clockSourceStaysInRange()
{
    ClockRandom source;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float draw = source.next();
        QVERIFY2(draw >= 0.0f && draw < 1.0f, qPrintable(QString::number(double(draw), 'g', 9)));
        lowest = std::min(lowest, draw);
        highest = std::max(highest, draw);
    }
    // A source stuck in a corner of the range would fail here.
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestRandom::scriptedDrawsComeBackInOrder()
{
    auto script = std::make_shared<std::deque<float>>(std::deque<float>{0.1f, 0.7f, 1.0f});
    ScriptedRandom source(script);
    source.reseed();
    QCOMPARE(source.next(), 0.1f);
    QCOMPARE(source.next(), 0.7f);
    QVERIFY(source.next() < 1.0f);
    QVERIFY(!source.overrun());
    // Past the end: remembered, and the draws go on varying so that a loop
    // waiting for a suitable one ends.
    const float first = source.next();
    QVERIFY(source.overrun());
    QVERIFY(first >= 0.0f && first < 1.0f && source.next() != first);
}

void TestRandom::factoryIsInjectable()
{
    auto script = std::make_shared<std::deque<float>>(std::deque<float>{0.5f});
    setRandomFactory([script] { return std::make_unique<ScriptedRandom>(script); });
    QCOMPARE(makeRandomSource()->next(), 0.5f);
    setRandomFactory({});
    QVERIFY(dynamic_cast<ClockRandom *>(makeRandomSource().get()) != nullptr);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "test_random.moc"
