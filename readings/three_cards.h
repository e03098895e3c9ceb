// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "deck/spreads.h"
#include "platform/form.h"

#include <array>

class QLabel;
class QPushButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// A reading of three cards in a row under the Identifier, positions 0, 1, 2
// from left to right.
class ThreeCards : public platform::Form {
    Q_OBJECT

public:
    ThreeCards();

    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void PanicButton_Click();

    // Picture1(0) to (2) are the positions, Picture1(3) the Identifier;
    // Label1(i) names the card at position i.
    platform::PictureBox* Picture1(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    QLabel* Label1(int index) const { return names_.at(static_cast<std::size_t>(index)); }

    QLabel* SignLabel;
    platform::PanicSquare* PanicButton;
    QLabel* Label2;
    QPushButton* Command3;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    // The positions, then the Identifier.
    std::array<platform::PictureBox*, deck::kThreeCardPositions + 1> pictures_;
    std::array<QLabel*, deck::kThreeCardPositions> names_;
};

namespace Module1 {

// Pick Your Cards: three distinct cards, while the deal guard is clear.
void DealThreeCards();
// Back from the Three Card window to the main menu.
void ThreeCardsToMenu();

} // namespace Module1
