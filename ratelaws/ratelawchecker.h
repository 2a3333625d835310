// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ratelawproblem.h"
#include "runtime/tutoring.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ratelaws {

using runtime::Verdict;

// What a wrong answer is told, in the order the lines are shown.
enum class Comment {
    NoRateConstant,   // no lower-case k anywhere
    NoRateEquals,     // no "Rate=" anywhere
    MissingCompound1, // the first concentration term is absent
    MissingCompound2, // the second concentration term is absent
    WrongOrder1,      // the first term's order is written wrong or left out where it is not 1
    WrongOrder2,      // the same for the second term
    CheckNotation,    // none of the above applies: says what else to check
};

// A right answer that writes its orders of 1 as superscripts is told that
// it need not.
enum class Note { None, OrderOfOneNeedNotBeWritten };

struct Judgement {
    QString studentanswer; // the typed text as compared: blanks gone, a leading r made R
    Verdict verdict{Verdict::Wrong};
    int matchnumber{0};       // the accepted answer it equals (its orders of 1 left out if need be),
                              // numbered from 1; 0 for none
    QList<Comment> comments;  // for a wrong answer, in the order shown
    QStringList commentLines; // their texts
    Note note{Note::None};

    // The text of the comment area: each comment line after a line break
    // (so it begins with one), or the note, or nothing.
    QString report() const;
};

// White space (blanks, tabs, no-break spaces) carries no meaning and goes; a
// leading lower-case r becomes R, and a leading "v=" where the screens write
// the rate as v (the symbol comes from the catalogue) reads as "Rate=".
// Letter case matters everywhere else.
QString normalizedAnswer(const QString &typed);

// Judges a typed rate law against the problem's accepted answers: exactly
// equal to one of them, character by character, once normalized. An order
// of 1 may be written or left out for each reactant on its own; a right
// answer that writes one gets the note.
Judgement judge(const RateLawProblem &problem, const QString &typed);

// What is missing or wrong in a normalized answer that matched nothing.
// Every rule is a plain case-sensitive substring search: a term's order is
// the term, a caret and the order's digit, so a closing caret is not needed
// and "[NO]^23^" counts as having the order 2. When no rule finds anything,
// judge() adds the comment that says what else to check, so a wrong answer
// is never left without one.
QList<Comment> getcomments(const RateLawProblem &problem, const QString &studentanswer);

QString commentText(Comment comment, const RateLawProblem &problem);
QString noteText(Note note);

} // namespace ratelaws
