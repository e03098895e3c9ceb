// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A known Celtic Cross reading, written into the reading state the way a
// deal leaves it, for the report window and the printed pages.

#include "deck/card_catalogue.h"
#include "deck/module1.h"

#include <array>
#include <cstdint>

namespace uitest {

using CelticCards = std::array<std::int16_t, 10>;

// The five cards whose report names differ from their draw names come first.
inline constexpr CelticCards kRenamedFirst{16, 18, 19, 21, 49, 1, 35, 44, 60, 77};

inline void layCelticCross(const CelticCards& cards)
{
    using namespace Module1;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        const deck::CardRow& row = deck::cardRow(cards[i]);
        DrawnCards[i] = cards[i];
        CardNames[i] = std::string(row.drawName);
        CardImages[i] = row.image;
    }
    LastPosition = 9;
}

} // namespace uitest
