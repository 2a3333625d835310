// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace runtime {

// What the student has done in this session, kept in memory only, for the
// record they may save or print. A problem drawn anew on a slot is a new
// problem; Writing Rate Laws keeps one entry a reaction. Only what was
// attempted is listed, module by module in the order first worked in.
class SessionRecord
{
public:
    enum class Module { InitialRates, Graphical, RateLaws };
    struct Problem {
        int slot{0};  // from 0; for Writing Rate Laws, the reaction
        int level{0}; // the module's own level number, 1 the easiest; 0 where it has none
        int attempts{0};
        bool tutored{false};   // the guided tutoring ran
        bool completed{false}; // solved; for a reaction, its last answer was right
        // As typed: the boxes of the answer that solved it, in the screen's
        // order; for a reaction, its last answer.
        QStringList answer;
    };
    struct ModuleWork {
        Module module{Module::InitialRates};
        std::vector<Problem> problems;
        // Slots (or reactions) solved at least once, and all attempts.
        int solvedSlots() const;
        int attempts() const;
    };

    explicit SessionRecord(const QDateTime &started = QDateTime::currentDateTime());
    QDateTime started() const { return m_started; }

    void problemDrawn(Module module, int slot, int level = 0);
    // Each counts for the problem last drawn in the module.
    void attempted(Module module);
    void tutored(Module module);
    void completed(Module module, const QStringList &answer);
    // Writing Rate Laws: an answer for the reaction was judged.
    void reactionJudged(int reaction, bool right, const QString &answer);

    std::vector<ModuleWork> modules() const;

    // The student's name on the record, once they were asked for it.
    QString student() const { return m_student; }
    bool studentNamed() const { return m_studentNamed; }
    void setStudent(const QString &name);

    // Whether something was done that no saved or printed record holds.
    bool hasUnkeptWork() const { return m_kept != m_changes; }
    // Everything done so far is in a saved or printed record, or the
    // student chose to let it go.
    void kept() { m_kept = m_changes; }

private:
    std::vector<Problem> &drawn(Module module) { return m_drawn.at(std::size_t(module)); }
    void used(Module module);

    QDateTime m_started;
    std::array<std::vector<Problem>, 3> m_drawn;
    std::vector<Module> m_order;
    QString m_student;
    bool m_studentNamed{false};
    // Changes to what the record shows, and how many of them were kept.
    int m_changes{0};
    int m_kept{0};
};

// The record of this run of the program.
SessionRecord &sessionRecord();

} // namespace runtime
