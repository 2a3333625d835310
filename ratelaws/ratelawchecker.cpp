// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratelawchecker.h"

#include <QCoreApplication>
#include <array>

namespace ratelaws {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RateLawChecker)
};

// The term raised to its order: "[NO]^2". Found in "[NO]^2^" and in
// "[NO]^23^" alike.
QString withOrder(const QString &compound, int order)
{
    return compound + QLatin1Char('^') + QString::number(order);
}

QString withCaret(const QString &compound)
{
    return compound + QLatin1Char('^');
}

// A written order that is not the right one: the term carries a caret but
// not the caret and the right digit.
bool orderWrittenWrong(const QString &answer, const QString &compound, int order)
{
    return answer.contains(withCaret(compound)) && !answer.contains(withOrder(compound, order));
}

// An order above 1 must be written; this catches a left-out superscript 2.
bool orderAboveOneMissing(const QString &answer, const QString &compound, int order)
{
    return order > 1 && !answer.contains(withOrder(compound, order));
}

constexpr std::array AllComments{Comment::NoRateConstant,   Comment::NoRateEquals, Comment::MissingCompound1,
                                 Comment::MissingCompound2, Comment::WrongOrder1,  Comment::WrongOrder2,
                                 Comment::CheckNotation};

// The answer with every order of 1 that it writes as ^1^ taken out.
QString withoutOrdersOfOne(const RateLawProblem &problem, QString answer)
{
    const auto drop = [&answer](const QString &compound, int order) {
        if (order == 1 && !compound.isEmpty())
            answer.replace(withOrder(compound, 1) + QLatin1Char('^'), compound);
    };
    drop(problem.compound1, problem.order1);
    drop(problem.compound2, problem.order2);
    return answer;
}

// The accepted answer equal to the text, numbered from 1; 0 for none.
int matchingAnswer(const RateLawProblem &problem, const QString &answer)
{
    int matchnumber = 0;
    for (qsizetype j = 0; j < problem.answers.size(); ++j) {
        if (answer == problem.answers.at(j))
            matchnumber = int(j) + 1;
    }
    return matchnumber;
}

} // namespace

QString normalizedAnswer(const QString &typed)
{
    QString answer;
    for (const QChar c : typed) {
        if (!c.isSpace())
            answer.append(c);
    }
    // Screens that write the rate with a symbol of their own ("v" in German)
    // teach students to type it.
    const QString symbol = Texts::tr("Rate", "the symbol for the rate that begins a typed rate law, as this "
                                             "language's pictures write it (German: v)")
                           + QLatin1Char('=');
    if (symbol != u"Rate=" && answer.startsWith(symbol))
        answer.replace(0, symbol.size(), QStringLiteral("Rate="));
    if (answer.startsWith(QLatin1Char('r')))
        answer[0] = QLatin1Char('R');
    return answer;
}

QList<Comment> getcomments(const RateLawProblem &problem, const QString &studentanswer)
{
    const QString &answer = studentanswer;
    std::array<bool, AllComments.size()> set{};
    auto mark = [&set](Comment comment) { set[std::size_t(comment)] = true; };

    if (!answer.contains(QLatin1Char('k')))
        mark(Comment::NoRateConstant);
    // "Rate=" anywhere will do; where it stands is left to the exact comparison.
    if (!answer.contains(QStringLiteral("Rate=")))
        mark(Comment::NoRateEquals);

    if (!answer.contains(problem.compound1))
        mark(Comment::MissingCompound1);
    if (orderWrittenWrong(answer, problem.compound1, problem.order1))
        mark(Comment::WrongOrder1);
    if (orderAboveOneMissing(answer, problem.compound1, problem.order1))
        mark(Comment::WrongOrder1);

    if (problem.hasSecondReactant()) {
        if (!answer.contains(problem.compound2))
            mark(Comment::MissingCompound2);
        if (orderWrittenWrong(answer, problem.compound2, problem.order2))
            mark(Comment::WrongOrder2);
        if (orderAboveOneMissing(answer, problem.compound2, problem.order2))
            mark(Comment::WrongOrder2);
    }

    QList<Comment> comments;
    for (Comment comment : AllComments) {
        if (set[std::size_t(comment)])
            comments.append(comment);
    }
    return comments;
}

Judgement judge(const RateLawProblem &problem, const QString &typed)
{
    Judgement judgement;
    judgement.studentanswer = normalizedAnswer(typed);
    const QString plain = withoutOrdersOfOne(problem, judgement.studentanswer);
    judgement.matchnumber = matchingAnswer(problem, plain);
    if (judgement.matchnumber == 0) {
        judgement.comments = getcomments(problem, judgement.studentanswer);
        // A wrong answer is never left without a word on what to look at.
        if (judgement.comments.isEmpty())
            judgement.comments.append(Comment::CheckNotation);
        for (Comment comment : std::as_const(judgement.comments))
            judgement.commentLines.append(commentText(comment, problem));
        return judgement;
    }
    judgement.verdict = Verdict::Right;
    if (plain != judgement.studentanswer)
        judgement.note = Note::OrderOfOneNeedNotBeWritten;
    return judgement;
}

QString Judgement::report() const
{
    if (note != Note::None)
        return noteText(note);
    QString text;
    for (const QString &line : commentLines)
        text += QStringLiteral("\r\n") + line;
    return text;
}

QString commentText(Comment comment, const RateLawProblem &problem)
{
    switch (comment) {
    case Comment::NoRateConstant:
        return Texts::tr("The rate law must contain the variable for the rate constant, k.");
    case Comment::NoRateEquals:
        return Texts::tr("The rate law should begin with 'Rate ='.");
    case Comment::MissingCompound1:
        return Texts::tr("The compound %1 should be in your rate law.").arg(problem.compound1);
    case Comment::MissingCompound2:
        return Texts::tr("The compound %1 should be in your rate law.").arg(problem.compound2);
    case Comment::WrongOrder1:
        return Texts::tr("The order with respect to %1 is not correct.").arg(problem.compound1);
    case Comment::WrongOrder2:
        return Texts::tr("The order with respect to %1 is not correct.").arg(problem.compound2);
    case Comment::CheckNotation:
        return Texts::tr("Check how the rate law is written: each order goes between two carets right after its "
                         "concentration, and nothing else belongs in the rate law.");
    }
    return {};
}

QString noteText(Note note)
{
    switch (note) {
    case Note::OrderOfOneNeedNotBeWritten:
        return Texts::tr("When the order with respect to a reactant is 1, the number 1 does not need to be "
                         "written as a superscript following that reactant's concentration.");
    case Note::None:
        break;
    }
    return {};
}

} // namespace ratelaws
