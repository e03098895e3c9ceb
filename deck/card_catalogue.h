// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace deck {

// One row of the card catalogue. The report name is what the lookups hand to
// the reports and printed pages; the draw name is what the spread windows show.
// They differ on five rows only.
struct CardRow {
    std::string_view reportName;
    std::string_view drawName;
    std::int16_t image;
    std::string_view description;
};

inline constexpr std::int16_t kCardCount = 78;

// The card image list: image c shows card c for c = 1 to 77; the Fool and the
// card back close the list.
inline constexpr std::int16_t kFoolImage = 78;
inline constexpr std::int16_t kCardBackImage = 79;
inline constexpr std::int16_t kImageCount = 79;

// The answer for any card number outside 0..77.
inline constexpr CardRow kCardFallback{"Veltrano", "Veltrano", kCardBackImage, "Cardback"};

// The 78 rows, indexed by card number.
const std::array<CardRow, kCardCount>& cardCatalogue();

// The row for any 16-bit card number; the fallback row when it is out of range.
const CardRow& cardRow(std::int16_t card);

} // namespace deck
