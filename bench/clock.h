// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>

namespace bench {

// Nanoseconds on the monotonic clock, the one Python's time.monotonic_ns()
// reads: the runner notes the time before it starts a process, the process
// prints the time at which its window was painted.
inline std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline void reportPainted()
{
    std::printf("painted %lld\n", static_cast<long long>(monotonicNs()));
    std::fflush(stdout);
}

} // namespace bench
