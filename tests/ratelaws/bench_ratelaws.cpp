// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelaws/ratelawchecker.h"
#include "ratelaws/ratelawproblem.h"

#include <QTest>

// Judging must feel instant for anything the answer box can hold (32767
// characters), however strange.
class BenchRateLaws : public QObject
{
    Q_OBJECT
private slots:
    void judge_data();
    void judge();
};

void BenchRateLaws::judge_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("a right answer") << "rate = k [NO]^2^ [H_2_]";
    QTest::newRow("a box full of carets") << QString(32767, QLatin1Char('^'));
    QTest::newRow("a box full of blanks") << QString(32767, QLatin1Char(' '));
    QTest::newRow("a box full of terms") << QStringLiteral("[NO]^").repeated(32767 / 5);
}

void BenchRateLaws::judge()
{
    QFETCH(QString, typed);
    const ratelaws::RateLawProblem problem = ratelaws::rateLawProblem(1);
    QBENCHMARK {
        const ratelaws::Judgement judgement = ratelaws::judge(problem, typed);
        Q_UNUSED(judgement);
    }
}

QTEST_GUILESS_MAIN(BenchRateLaws)
#include "bench_ratelaws.moc"
