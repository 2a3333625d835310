// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

#include "numbers.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace runtime {

float unitInterval(float draw)
{
    if (!(draw >= 0.0f)) // also catches NaN
        return 0.0f;
    if (draw >= 1.0f)
        return std::nextafter(1.0f, 0.0f);
    return draw;
}

ProgramRandom::ProgramRandom()
{
    reseed();
}

float ProgramRandom::next()
{
    return unitInterval(std::generate_canonical<float, 24>(m_engine));
}

void ProgramRandom::reseed()
{
    if (const char *given = std::getenv("VELOMIRA_SEED"); given && *given) {
        std::seed_seq seq{static_cast<unsigned>(std::strtoul(given, nullptr, 10))};
        m_engine.seed(seq);
        return;
    }
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    m_engine.seed(seq);
}

float goodrandomgenerate(RandomSource &random, float floor)
{
    float goodrandom = 0.0f;
    do {
        goodrandom = static_cast<float>(roundTo(random.next(), 3));
    } while (!(goodrandom > floor));
    return goodrandom;
}

ScriptedRandom::ScriptedRandom(Script script)
    : m_script(std::move(script))
{}

float ScriptedRandom::next()
{
    if (!m_script || m_script->empty()) {
        m_overrun = true;
        // Multiples of the golden ratio's fraction never repeat and fill the
        // interval evenly.
        ++m_extra;
        return unitInterval(float(std::fmod(m_extra * 0.6180339887498949, 1.0)));
    }
    const float draw = m_script->front();
    m_script->pop_front();
    return unitInterval(draw);
}

namespace {
RandomFactory &factory()
{
    static RandomFactory f;
    return f;
}
} // namespace

std::unique_ptr<RandomSource> makeRandomSource()
{
    if (factory())
        return factory()();
    return std::make_unique<ProgramRandom>();
}

void setRandomFactory(RandomFactory f)
{
    factory() = std::move(f);
}

} // namespace runtime
