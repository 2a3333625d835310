// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

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
        int slot{0};           // from 0; for Writing Rate Laws, the reaction
        QString level;         // as the screen names it; empty where there is none
        int attempts{0};
        bool tutored{false};   // the guided tutoring ran
        bool completed{false}; // solved; for a reaction, its last answer was right
        QString answer;        // the answer that solved it, as typed
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

    void problemDrawn(Module module, int slot, const QString &level = {});
    // Each counts for the problem last drawn in the module.
    void attempted(Module module);
    void tutored(Module module);
    void completed(Module module, const QString &answer);
    // Writing Rate Laws: an answer for the reaction was judged.
    void reactionJudged(int reaction, bool right);

    std::vector<ModuleWork> modules() const;

private:
    std::vector<Problem> &drawn(Module module) { return m_drawn.at(std::size_t(module)); }
    void used(Module module);

    QDateTime m_started;
    std::array<std::vector<Problem>, 3> m_drawn;
    std::vector<Module> m_order;
};

// The record of this run of the program.
SessionRecord &sessionRecord();

} // namespace runtime
