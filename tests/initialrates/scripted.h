// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/random.h"

#include <deque>
#include <memory>
#include <random>
#include <vector>

namespace testing {

inline runtime::ScriptedRandom::Script script(std::initializer_list<float> draws)
{
    return std::make_shared<std::deque<float>>(draws);
}

// A reproducible source for runs over many problems.
class SeededRandom : public runtime::RandomSource
{
public:
    explicit SeededRandom(unsigned seed)
        : m_engine(seed)
    {}
    float next() override { return runtime::unitInterval(m_uniform(m_engine)); }
    void reseed() override {}

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<float> m_uniform{0.0f, 1.0f};
};

// Appends the draws of a known problem: orders 1 and 2, k 3.47, then any
// extra draws (the Difficult variation), then the concentrations .405, .645,
// (.784), (.472), .183, .981 and the rows in the order trial 0, 3, 1, 2 from
// the top, or as the draws of the rows given place them.
inline void pushKnownProblem(const runtime::ScriptedRandom::Script &draws, const std::vector<float> &variation = {},
                             const std::vector<float> &rows = {0.0f, 0.5f, 0.5f, 0.9f, 0.0f, 0.3f})
{
    draws->insert(draws->end(), {0.5f, 0.9f, 0.347f});
    draws->insert(draws->end(), variation.begin(), variation.end());
    draws->insert(draws->end(), {0.405f, 0.645f, 0.784f, 0.472f, 0.183f, 0.981f});
    draws->insert(draws->end(), rows.begin(), rows.end());
}

} // namespace testing
