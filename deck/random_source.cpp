// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_source.h"

#include <chrono>
#include <utility>

namespace deck {
namespace {

std::uint64_t systemTimer()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// splitmix64's finaliser: a cheap full-avalanche mix of 64 bits.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

} // namespace

RandomSource::RandomSource()
    : timer_(systemTimer)
{
}

void RandomSource::setTimer(Timer timer)
{
    timer_ = timer ? std::move(timer) : Timer(systemTimer);
}

void RandomSource::reseedFromTimer()
{
    state_ = mix(state_ ^ mix(timer_() + kGolden));
}

float RandomSource::next()
{
    state_ += kGolden;
    const std::uint64_t bits = mix(state_) >> 40; // 24 bits: exact in a float
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

std::int16_t candidateCard(float r)
{
    const float scaled = r * 77.0f + 1.0f;
    return static_cast<std::int16_t>(scaled);
}

RandomSource& drawRandomSource()
{
    static RandomSource source;
    return source;
}

} // namespace deck
