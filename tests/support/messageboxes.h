// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Dismisses every message box that opens while it lives by clicking its OK
// button for real, and keeps what each one said.
class MessageBoxes : public QObject
{
    Q_OBJECT
public:
    MessageBoxes();

    QStringList texts() const { return m_texts; }
    // Anything unexpected about a box (its title, its buttons), or empty.
    QStringList problems() const { return m_problems; }
    void clear() { m_texts.clear(); m_problems.clear(); }

private:
    void poll();
    QTimer m_timer;
    QStringList m_texts;
    QStringList m_problems;
};
