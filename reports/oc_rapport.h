// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QLabel;
class QPushButton;

// The report of a One Card Reading: the Identifier and the drawn card side by
// side, each with its name and description. Filled once, when it is made.
class OCRapport : public platform::Form {
    Q_OBJECT

public:
    OCRapport();

    void Form_Load() override;

    void Command1_Click();

    QLabel* Label4;
    QLabel* SignLabel;
    QLabel* SignDescriptionLabel;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* OCLabel;
    QPushButton* Command1;
};
