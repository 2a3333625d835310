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
    void commentTexts_data();
    void commentTexts();
    void reportText_data();
    void reportText();
    void strangeTextsGetAVerdict_data();
    void strangeTextsGetAVerdict();
};

void TestRateLawChecker::normalizes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("studentanswer");
    QTest::newRow("blanks go, leading r becomes R") << "rate = k [NO]^2^ [H_2_]" << "Rate=k[NO]^2^[H_2_]";
    QTest::newRow("blanks before the r go first") << "   rate=k" << "Rate=k";
    QTest::newRow("only the first r") << "rrr" << "Rrr";
    QTest::newRow("other letters keep their case") << "rATE=K[no]" << "RATE=K[no]";
    QTest::newRow("a tab is no blank") << "\trate =k" << "\trate=k";
    QTest::newRow("a no-break space is no blank") << QString(QChar(0xa0)) + "rate" << QString(QChar(0xa0)) + "rate";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("only blanks") << "     " << "";
    QTest::newRow("a lone r") << " r " << "R";
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
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("matchnumber");
    QTest::addColumn<Comments>("comments");
    QTest::addColumn<Note>("note");

    const Verdict right = Verdict::Correct;
    const Verdict wrong = Verdict::Incorrect;
    const Note none = Note::None;
    const Note ones = Note::OrderOfOneNeedNotBeWritten;

    // Nitrogen monoxide + hydrogen: [NO] second order, [H_2_] first order.
    QTest::newRow("NO: blanks and a lower-case r") << NitrogenMonoxide << "rate = k [NO]^2^ [H_2_]" << right << 1
                                                   << Comments{} << none;
    QTest::newRow("NO: order 1 written, answer 2") << NitrogenMonoxide << "Rate=k[NO]^2^[H_2_]^1^" << right << 2
                                                   << Comments{} << ones;
    QTest::newRow("NO: reactants swapped") << NitrogenMonoxide << "Rate=k[H_2_][NO]^2^" << right << 3 << Comments{}
                                           << none;
    QTest::newRow("NO: swapped, order 1 written, answer 4")
        << NitrogenMonoxide << "Rate=k[H_2_]^1^[NO]^2^" << right << 4 << Comments{} << ones;
    QTest::newRow("NO: superscript 2 left out") << NitrogenMonoxide << "Rate=k[NO][H_2_]" << wrong << 0
                                                << Comments{Comment::WrongOrder1} << none;
    QTest::newRow("NO: wrong order 3") << NitrogenMonoxide << "Rate=k[NO]^3^[H_2_]" << wrong << 0
                                       << Comments{Comment::WrongOrder1} << none;
    QTest::newRow("NO: wrong order for hydrogen") << NitrogenMonoxide << "Rate=k[NO]^2^[H_2_]^2^" << wrong << 0
                                                  << Comments{Comment::WrongOrder2} << none;
    QTest::newRow("NO: capital K") << NitrogenMonoxide << "Rate=K[NO]^2^[H_2_]" << wrong << 0
                                   << Comments{Comment::NoRateConstant} << none;
    QTest::newRow("NO: RATE=") << NitrogenMonoxide << "RATE=k[NO]^2^[H_2_]" << wrong << 0
                               << Comments{Comment::NoRateEquals} << none;
    QTest::newRow("NO: no Rate= at all") << NitrogenMonoxide << "k[NO]^2^[H_2_]" << wrong << 0
                                         << Comments{Comment::NoRateEquals} << none;
    QTest::newRow("NO: only the leading r is raised") << NitrogenMonoxide << "rATE=k[NO]^2^[H_2_]" << wrong << 0
                                                      << Comments{Comment::NoRateEquals} << none;
    QTest::newRow("NO: empty answer") << NitrogenMonoxide << "" << wrong << 0 << allOfProblem1 << none;
    QTest::newRow("NO: only blanks") << NitrogenMonoxide << "   " << wrong << 0 << allOfProblem1 << none;
    QTest::newRow("NO: lower-case formulas") << NitrogenMonoxide << "rate=k[no]^2^[h_2_]" << wrong << 0
                                             << Comments{Comment::MissingCompound1, Comment::MissingCompound2,
                                                         Comment::WrongOrder1}
                                             << none;
    QTest::newRow("NO: Rate= at the end is only told by the comparison")
        << NitrogenMonoxide << "k[NO]^2^[H_2_]Rate=" << wrong << 0 << Comments{} << none;
    QTest::newRow("NO: an order read without its closing caret")
        << NitrogenMonoxide << "Rate=k[NO]^23^[H_2_]" << wrong << 0 << Comments{} << none;
    QTest::newRow("NO: a tab is not removed") << NitrogenMonoxide << "Rate=k[NO]^2^\t[H_2_]" << wrong << 0
                                              << Comments{} << none;
    QTest::newRow("NO: the first problem's answer")
        << NitrogenMonoxide << "Rate=k[NO_2_][CO]" << wrong << 0
        << Comments{Comment::MissingCompound1, Comment::MissingCompound2, Comment::WrongOrder1} << none;

    // Nitrogen dioxide + carbon monoxide: both first order.
    QTest::newRow("NO2: as written") << NitrogenDioxide << "Rate=k[NO_2_][CO]" << right << 1 << Comments{} << none;
    QTest::newRow("NO2: partial ^1^") << NitrogenDioxide << "Rate=k[NO_2_]^1^[CO]" << wrong << 0 << Comments{}
                                      << none;
    QTest::newRow("NO2: reactants swapped") << NitrogenDioxide << "Rate=k[CO][NO_2_]" << right << 3 << Comments{}
                                            << none;
    QTest::newRow("NO2: swapped with orders of 1") << NitrogenDioxide << "Rate=k[CO]^1^[NO_2_]^1^" << right << 4
                                                   << Comments{} << ones;
    QTest::newRow("NO2: wrong order for CO") << NitrogenDioxide << "Rate=k[NO_2_][CO]^2^" << wrong << 0
                                             << Comments{Comment::WrongOrder2} << none;
    QTest::newRow("NO2: empty answer asks for no order")
        << NitrogenDioxide << "" << wrong << 0
        << Comments{Comment::NoRateConstant, Comment::NoRateEquals, Comment::MissingCompound1,
                    Comment::MissingCompound2}
        << none;

    // Dinitrogen pentoxide: one reactant, first order, two accepted answers.
    QTest::newRow("N2O5: as written") << Pentoxide << "Rate=k[N_2_O_5_]" << right << 1 << Comments{} << none;
    QTest::newRow("N2O5: order 1 written") << Pentoxide << "Rate=k[N_2_O_5_]^1^" << right << 2 << Comments{}
                                           << ones;
    QTest::newRow("N2O5: wrong order") << Pentoxide << "Rate=k[N_2_O_5_]^2^" << wrong << 0
                                       << Comments{Comment::WrongOrder1} << none;
    QTest::newRow("N2O5: another problem's third answer") << Pentoxide << "Rate=k[H_2_][NO]^2^" << wrong << 0
                                                          << Comments{Comment::MissingCompound1} << none;
    QTest::newRow("N2O5: empty answer has no second compound")
        << Pentoxide << "" << wrong << 0
        << Comments{Comment::NoRateConstant, Comment::NoRateEquals, Comment::MissingCompound1} << none;
}

