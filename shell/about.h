// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

namespace platform {
class PictureBox;
} // namespace platform

// The program's name, version and maker. OK only hides it, so it comes back
// where the user left it.
class About : public platform::Form {
    Q_OBJECT

public:
    About();

    void Form_Load() override;
    void Command1_Click();

    platform::PictureBox* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Command1;
    QLabel* Label4;
};
