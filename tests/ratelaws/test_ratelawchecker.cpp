// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelaws/ratelawchecker.h"
#include "ratelaws/ratelawproblem.h"

#include <QTest>
#include <iterator>

using ratelaws::Comment;
using ratelaws::Note;
using ratelaws::Verdict;
using Comments = QList<Comment>;

Q_DECLARE_METATYPE(ratelaws::Verdict)
Q_DECLARE_METATYPE(ratelaws::Note)
Q_DECLARE_METATYPE(ratelaws::Comment)

namespace {

constexpr int NitrogenDioxide = 0;
constexpr int NitrogenMonoxide = 1;
constexpr int Pentoxide = 2;

const Comments allOfProblem1{Comment::NoRateConstant, Comment::NoRateEquals, Comment::MissingCompound1,
                             Comment::MissingCompound2, Comment::WrongOrder1};

} // namespace

class TestRateLawChecker : public QObject
{
    Q_OBJECT
private slots:
    void normalizes_data();
    void normalizes();
    void judges_data();
    void judges();
    void acceptedAnswersRaiseNoComment_data();
    void acceptedAnswersRaiseNoComment();
    void reportText_data();
    void reportText();
};

void TestRateLawChecker::normalizes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("studentanswer");
    QTest::newRow("blanks go, leading r becomes R") << "rate = k [NO]^2^ [H_2_]" << "Rate=k[NO]^2^[H_2_]";
    QTest::newRow("blanks before the r go first") << "   rate=k" << "Rate=k";
    QTest::newRow("only the first r, no other case") << "rrATE=K[no]" << "RrATE=K[no]";
    QTest::newRow("tabs, line breaks and no-break spaces are blanks")
        << QString(QChar(0xa0)) + "\trate\r\n=" + QChar(0x202f) + "k" << "Rate=k";
    QTest::newRow("only blanks") << "     " << "";
    QTest::newRow("non-ASCII kept") << "réaction ç" << "Réactionç";
}

void TestRateLawChecker::normalizes()
{
    QFETCH(QString, typed);
    QFETCH(QString, studentanswer);
    QCOMPARE(ratelaws::normalizedAnswer(typed), studentanswer);
}

