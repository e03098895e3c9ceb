// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// The start-up window: the banner, three card pictures, the credit line for
// the deck's illustrations and the Enter button.
class OmvelisForm : public platform::Form {
    Q_OBJECT

public:
    OmvelisForm();

    void Form_Load() override;
    void Form_Activate() override;

    void EnterButton_Click();
    void PanicButton_Click();
    QString exitPrompt() const override;

    // Picture1 has the elements 0, 1, 2 and 4.
    platform::PictureBox* Picture1(int index) const;

private:
    platform::PictureBox* cards_[3];
    platform::PictureBox* banner_;
    QPushButton* EnterButton;
    QLabel* OmvelisFormLabel1;
    platform::PanicSquare* PanicButton;
};
