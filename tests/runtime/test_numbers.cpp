// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/numbers.h"
#include "runtime/random.h"
#include "runtime/tutoring.h"

#include <QTest>
#include <cmath>

using namespace runtime;

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    // A German locale writes 2,5: numbers typed and shown keep their point
    // whatever the desktop's language.
    void keepThePointInAGermanLocale()
    {
        if (!setlocale(LC_ALL, "de_DE.UTF-8"))
            QSKIP("the German locale de_DE.UTF-8 is not installed, so it cannot be tried");
        const bool kept = readNumber(QStringLiteral("2.5")).value == 2.5 && textToSingle(QStringLiteral("2,5")) == 2.0f
                          && runtime::numberText(2.5) == QStringLiteral(" 2.5");
        setlocale(LC_ALL, "C");
        QVERIFY(kept);
    }

    void readsTypedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // infinite: beyond double precision
        QTest::addColumn<bool>("single");  // within single precision
        QTest::newRow("blanks, tabs and line feeds skipped") << "\t1\n. \t5\n" << 1.5 << true;
        QTest::newRow("negative order") << "-1" << -1.0 << true;
        QTest::newRow("negative exponent after D") << "5D-2" << 0.05 << true;
        QTest::newRow("second point stops") << "1.2.3" << 1.2 << true;
        QTest::newRow("comma stops") << "1,5" << 1.0 << true;
        QTest::newRow("non-ASCII digit stops") << QString::fromUtf8("1\u0662") << 1.0 << true;
        QTest::newRow("tiny underflows quietly") << "1e-400" << 0.0 << true;
        QTest::newRow("1e40 beyond single") << "1e40" << 1e40 << false;
        QTest::newRow("1e400 beyond double") << "1e400" << qInf() << false;
        QTest::newRow("beyond double by its point") << "-0.0001e313" << -qInf() << false;
        QTest::newRow("underflow with a long whole part") << "1000e-330" << 0.0 << true;
        QTest::newRow("underflow with a long fraction") << "1." + QString(400, u'0') + "e-350" << 0.0 << true;
    }

    void readsTypedText()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const NumberReading reading = readNumber(text);
        QCOMPARE(reading.outOfRange, std::isinf(value));
        QCOMPARE(std::signbit(reading.value), std::signbit(value));
        if (!reading.outOfRange)
            QCOMPARE(reading.value, value);
        QTEST(textToSingle(text).has_value(), "single");
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single");
        QTest::addColumn<QString>("number");
        QTest::newRow("rounded to seven digits") << .67086234 << true << " .6708623";
        QTest::newRow("one") << 1.0 << true << " 1";
        QTest::newRow("minus zero") << -0.0 << true << " 0";
        QTest::newRow("negative") << -.5 << true << "-.5";
        QTest::newRow("small, fixed") << .0001 << true << " .0001";
        QTest::newRow("smaller, exponent") << .00001 << true << " 1E-05";
        QTest::newRow("large, exponent") << 12345678.0 << true << " 1.234568E+07";
        QTest::newRow("carry into next digit") << 9.9999999 << true << " 10";
        QTest::newRow("double: fifteen digits") << 0.123456789012345678 << false << " .123456789012346";
        QTest::newRow("double: exponent from 1E+15") << 1.5e20 << false << " 1.5E+20";
        QTest::newRow("infinity gives nothing") << qInf() << false << "";
    }

    void numberText()
    {
        QFETCH(double, value);
        QFETCH(bool, single);
        QFETCH(QString, number);
        const Precision precision = single ? Precision::Single : Precision::Double;
        const double stored = single ? double(float(value)) : value; // as the screens keep it
        QCOMPARE(runtime::numberText(stored, precision), number);
        QCOMPARE(plainText(stored, precision), number.trimmed());
    }

    // Rounding takes ties to the even digit; cutting goes down, in single
    // precision, keeping exactly n decimals.
    void roundsAndCuts()
    {
        QCOMPARE(roundTo(0.12349, 4), 0.1235);
        QCOMPARE(roundTo(2.5, 0), 2.0);
        QCOMPARE(roundTo(3.5, 0), 4.0);
        QCOMPARE(runtime::numberText(cutDecimals(0.12349f, 4)), QStringLiteral(" .1234"));
        QCOMPARE(runtime::numberText(cutDecimals(0.00009f, 4)), QStringLiteral(" 0"));
        QCOMPARE(runtime::numberText(cutDecimals(-0.12341f, 4)), QStringLiteral("-.1235"));
    }

    // A draw of 1.0 would place a table row below the last one; a source stuck
    // in a corner of the range would never give some problems.
    void drawsStayBelowOne()
    {
        // QCOMPARE would take a draw of 1.0 for the largest float below it.
        QVERIFY(unitInterval(1.0f) == std::nextafter(1.0f, 0.0f)); // a conversion can round up to 1.0
        QCOMPARE(unitInterval(-0.1f), 0.0f);
        QCOMPARE(unitInterval(float(qQNaN())), 0.0f);
        QCOMPARE(unitInterval(0.05f), 0.05f); // a draw inside passes as it is
        ProgramRandom source;
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < 200000; ++i) {
            const float draw = source.next();
            QVERIFY2(draw >= 0.0f && draw < 1.0f, qPrintable(QString::number(double(draw), 'g', 9)));
            lowest = std::min(lowest, draw);
            highest = std::max(highest, draw);
        }
        QVERIFY(lowest < 0.001f && highest > 0.999f);
        // A script that runs out says so, which the model tests rely on.
        ScriptedRandom scripted(std::make_shared<std::deque<float>>(1, 0.5f));
        QVERIFY(scripted.next() == 0.5f && !scripted.overrun() && scripted.next() < 1.0f && scripted.overrun());
    }

    // A slot's attempts stop at the largest 16-bit count instead of turning
    // negative, and count for that slot alone.
    void attemptsStopAtTheLargestCount()
    {
        ProblemSlots counts;
        for (int i = 0; i < 32766; ++i)
            counts.countAttempt(2);
        QCOMPARE(counts.countAttempt(2), 32767);
        QCOMPARE(counts.countAttempt(2), 32767);
        QCOMPARE(counts.attempts(1) + counts.attempts(3), 0);
        QVERIFY(ProblemSlots::tutored(3) && !ProblemSlots::tutored(4));
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
