// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// A reading of a single card: the Identifier on the left, the card on the
// right, the three buttons between them.
class OneCard : public platform::Form {
    Q_OBJECT

public:
    OneCard();

    void Form_Load() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void PanicButton_Click();

    // Picture1 has the elements 0 (position 0) and 3 (the Identifier), as in
    // the Three Card window; OneCardLabel has the element 0. Other indexes
    // name no control and give nullptr.
    platform::PictureBox* Picture1(int index) const;
    QLabel* OneCardLabel(int index) const;

    QLabel* Label2;
    platform::PanicSquare* PanicButton;
    QLabel* SignLabel;
    QPushButton* Command3;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    platform::PictureBox* identifier_;
    platform::PictureBox* card_;
    QLabel* cardName_;
};

namespace Module1 {

// Pick Your Cards: one card, while the deal guard is clear.
void DealOneCard();
// Back from the One Card window to the main menu; the report stays open.
void OneCardToMenu();

} // namespace Module1
