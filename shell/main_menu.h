// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class QPushButton;
class QToolButton;

namespace platform {
class PanicSquare;
class PictureBox;
} // namespace platform

// The hub: the information windows, About, the three readings, and Exit.
class MainMenu : public platform::Form {
    Q_OBJECT

public:
    MainMenu();

    void Form_Load() override;

    void LectureCmd_Click();
    void HistoireCmd_Click();
    void CartesCmd_Click();
    void AideCmd_Click();
    void Lecture1Cmd_Click();
    void Lecture3Cmd_Click();
    void CC_Cmd_Click();
    void SortirCmd_Click();
    void PanicButton_Click();

    platform::PictureBox* Picture1;
    platform::PanicSquare* PanicButton;
    QToolButton* LectureCmd;
    QToolButton* HistoireCmd;
    QToolButton* CartesCmd;
    QToolButton* Lecture1Cmd;
    QToolButton* Lecture3Cmd;
    QToolButton* CC_Cmd;
    QPushButton* AideCmd;
    QPushButton* SortirCmd;
};
