// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "deck/spreads.h"
#include "platform/form.h"

#include <array>

class QLabel;
class QPushButton;

// The report of a Three Card Reading: a column for each position, titled with
// its meaning, and a fourth for the Identifier. Filled once, when it is made.
class TCRapport : public platform::Form {
    Q_OBJECT

public:
    TCRapport();

    void Form_Load() override;

    void Command1_Click();

    // Name and description of the card at position 0, 1 or 2.
    QLabel* CardNameLabel(int position) const { return names_.at(static_cast<std::size_t>(position)); }
    QLabel* DescriptionLabel(int position) const
    {
        return descriptions_.at(static_cast<std::size_t>(position));
    }

    // The column headings, left to right.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* SignLabel;
    QLabel* SignDescriptionLabel;
    QPushButton* Command1;

private:
    std::array<QLabel*, deck::kThreeCardPositions> names_;
    std::array<QLabel*, deck::kThreeCardPositions> descriptions_;
};
