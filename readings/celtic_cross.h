// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "deck/spreads.h"
#include "platform/form.h"

#include <array>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// The Celtic Cross reading: six cards in a cross, the second lying over the
// first, and four in a column, with the Identifier and the buttons between.
class CelticCross : public platform::Form {
    Q_OBJECT

public:
    static constexpr int kPositions = deck::kCelticCrossPositions;

    CelticCross();

    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void PanicButton_Click();

    // Position i of the spread: its card and its name, for i = 0 to 9.
    platform::PictureBox* Picture1(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
    QLabel* Label1(int index) const { return names_.at(static_cast<std::size_t>(index)); }

    platform::PanicSquare* PanicButton;
    platform::PictureBox* CCSignPicture;
    QLabel* SignLabel;
    QLabel* SignLabel2;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::array<platform::PictureBox*, kPositions> pictures_{};
    std::array<QLabel*, kPositions> names_{};
};

namespace Module1 {

// Deals the ten cards, if the deal guard shared by the spread windows allows.
void DealCelticCross();

// Leaves the Celtic Cross for the main menu.
void CelticCrossToMenu();

} // namespace Module1