void TestRateLawChecker::judges_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("matchnumber"); // 0: Incorrect
    QTest::addColumn<Comments>("comments");
    QTest::addColumn<Note>("note");
    const Note none = Note::None;
    const Note ones = Note::OrderOfOneNeedNotBeWritten;
    static const char16_t nulls[] = u"Rate=k\n[NO]\0^2^\r[H_2_]";

    // Nitrogen monoxide + hydrogen: [NO] second order, [H_2_] first order.
    const int no = NitrogenMonoxide;
    QTest::newRow("NO: blanks and a lower-case r") << no << "rate = k [NO]^2^ [H_2_]" << 1 << Comments{} << none;
    QTest::newRow("NO: order 1 written") << no << "Rate=k[NO]^2^[H_2_]^1^" << 2 << Comments{} << ones;
    QTest::newRow("NO: swapped, order 1 written") << no << "Rate=k[H_2_]^1^[NO]^2^" << 4 << Comments{} << ones;
    QTest::newRow("NO: superscript 2 left out") << no << "Rate=k[NO][H_2_]" << 0 << Comments{Comment::WrongOrder1}
                                                << none;
    QTest::newRow("NO: wrong order 3") << no << "Rate=k[NO]^3^[H_2_]" << 0 << Comments{Comment::WrongOrder1} << none;
    QTest::newRow("NO: wrong order for hydrogen") << no << "Rate=k[NO]^2^[H_2_]^2^" << 0
                                                  << Comments{Comment::WrongOrder2} << none;
    QTest::newRow("NO: capital K") << no << "Rate=K[NO]^2^[H_2_]" << 0 << Comments{Comment::NoRateConstant} << none;
    QTest::newRow("NO: RATE=") << no << "RATE=k[NO]^2^[H_2_]" << 0 << Comments{Comment::NoRateEquals} << none;
    QTest::newRow("NO: no Rate= at all") << no << "k[NO]^2^[H_2_]" << 0 << Comments{Comment::NoRateEquals} << none;
    QTest::newRow("NO: empty answer") << no << "" << 0 << allOfProblem1 << none;
    QTest::newRow("NO: lower-case formulas")
        << no << "rate=k[no]^2^[h_2_]" << 0
        << Comments{Comment::MissingCompound1, Comment::MissingCompound2, Comment::WrongOrder1} << none;
    // Where no rule finds anything, the general comment says what to check.
    const Comments notation{Comment::CheckNotation};
    QTest::newRow("NO: Rate= at the end") << no << "k[NO]^2^[H_2_]Rate=" << 0 << notation << none;
    QTest::newRow("NO: order read without its closing caret") << no << "Rate=k[NO]^23^[H_2_]" << 0 << notation
                                                              << none;
    QTest::newRow("NO: no closing caret") << no << "Rate=k[NO]^2[H_2_]" << 0 << notation << none;
    QTest::newRow("NO: a tab and a no-break space are blanks")
        << no << "Rate=k[NO]^2^\t[H_2_]" + QString(QChar(0xa0)) << 1 << Comments{} << none;

    // Nitrogen dioxide + carbon monoxide: both first order.
    const int no2 = NitrogenDioxide;
    QTest::newRow("NO2: ^1^ for the first reactant only") << no2 << "Rate=k[NO_2_]^1^[CO]" << 1 << Comments{} << ones;
    QTest::newRow("NO2: swapped, ^1^ for the second only") << no2 << "Rate=k[CO][NO_2_]^1^" << 3 << Comments{}
                                                           << ones;
    QTest::newRow("NO2: reactants swapped") << no2 << "Rate=k[CO][NO_2_]" << 3 << Comments{} << none;
    QTest::newRow("NO2: swapped, orders of 1 written") << no2 << "Rate=k[CO]^1^[NO_2_]^1^" << 4 << Comments{} << ones;
    QTest::newRow("NO2: wrong order for CO") << no2 << "Rate=k[NO_2_][CO]^2^" << 0 << Comments{Comment::WrongOrder2}
                                             << none;
    QTest::newRow("NO2: empty answer asks for no order")
        << no2 << "" << 0 << allOfProblem1.first(4) << none;

    // Dinitrogen pentoxide: one reactant, first order, two accepted answers.
    const int n2o5 = Pentoxide;
    QTest::newRow("N2O5: order 1 written") << n2o5 << "Rate=k[N_2_O_5_]^1^" << 2 << Comments{} << ones;
    QTest::newRow("N2O5: wrong order") << n2o5 << "Rate=k[N_2_O_5_]^2^" << 0 << Comments{Comment::WrongOrder1}
                                       << none;
    QTest::newRow("N2O5: another problem's third answer") << n2o5 << "Rate=k[H_2_][NO]^2^" << 0
                                                          << Comments{Comment::MissingCompound1} << none;
    QTest::newRow("N2O5: empty answer has no second compound") << n2o5 << "" << 0 << allOfProblem1.first(3)
                                                               << none;

    // However long or strange the text, a verdict at once.
    QTest::newRow("a thousand carets") << no << QString(1000, QLatin1Char('^')) << 0 << allOfProblem1 << none;
    QTest::newRow("a box full of brackets") << no << QString(32767, QLatin1Char('[')) << 0 << allOfProblem1 << none;
    QTest::newRow("a term and a thousand carets") << no << "Rate=k[NO]" + QString(1000, QLatin1Char('^')) + "[H_2_]"
                                                  << 0 << Comments{Comment::WrongOrder1} << none;
    QTest::newRow("thousands of blanks around the right answer")
        << no << "Rate=k" + QString(16000, QLatin1Char(' ')) + "[NO]^2^" + QString(16000, QLatin1Char(' ')) + "[H_2_]"
        << 1 << Comments{} << none;
    QTest::newRow("Cyrillic a and O") << no << "Rаte=k[NО]^2^[H_2_]" << 0
                                      << Comments{Comment::NoRateEquals, Comment::MissingCompound1,
                                                  Comment::WrongOrder1}
                                      << none;
    QTest::newRow("beyond the basic plane") << no << QStringLiteral("Rate=k[NO]^2^[H_2_]\U0001F600") << 0
                                            << notation << none;
    QTest::newRow("line breaks and nulls") << no << QString::fromUtf16(nulls, std::size(nulls) - 1) << 0
                                           << Comments{Comment::WrongOrder1} << none;
}

