// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace runtime {

// A uniform single-precision random number in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Starts a new sequence.
    virtual void reseed() = 0;
};

// Keeps a draw inside [0, 1): a float conversion of a value just below 1 can
// round up to 1.0, and a draw of 1.0 would overrun every range built on it.
float unitInterval(float draw);

// The program's own source. Each sequence starts from the clock, or from the
// number in VELOMIRA_SEED when that is set, so that a run can be replayed:
// the same seed gives the same problems.
class ProgramRandom : public RandomSource
{
public:
    ProgramRandom();
    float next() override;
    void reseed() override;

private:
    std::mt19937 m_engine;
};

// Hands out draws given in advance, in order; reseeding keeps the script.
// Past the end of the script it remembers the overrun and goes on with draws
// spread evenly over [0, 1), so that a loop waiting for a suitable draw (a
// concentration above 0.7, a problem that can be solved) still ends.
class ScriptedRandom : public RandomSource
{
public:
    using Script = std::shared_ptr<std::deque<float>>;
    explicit ScriptedRandom(Script script);
    float next() override;
    void reseed() override {}
    bool overrun() const { return m_overrun; }

private:
    Script m_script;
    bool m_overrun{false};
    int m_extra{0};
};

// A concentration as the problems draw one: a draw rounded to three
// decimals, drawn again until it exceeds the floor in single precision.
float goodrandomgenerate(RandomSource &random, float floor);

// Screens take their random source from here when they are loaded: the
// program's own unless another factory was installed (a scripted source, for
// instance).
using RandomFactory = std::function<std::unique_ptr<RandomSource>()>;
std::unique_ptr<RandomSource> makeRandomSource();
void setRandomFactory(RandomFactory factory);

} // namespace runtime
