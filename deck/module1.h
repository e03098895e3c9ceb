// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reading state: the variables through which every window passes a reading
// along, and the lookups and draw that fill them. Windows read and write these
// directly; there is no other shared object. Everything starts at 0 or empty
// and lasts for the whole run.

#include <array>
#include <cstdint>
#include <string>

namespace Module1 {

inline constexpr std::size_t kStateEntries = 79; // indexes 0 to 78

extern std::string DrawnName;
extern std::int16_t DrawnImage;
extern std::array<std::int16_t, kStateEntries> DrawnCards;
extern std::array<std::string, kStateEntries> CardNames;
extern std::array<std::int16_t, kStateEntries> CardImages;
extern std::int16_t LastPosition;
extern std::int16_t DealCount;
extern std::int16_t SignIndex;
extern std::int16_t SignImage;
extern std::string SignName;
extern std::string SignKeywords;
extern std::string SignDescription;
extern std::string CardName;
extern std::string CardDescription;
extern std::int16_t CardImage;

// Looks a card number up: CardName (report name), CardImage, CardDescription.
void CardInfo(const std::int16_t& card);

// Looks SignIndex up in the identifier catalogue: SignName, SignImage,
// SignKeywords, SignDescription. Out of range keeps SignKeywords as it was.
void SignInfo();

// Draws distinct cards 1 to 77 into positions 0 to last of DrawnCards,
// CardNames (draw names) and CardImages; entries above last are untouched.
void DrawCards(const std::int16_t& last);

} // namespace Module1

namespace deck {

// Puts every reading-state variable back to its start value, as at program start.
void resetReadingState();

} // namespace deck