void TestRateLawChecker::judges()
{
    QFETCH(int, problem);
    QFETCH(QString, typed);
    QFETCH(int, matchnumber);
    QFETCH(Comments, comments);
    QFETCH(Note, note);
    const ratelaws::Judgement judgement = ratelaws::judge(ratelaws::rateLawProblem(problem), typed);
    QCOMPARE(judgement.verdict, matchnumber > 0 ? Verdict::Correct : Verdict::Incorrect);
    QCOMPARE(judgement.matchnumber, matchnumber);
    QCOMPARE(judgement.comments, comments);
    QCOMPARE(judgement.commentLines.size(), comments.size());
    QCOMPARE(judgement.note, note);
}

void TestRateLawChecker::acceptedAnswersRaiseNoComment_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("number");
    const int counts[ratelaws::ProblemCount] = {4, 4, 2};
    for (int problem = 0; problem < ratelaws::ProblemCount; ++problem) {
        QCOMPARE(ratelaws::rateLawProblem(problem).answers.size(), counts[problem]);
        for (int number = 1; number <= counts[problem]; ++number)
            QTest::addRow("problem %d, answer %d", problem, number) << problem << number;
    }
}

// A rule that blamed an accepted answer would mislead a student one step
// from right.
void TestRateLawChecker::acceptedAnswersRaiseNoComment()
{
    QFETCH(int, problem);
    QFETCH(int, number);
    const ratelaws::RateLawProblem row = ratelaws::rateLawProblem(problem);
    const QString answer = row.answers.at(number - 1);
    QCOMPARE(ratelaws::getcomments(row, answer), Comments{});
    const ratelaws::Judgement judgement = ratelaws::judge(row, answer);
    QCOMPARE(judgement.matchnumber, number);
    QCOMPARE(judgement.note, number % 2 == 0 ? Note::OrderOfOneNeedNotBeWritten : Note::None);
}

void TestRateLawChecker::reportText_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("report");
    QTest::newRow("empty answer: five lines, each after a line break")
        << NitrogenMonoxide << ""
        << "\r\nThe rate law must contain the variable for the rate constant, k."
           "\r\nThe rate law should begin with 'Rate ='."
           "\r\nThe compound [NO] should be in your rate law."
           "\r\nThe compound [H_2_] should be in your rate law."
           "\r\nThe order with respect to [NO] is not correct.";
    QTest::newRow("compounds as stored, notation kept")
        << NitrogenDioxide << "Rate=k[CO]^2^"
        << "\r\nThe compound [NO_2_] should be in your rate law."
           "\r\nThe order with respect to [CO] is not correct.";
    QTest::newRow("the note") << Pentoxide << "Rate=k[N_2_O_5_]^1^"
                              << "When the order with respect to a reactant is 1, the number 1 does not need to "
                                 "be written as a superscript following that reactant's concentration.";
    QTest::newRow("right without note") << NitrogenMonoxide << "Rate=k[NO]^2^[H_2_]" << "";
    QTest::newRow("nothing specific: the general comment")
        << NitrogenDioxide << "Rate=k[NO_2_][CO]+1"
        << "\r\nCheck how the rate law is written: each order goes between two carets right after its "
           "concentration, and nothing else belongs in the rate law.";
}

void TestRateLawChecker::reportText()
{
    QFETCH(int, problem);
    QFETCH(QString, typed);
    QFETCH(QString, report);
    QCOMPARE(ratelaws::judge(ratelaws::rateLawProblem(problem), typed).report(), report);
}

QTEST_GUILESS_MAIN(TestRateLawChecker)
#include "test_ratelawchecker.moc"
