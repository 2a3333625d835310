// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionrecord.h"

#include <algorithm>
#include <set>

namespace runtime {

int SessionRecord::ModuleWork::solvedSlots() const
{
    std::set<int> solved;
    for (const Problem &p : problems)
        if (p.completed)
            solved.insert(p.slot);
    return int(solved.size());
}

int SessionRecord::ModuleWork::attempts() const
{
    int sum = 0;
    for (const Problem &p : problems)
        sum += p.attempts;
    return sum;
}

SessionRecord::SessionRecord(const QDateTime &started)
    : m_started(started)
{}

void SessionRecord::problemDrawn(Module module, int slot, int level)
{
    Problem problem;
    problem.slot = slot;
    problem.level = level;
    drawn(module).push_back(problem);
}

void SessionRecord::used(Module module)
{
    if (std::find(m_order.begin(), m_order.end(), module) == m_order.end())
        m_order.push_back(module);
}

void SessionRecord::attempted(Module module)
{
    if (drawn(module).empty())
        return;
    ++drawn(module).back().attempts;
    ++m_changes;
    used(module);
}

void SessionRecord::tutored(Module module)
{
    if (drawn(module).empty())
        return;
    drawn(module).back().tutored = true;
    ++m_changes;
}

void SessionRecord::completed(Module module, const QStringList &answer)
{
    if (drawn(module).empty())
        return;
    drawn(module).back().completed = true;
    drawn(module).back().answer = answer;
    ++m_changes;
}

void SessionRecord::reactionJudged(int reaction, bool right, const QString &answer)
{
    std::vector<Problem> &reactions = drawn(Module::RateLaws);
    auto entry = std::find_if(reactions.begin(), reactions.end(), [&](const Problem &p) { return p.slot == reaction; });
    if (entry == reactions.end()) {
        problemDrawn(Module::RateLaws, reaction);
        entry = reactions.end() - 1;
    }
    ++entry->attempts;
    entry->completed = right;
    entry->answer = QStringList{answer};
    ++m_changes;
    used(Module::RateLaws);
}

std::vector<SessionRecord::ModuleWork> SessionRecord::modules() const
{
    std::vector<ModuleWork> work;
    for (const Module module : m_order) {
        ModuleWork &w = work.emplace_back(ModuleWork{module, {}});
        for (const Problem &p : m_drawn.at(std::size_t(module)))
            if (p.attempts > 0)
                w.problems.push_back(p);
    }
    return work;
}

void SessionRecord::setStudent(const QString &name)
{
    m_student = name;
    m_studentNamed = true;
}

SessionRecord &sessionRecord()
{
    static SessionRecord record;
    return record;
}

} // namespace runtime
