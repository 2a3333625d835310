// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace runtime {

// What a tutor screen tells of the student's work as it happens; the
// program connects it to the session's record.
class WorkReport : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // A new problem on a slot (from 0), at the screen's level (1 the
    // easiest; 0 where it has none).
    void problemDrawn(int slot, int level);
    // Each of the rest counts for the problem last drawn.
    void attemptGraded();
    void tutoringBegun();
    // Solved, with the boxes of the answer as typed, in the screen's order.
    void problemCompleted(const QStringList &answer);
    // Writing Rate Laws: an answer for a reaction was judged.
    void rateLawJudged(int reaction, bool right, const QString &answer);
};

} // namespace runtime
