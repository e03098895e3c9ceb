// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace deck {

// How many positions each spread deals: a deal fills positions 0 to n - 1
// and leaves n - 1 in LastPosition.
inline constexpr std::int16_t kOneCardPositions = 1;
inline constexpr std::int16_t kThreeCardPositions = 3;
inline constexpr std::int16_t kCelticCrossPositions = 10;

} // namespace deck
