// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/numbers.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace runtime;

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void readsTypedText_data();
    void readsTypedText();
    void singleRangeIsReported_data();
    void singleRangeIsReported();
    void numberTextOfSingles_data();
    void numberTextOfSingles();
    void numberTextOfDoubles_data();
    void numberTextOfDoubles();
    void numberTextIgnoresTheLocale();
    void roundsTiesToEven_data();
    void roundsTiesToEven();
    void cutsNotRounds_data();
    void cutsNotRounds();
    void intPartGoesDown();
};

void TestNumbers::readsTypedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain integer") << "2" << 2.0;
    QTest::newRow("leading blank") << " 2" << 2.0;
    QTest::newRow("trailing zero decimal") << "2.0" << 2.0;
    QTest::newRow("fraction stops at slash") << "1/2" << 1.0;
    QTest::newRow("no zero before point") << ".5" << 0.5;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("blank inside is skipped") << "1 2" << 12.0;
    QTest::newRow("tabs and line feeds skipped") << "\t1\n.\t5\n" << 1.5;
    QTest::newRow("blank between sign and digits") << "- 3" << -3.0;
    QTest::newRow("letters read as zero") << "abc" << 0.0;
    QTest::newRow("empty reads as zero") << "" << 0.0;
    QTest::newRow("digits then letters") << "5abc" << 5.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "2.5e3" << 2500.0;
    QTest::newRow("exponent with D") << "1D2" << 100.0;
    QTest::newRow("negative exponent") << "5E-2" << 0.05;
    QTest::newRow("exponent mark without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e-" << 3.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("two signs read as zero") << "--1" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("non-ASCII digit stops") << QString::fromUtf8("1\u0662") << 1.0;
    QTest::newRow("tiny underflows quietly") << "1e-400" << 0.0;
}

void TestNumbers::readsTypedText()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const NumberReading reading = readNumber(text);
    QVERIFY(!reading.outOfRange);
    QCOMPARE(reading.value, value);
}

void TestNumbers::singleRangeIsReported_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("1e40 beyond single") << "1e40" << false;
    QTest::newRow("1e400 beyond double") << "1e400" << false;
    QTest::newRow("-1e40 beyond single") << "-1e40" << false;
    QTest::newRow("largest single fits") << "3.4e38" << true;
    QTest::newRow("ordinary answer fits") << "0.51" << true;
    QTest::newRow("minus zero fits") << "-0" << true;
    QTest::newRow("long run of digits") << QString(500, u'9') << false;
}

void TestNumbers::singleRangeIsReported()
{
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QCOMPARE(textToSingle(text).has_value(), fits);
}

void TestNumbers::numberTextOfSingles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("plain");
    QTest::newRow("below one, no zero") << .405f << " .405" << ".405";
    QTest::newRow("seven digits") << 2.513943f << " 2.513943" << "2.513943";
    QTest::newRow("one") << 1.0f << " 1" << "1";
    QTest::newRow("zero") << 0.0f << " 0" << "0";
    QTest::newRow("minus zero") << -0.0f << " 0" << "0";
    QTest::newRow("negative") << -.5f << "-.5" << "-.5";
    QTest::newRow("negative whole") << -12.0f << "-12" << "-12";
    QTest::newRow("rounded to seven digits") << .67086234f << " .6708623" << ".6708623";
    QTest::newRow("cut rate") << .1234f << " .1234" << ".1234";
    QTest::newRow("small, fixed") << .0001f << " .0001" << ".0001";
    QTest::newRow("smaller, exponent") << .00001f << " 1E-05" << "1E-05";
    QTest::newRow("small with digits") << .0000123f << " 1.23E-05" << "1.23E-05";
    QTest::newRow("largest fixed") << 9999999.0f << " 9999999" << "9999999";
    QTest::newRow("large, exponent") << 12345678.0f << " 1.234568E+07" << "1.234568E+07";
    QTest::newRow("carry into next digit") << 9.9999999f << " 10" << "10";
    QTest::newRow("huge") << 3.0e38f << " 3E+38" << "3E+38";
    QTest::newRow("negative small") << -.00002f << "-2E-05" << "-2E-05";
}

void TestNumbers::numberTextOfSingles()
{
    QFETCH(float, value);
    QFETCH(QString, number);
    QFETCH(QString, plain);
    QCOMPARE(numberText(value), number);
    QCOMPARE(plainText(value), plain);
    QCOMPARE(trimmedText(value), plain);
}

void TestNumbers::numberTextOfDoubles_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("number");
    QTest::newRow("fifteen digits") << 0.123456789012345678 << " .123456789012346";
    QTest::newRow("third") << 1.0 / 3.0 << " .333333333333333";
    QTest::newRow("negative slope") << -0.5000000001 << "-.5000000001";
    QTest::newRow("exponent") << 1.5e20 << " 1.5E+20";
    QTest::newRow("three-digit exponent") << 1e-200 << " 1E-200";
    QTest::newRow("near the largest double") << -1.7976931348623155e308 << "-1.79769313486232E+308";
    QTest::newRow("infinity gives nothing") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("NaN gives nothing") << std::numeric_limits<double>::quiet_NaN() << "";
}

void TestNumbers::numberTextOfDoubles()
{
    QFETCH(double, value);
    QFETCH(QString, number);
    QCOMPARE(numberText(value, Precision::Double), number);
}

void TestNumbers::numberTextIgnoresTheLocale()
{
    // A German locale writes 2,5: numbers typed and shown stay with a point.
    const char *old = setlocale(LC_ALL, nullptr);
    const QByteArray saved = old ? QByteArray(old) : QByteArray("C");
    if (!setlocale(LC_ALL, "de_DE.UTF-8"))
        setlocale(LC_NUMERIC, "C");
    QCOMPARE(numberText(2.5f), QStringLiteral(" 2.5"));
    QCOMPARE(readNumber(u"2.5").value, 2.5);
    setlocale(LC_ALL, saved.constData());
}

void TestNumbers::roundsTiesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("rounded");
    QTest::newRow("2.5 to even 2") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5 to even 4") << 3.5 << 0 << 4.0;
    QTest::newRow("-2.5 to even -2") << -2.5 << 0 << -2.0;
    QTest::newRow("0.125 to 0.12") << 0.125 << 2 << 0.12;
    QTest::newRow("0.375 to 0.38") << 0.375 << 2 << 0.38;
    QTest::newRow("not a tie rounds up") << 1.2346 << 3 << 1.235;
}

void TestNumbers::roundsTiesToEven()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, rounded);
    QCOMPARE(roundTo(value, decimals), rounded);
}

void TestNumbers::cutsNotRounds_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.12349 shows .1234") << 0.12349f << 4 << " .1234";
    QTest::newRow("three decimals") << 2.5139f << 3 << " 2.513";
    QTest::newRow("already short") << 0.5f << 4 << " .5";
    QTest::newRow("below the last decimal") << 0.00009f << 4 << " 0";
    QTest::newRow("negative goes down") << -0.12341f << 4 << "-.1235";
}

void TestNumbers::cutsNotRounds()
{
    QFETCH(float, value);
    QFETCH(int, decimals);
    QFETCH(QString, shown);
    QCOMPARE(numberText(cutDecimals(value, decimals)), shown);
}

void TestNumbers::intPartGoesDown()
{
    QCOMPARE(intPart(2.7), 2.0);
    QCOMPARE(intPart(-2.2), -3.0);
    QCOMPARE(intPart(-0.5), -1.0);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
