// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace deck {

// One row of the identifier catalogue (the Major Arcana as candidates for the
// card that stands for the user). The description is the card catalogue's text
// of the same card unless the row carries a text of its own.
struct SignRow {
    std::string_view name;
    std::int16_t image;
    std::string_view keywords;
    std::string_view ownDescription;
};

inline constexpr std::int16_t kSignCount = 22;

inline constexpr std::string_view kSignFallbackName = "Veltrano";
inline constexpr std::string_view kSignFallbackDescription =
    "If you are seeing this text, there has been a major error in your software. Please reboot the "
    "computer and/or contact your local software manufacturer or supplier.";

const std::array<SignRow, kSignCount>& signCatalogue();

// The description an identifier row stands for (its own text, or the card catalogue's).
std::string_view signDescription(std::int16_t sign);

} // namespace deck