void TestRateLawChecker::judges()
{
    QFETCH(int, problem);
    QFETCH(QString, typed);
    QFETCH(Verdict, verdict);
    QFETCH(int, matchnumber);
    QFETCH(Comments, comments);
    QFETCH(Note, note);
    const ratelaws::Judgement judgement = ratelaws::judge(ratelaws::rateLawProblem(problem), typed);
    QCOMPARE(judgement.verdict, verdict);
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

// The comments and the accepted answers must agree: a rule that would
// blame an accepted answer would mislead a student one step from right.
void TestRateLawChecker::acceptedAnswersRaiseNoComment()
{
    QFETCH(int, problem);
    QFETCH(int, number);
    const ratelaws::RateLawProblem row = ratelaws::rateLawProblem(problem);
    const QString answer = row.answers.at(number - 1);
    QCOMPARE(ratelaws::getcomments(row, answer), Comments{});
    const ratelaws::Judgement judgement = ratelaws::judge(row, answer);
    QCOMPARE(judgement.verdict, Verdict::Correct);
    QCOMPARE(judgement.matchnumber, number);
}

void TestRateLawChecker::commentTexts_data()
{
    QTest::addColumn<int>("problem");
    QTest::addColumn<Comment>("comment");
    QTest::addColumn<QString>("text");
    QTest::newRow("rate constant") << NitrogenMonoxide << Comment::NoRateConstant
                                   << "The rate law must contain the variable for the rate constant, k.";
    QTest::newRow("Rate =") << NitrogenMonoxide << Comment::NoRateEquals
                            << "The rate law should begin with 'Rate ='.";
    QTest::newRow("first compound, notation kept") << NitrogenDioxide << Comment::MissingCompound1
                                                   << "The compound [NO_2_] should be in your rate law.";
    QTest::newRow("second compound, notation kept") << NitrogenMonoxide << Comment::MissingCompound2
                                                    << "The compound [H_2_] should be in your rate law.";
    QTest::newRow("first order") << Pentoxide << Comment::WrongOrder1
                                 << "The order with respect to [N_2_O_5_] is not correct.";
    QTest::newRow("second order") << NitrogenDioxide << Comment::WrongOrder2
                                  << "The order with respect to [CO] is not correct.";
}

void TestRateLawChecker::commentTexts()
{
    QFETCH(int, problem);
    QFETCH(Comment, comment);
    QFETCH(QString, text);
    QCOMPARE(ratelaws::commentText(comment, ratelaws::rateLawProblem(problem)), text);
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
    QTest::newRow("one line") << NitrogenMonoxide << "Rate=k[NO][H_2_]"
                              << "\r\nThe order with respect to [NO] is not correct.";
    QTest::newRow("the note") << NitrogenMonoxide << "Rate=k[H_2_]^1^[NO]^2^"
                              << "When the order with respect to a reactant is 1, the number 1 does not need to "
                                 "be written as a superscript following that reactant's concentration.";
    QTest::newRow("right without note") << NitrogenMonoxide << "Rate=k[NO]^2^[H_2_]" << "";
    QTest::newRow("wrong without comment") << NitrogenDioxide << "Rate=k[NO_2_]^1^[CO]" << "";
}

void TestRateLawChecker::reportText()
{
    QFETCH(int, problem);
    QFETCH(QString, typed);
    QFETCH(QString, report);
    QCOMPARE(ratelaws::judge(ratelaws::rateLawProblem(problem), typed).report(), report);
}

void TestRateLawChecker::strangeTextsGetAVerdict_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<Comments>("comments");
    const QString longest(32767, QLatin1Char('^'));
    static const char16_t nulls[] = u"Rate=k\n[NO]\0^2^\r[H_2_]";
    QTest::newRow("a thousand carets") << QString(1000, QLatin1Char('^')) << Verdict::Incorrect << allOfProblem1;
    QTest::newRow("a thousand brackets") << QString(1000, QLatin1Char('[')) << Verdict::Incorrect << allOfProblem1;
    QTest::newRow("a box full of carets") << longest << Verdict::Incorrect << allOfProblem1;
    QTest::newRow("a term and a thousand carets")
        << "Rate=k[NO]" + QString(1000, QLatin1Char('^')) + "[H_2_]" << Verdict::Incorrect
        << Comments{Comment::WrongOrder1};
    QTest::newRow("a box full of blanks around the right answer")
        << "Rate=k" + QString(16000, QLatin1Char(' ')) + "[NO]^2^" + QString(16000, QLatin1Char(' ')) + "[H_2_]"
        << Verdict::Correct << Comments{};
    QTest::newRow("tabs") << "\t\t\t" << Verdict::Incorrect << allOfProblem1;
    QTest::newRow("non-ASCII letters") << "Rаte=k[NО]^2^[H_2_]" // Cyrillic a and O
                                       << Verdict::Incorrect
                                       << Comments{Comment::NoRateEquals, Comment::MissingCompound1,
                                                   Comment::WrongOrder1};
    QTest::newRow("characters beyond the basic plane") << QStringLiteral("Rate=k[NO]^2^[H_2_]\U0001F600")
                                                       << Verdict::Incorrect << Comments{};
    QTest::newRow("line breaks and nulls") << QString::fromUtf16(nulls, std::size(nulls) - 1)
                                           << Verdict::Incorrect
                                           << Comments{Comment::WrongOrder1};
}

void TestRateLawChecker::strangeTextsGetAVerdict()
{
    QFETCH(QString, typed);
    QFETCH(Verdict, verdict);
    QFETCH(Comments, comments);
    const ratelaws::Judgement judgement = ratelaws::judge(ratelaws::rateLawProblem(NitrogenMonoxide), typed);
    QCOMPARE(judgement.verdict, verdict);
    QCOMPARE(judgement.comments, comments);
}

QTEST_GUILESS_MAIN(TestRateLawChecker)
#include "test_ratelawchecker.moc"
