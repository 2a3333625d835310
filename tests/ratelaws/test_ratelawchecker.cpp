// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelaws/ratelawchecker.h"
#include "ratelaws/ratelawproblem.h"

#include <QTest>

using namespace ratelaws;
using enum ratelaws::Comment;
using Comments = QList<Comment>;

class TestRateLawChecker : public QObject
{
    Q_OBJECT
private slots:
    void judges_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("matchnumber"); // 0: Incorrect
        QTest::addColumn<Comments>("comments");
        QTest::addColumn<bool>("note"); // an order of 1 need not be written
        const Comments all{NoRateConstant, NoRateEquals, MissingCompound1, MissingCompound2, WrongOrder1};

        // Nitrogen monoxide + hydrogen: [NO] second order, [H_2_] first order.
        const int no = 1;
        QTest::newRow("NO: blanks, tab, no-break space, lower-case r")
            << no << "rate = k [NO]^2^\t[H_2_]" + QString(QChar(0xa0)) << 1 << Comments{} << false;
        QTest::newRow("NO: hydrogen first") << no << "Rate=k[H_2_][NO]^2^" << 3 << Comments{} << false;
        QTest::newRow("NO: superscript 2 left out") << no << "Rate=k[NO][H_2_]" << 0 << Comments{WrongOrder1} << false;
        QTest::newRow("NO: wrong order for hydrogen") << no << "Rate=k[NO]^2^[H_2_]^2^" << 0 << Comments{WrongOrder2}
                                                      << false;
        QTest::newRow("NO: capital K") << no << "Rate=K[NO]^2^[H_2_]" << 0 << Comments{NoRateConstant} << false;
        QTest::newRow("NO: empty answer") << no << "" << 0 << all << false;
        QTest::newRow("NO: lower-case formulas") << no << "rate=k[no]^2^[h_2_]" << 0
                                                 << Comments{MissingCompound1, MissingCompound2, WrongOrder1} << false;
        // Where no rule finds anything, the general comment says what to check.
        QTest::newRow("NO: no closing caret") << no << "Rate=k[NO]^2[H_2_]" << 0 << Comments{CheckNotation} << false;
        QTest::newRow("a box full of brackets") << no << QString(32767, QLatin1Char('[')) << 0 << all << false;

        // Nitrogen dioxide + carbon monoxide: both first order; either order
        // of 1 may be written on its own.
        QTest::newRow("NO2: ^1^ for the first reactant only") << 0 << "Rate=k[NO_2_]^1^[CO]" << 1 << Comments{} << true;
        QTest::newRow("NO2: swapped, ^1^ for the second") << 0 << "Rate=k[CO][NO_2_]^1^" << 3 << Comments{} << true;
        QTest::newRow("NO2: empty answer asks for no order") << 0 << "" << 0 << all.first(4) << false;
        QTest::newRow("N2O5: empty answer has no second compound") << 2 << "" << 0 << all.first(3) << false;
    }

    void judges()
    {
        QFETCH(int, problem);
        QFETCH(QString, typed);
        QFETCH(int, matchnumber);
        QFETCH(Comments, comments);
        QFETCH(bool, note);
        const Judgement judgement = judge(rateLawProblem(problem), typed);
        QCOMPARE(judgement.verdict, matchnumber > 0 ? Verdict::Correct : Verdict::Incorrect);
        QCOMPARE(judgement.matchnumber, matchnumber);
        QCOMPARE(judgement.comments, comments);
        QCOMPARE(judgement.commentLines.size(), comments.size());
        QCOMPARE(judgement.note, note ? Note::OrderOfOneNeedNotBeWritten : Note::None);
    }

    // A rule that blamed an accepted answer would mislead a student one step
    // from right; answers 2 and 4 write their orders of 1.
    void acceptedAnswersRaiseNoComment()
    {
        const int counts[ProblemCount] = {4, 4, 2};
        for (int problem = 0; problem < ProblemCount; ++problem) {
            const RateLawProblem row = rateLawProblem(problem);
            QCOMPARE(row.answers.size(), counts[problem]);
            for (int number = 1; number <= counts[problem]; ++number) {
                QCOMPARE(getcomments(row, row.answers.at(number - 1)), Comments{});
                const Judgement judgement = judge(row, row.answers.at(number - 1));
                QCOMPARE(judgement.matchnumber, number);
                QCOMPARE(judgement.note, number % 2 == 0 ? Note::OrderOfOneNeedNotBeWritten : Note::None);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestRateLawChecker)
#include "test_ratelawchecker.moc"
