// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <utility>

// Dismisses every message box that opens while it lives by clicking its OK
// button for real, and keeps what each one said. The question asked before
// the program ends gets the answers given for it, in turn.
class MessageBoxes : public QObject
{
    Q_OBJECT
public:
    MessageBoxes();

    QStringList texts() const { return m_texts; }
    // Anything unexpected about a box (its title, its buttons), or empty.
    QStringList problems() const { return m_problems; }
    // clang-format off
    void clear() { m_texts.clear(); m_problems.clear(); }
    // clang-format on
    // The paths to choose in the file and print dialogs that open next, in
    // turn; an empty one cancels.
    void chooseFiles(const QStringList &paths) { m_paths = paths; }
    // The file each file dialog offered, and "print" for a print dialog,
    // since last asked.
    QStringList takeOffered() { return std::exchange(m_offered, {}); }
    // The name to type in the next name dialog, replacing what it offers;
    // without one, the dialog is cancelled.
    void typeName(const QString &name) { m_names.append(name); }
    // The next answer to the question before the program ends: a key to
    // press ("Return", "Escape") or the name of a button to click.
    void answer(const QString &answer) { m_answers.append(answer); }

private:
    void poll();
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_problems;
    QStringList m_paths;
    QStringList m_offered;
    QStringList m_names;
    QStringList m_answers;
    int m_waited{0};
};
