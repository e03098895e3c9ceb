// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// Where the user browses the Major Arcana and chooses the Identifier, the
// card that stands for them in every reading of the run.
class Significateur : public platform::Form {
    Q_OBJECT

public:
    Significateur();

    void Form_Load() override;

    void ForwardCom_Click();
    void BackCom_Click();
    void ChooseCom_Click();
    void PanicButton_Click();

    platform::PictureBox* SignPic;
    QPushButton* BackCom;
    QPushButton* ForwardCom;
    QPlainTextEdit* Text1;
    QPushButton* ChooseCom;
    QLabel* SignNameLabel;
    platform::PanicSquare* PanicButton;

private:
    void showIdentifier(int step);

    bool cardShown_ = false;
};
