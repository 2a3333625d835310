// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messageboxes.h"
#include "runtime/page.h"
#include "runtime/random.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace testing {

// A walk through the screens, step by step as walk.txt writes them (its
// head lists the verbs), carried out as a student would: clicks, typing,
// keys, the window moved or closed, the record saved or printed.
class ScreenWalk
{
public:
    struct Step {
        int line; // in walk.txt
        QString text;
    };
    // The steps of a walk file: apart by ";" or a line's end, "#" beginning
    // a comment.
    static QList<Step> read(const QString &path);

    // From its start, a walk writes down what a screen reader is told.
    ScreenWalk(MessageBoxes &boxes, const QTemporaryDir &folder, runtime::ScriptedRandom::Script draws);

    // Carries out a step: what went wrong, or empty.
    QString act(const QString &step);
    // Writes down what the step made the screens say beyond what they show:
    // messages, where the keys went, what a screen reader was told, which
    // screen is shown where.
    void transcribe(const QString &step);
    QStringList transcript;

    // The screen shown, or nullptr.
    runtime::Form *form() const { return m_form; }
    // The zoom a "zoom:" step without a number goes back to.
    void setRowZoom(double zoom) { m_zoom = zoom; }

    // What the record's save said, and the problems completed and attempts
    // each tutor showed when it was left before the record was saved.
    QStringList recordMessages;
    std::map<QString, std::pair<int, int>> totals;
    // Whatever else a step noticed, such as a screen changed by saving.
    QStringList faults;

private:
    using Verb = std::function<QString(ScreenWalk &, const QString &argument)>;
    static const std::vector<std::pair<QString, Verb>> &verbs();
    QStringList inFolder(QStringList paths) const;
    QString record(const QString &files);
    // Makes the screen's window active, as a click on it would: what went wrong, or empty.
    QString activate();
    QString key(const QString &keys);
    QString known(const QString &list);
    QString open(const QString &screen);
    QString click(const QString &name, bool twice);

    MessageBoxes &m_boxes;
    const QTemporaryDir &m_folder;
    runtime::ScriptedRandom::Script m_draws;
    QPointer<runtime::Form> m_form;
    double m_zoom{1.0};
    QString m_focus;
    QStringList m_place; // the screens and window last written down
};

} // namespace testing
