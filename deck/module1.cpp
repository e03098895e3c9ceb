// SPDX-License-Identifier: GPL-3.0-or-later
#include "module1.h"

#include "card_catalogue.h"
#include "random_source.h"
#include "sign_catalogue.h"

namespace Module1 {

std::string DrawnName;
std::int16_t DrawnImage = 0;
std::array<std::int16_t, kStateEntries> DrawnCards{};
std::array<std::string, kStateEntries> CardNames{};
std::array<std::int16_t, kStateEntries> CardImages{};
std::int16_t LastPosition = 0;
std::int16_t DealCount = 0;
std::int16_t SignIndex = 0;
std::int16_t SignImage = 0;
std::string SignName;
std::string SignKeywords;
std::string SignDescription;
std::string CardName;
std::string CardDescription;
std::int16_t CardImage = 0;

void CardInfo(const std::int16_t& card)
{
    const deck::CardRow& row = deck::cardRow(card);
    CardName = row.reportName;
    CardImage = row.image;
    CardDescription = row.description;
}

void SignInfo()
{
    if (SignIndex < 0 || SignIndex >= deck::kSignCount) {
        SignName = deck::kSignFallbackName;
        SignImage = deck::kCardBackImage;
        SignDescription = deck::kSignFallbackDescription;
        return;
    }
    const deck::SignRow& row = deck::signCatalogue()[static_cast<std::size_t>(SignIndex)];
    SignName = row.name;
    SignImage = row.image;
    SignKeywords = row.keywords;
    SignDescription = deck::signDescription(SignIndex);
}

void DrawCards(const std::int16_t& last)
{
    // More than 77 positions cannot hold distinct cards 1 to 77 (the redraw
    // loop would never end), and the arrays end at 78: such a call draws nothing.
    constexpr std::int16_t kHighestPosition = deck::kCardCount - 2;
    if (last < 0 || last > kHighestPosition)
        return;

    deck::RandomSource& random = deck::drawRandomSource();

    // Pass 1. The scan for repeats covers every position of the spread, also
    // those after i, which still hold what the previous draw of the run left
    // there; a repeat sends i back so that the same position is drawn again.
    std::int16_t RepeatCount = 0;
    for (std::int16_t i = 0; i <= last; ++i) {
        RepeatCount = 0;
        random.reseedFromTimer();
        const std::int16_t candidate = deck::candidateCard(random.next());
        DrawnCards[static_cast<std::size_t>(i)] = candidate;
        for (std::int16_t j = 0; j <= last; ++j) {
            if (DrawnCards[static_cast<std::size_t>(j)] == candidate)
                ++RepeatCount;
        }
        if (RepeatCount >= 2)
            --i;
    }

    // Pass 2: the draw columns of the catalogue.
    for (std::int16_t i = 0; i <= last; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const deck::CardRow& row = deck::cardRow(DrawnCards[at]);
        DrawnName = row.drawName;
        DrawnImage = row.image;
        CardNames[at] = DrawnName;
        CardImages[at] = DrawnImage;
    }
}

} // namespace Module1

namespace deck {

void resetReadingState()
{
    using namespace Module1;
    DrawnName.clear();
    DrawnImage = 0;
    DrawnCards.fill(0);
    CardNames.fill(std::string());
    CardImages.fill(0);
    LastPosition = 0;
    DealCount = 0;
    SignIndex = 0;
    SignImage = 0;
    SignName.clear();
    SignKeywords.clear();
    SignDescription.clear();
    CardName.clear();
    CardDescription.clear();
    CardImage = 0;
}

} // namespace deck
