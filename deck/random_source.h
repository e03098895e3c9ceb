// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace deck {

// The draw's pseudo-random generator. Every candidate card is preceded by a
// reseed from a timer; the reading is folded into the running state rather than
// restarting a fixed sequence from it, so that many reseeds within one timer
// tick (or a frozen timer) still give independent values and the redraw loop
// cannot stall on a repeating candidate.
class RandomSource {
public:
    using Timer = std::function<std::uint64_t()>;

    RandomSource();

    void reseedFromTimer();

    // Uniform in [0, 1), single precision, on a grid of 2^-24.
    float next();

    // Tests replace the timer to make the sequence repeatable; an empty
    // function restores the system clock.
    void setTimer(Timer timer);
    void setState(std::uint64_t state) { state_ = state; }

private:
    Timer timer_;
    std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

// The draw's one generator for the whole run.
RandomSource& drawRandomSource();

// The candidate card for one uniform value: the whole part of r * 77 + 1 in
// single precision, so 1 to 77 (card 0 is never drawn).
std::int16_t candidateCard(float r);

} // namespace deck
