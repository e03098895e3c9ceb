// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "deck/spreads.h"
#include "platform/form.h"

#include <array>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class PictureBox;
} // namespace platform

// The report of a Celtic Cross: a diagram of the ten places with their
// titles, and one position at a time beside the Identifier, stepped with
// two arrows. Print Full Report prints the three report pages.
class CCRapport : public platform::Form {
    Q_OBJECT

public:
    static constexpr int kPositions = deck::kCelticCrossPositions;

    CCRapport();

    void Form_Load() override;

    void UpCom_Click();
    void DownCom_Click();
    void PrintCommand1_Click();

    // The position the right part shows, 0 to 9.
    std::int16_t HighlightedPosition = 0;

    // The diagram's number box of a position (Label1 to Label10) and its title
    // in the list (Rep1 to Rep10).
    QLabel* numberBox(int position) const { return numberBoxes_[std::size_t(position)]; }
    QLabel* title(int position) const { return titles_[std::size_t(position)]; }

    platform::PictureBox* SSPanel1;
    QLabel* Label11;
    QLabel* RepresentationLabel;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    platform::PictureBox* Picture2;
    QPushButton* UpCom;
    QPushButton* DownCom;
    platform::PictureBox* Picture1;
    QLabel* CardNameLabel;
    QLabel* SignLabel;
    QPlainTextEdit* Text1;
    QPushButton* PrintCommand1;

private:
    void showPosition(int position);
    void highlight(int position, int lastHighlighted);

    std::array<QLabel*, kPositions> numberBoxes_{};
    std::array<QLabel*, kPositions> titles_{};
};
