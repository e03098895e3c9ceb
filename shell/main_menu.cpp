// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

#include "cards/card_pictures.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/program.h"
#include "platform/registry.h"
#include "readings/celtic_cross.h"
#include "readings/one_card.h"
#include "readings/three_cards.h"
#include "shell/about.h"
#include "shell/document_windows.h"

#include <QPushButton>
#include <QToolButton>

MainMenu::MainMenu()
    : Form("MainMenu", platform::Frame::NoTitleBar, QSize(7590, 6885))
{
    using namespace platform;
    setAccessibleName(QStringLiteral("Main Menu"));
    setBackColor(this, kBlack);

    const QPixmap cardBack = cards::cardBack();

    Picture1 = addPictureBox(this, "Picture1", {960, 120, 6855, 1335}, kBlack);
    Picture1->setPicture(windowPicture(WindowPicture::Banner));
    Picture1->setAccessibleName(QStringLiteral("Veltrano"));
    PanicButton = addPanicSquare(this, 7200, 6480);
    LectureCmd =
        addPictureButton(this, "LectureCmd", "Readings", windowPicture(WindowPicture::MenuDaughterOfCups),
                         {1200, 1560, 1695, 2535}, kBoldFont);
    HistoireCmd =
        addPictureButton(this, "HistoireCmd", "History of Tarot", windowPicture(WindowPicture::MenuFool),
                         {3000, 1560, 1695, 2535}, kBoldFont);
    CartesCmd =
        addPictureButton(this, "CartesCmd", "The Cards", windowPicture(WindowPicture::MenuDaughterOfWands),
                         {4800, 1560, 1695, 2535}, kBoldFont);
    Lecture1Cmd = addPictureButton(this, "Lecture1Cmd", "One Card Reading", cardBack,
                                   {1200, 4200, 1695, 2535}, kDefaultFont);
    Lecture3Cmd = addPictureButton(this, "Lecture3Cmd", "Three Card Reading", cardBack,
                                   {3000, 4200, 1695, 2535}, kDefaultFont);
    CC_Cmd = addPictureButton(this, "CC_Cmd", "Celtic Cross Reading", cardBack, {4800, 4200, 1695, 2535},
                              kDefaultFont);
    AideCmd = addButton(this, "AideCmd", "Info", {6600, 4920, 855, 855}, kBoldFont);
    SortirCmd = addButton(this, "SortirCmd", "Exit", {240, 4920, 855, 855}, kBoldFont);

    chainTabOrder({Picture1, PanicButton, LectureCmd, HistoireCmd, CartesCmd, Lecture1Cmd, Lecture3Cmd,
                   CC_Cmd, AideCmd, SortirCmd});

    connect(LectureCmd, &QToolButton::clicked, this, &MainMenu::LectureCmd_Click);
    connect(HistoireCmd, &QToolButton::clicked, this, &MainMenu::HistoireCmd_Click);
    connect(CartesCmd, &QToolButton::clicked, this, &MainMenu::CartesCmd_Click);
    connect(AideCmd, &QPushButton::clicked, this, &MainMenu::AideCmd_Click);
    connect(Lecture1Cmd, &QToolButton::clicked, this, &MainMenu::Lecture1Cmd_Click);
    connect(Lecture3Cmd, &QToolButton::clicked, this, &MainMenu::Lecture3Cmd_Click);
    connect(CC_Cmd, &QToolButton::clicked, this, &MainMenu::CC_Cmd_Click);
    connect(SortirCmd, &QPushButton::clicked, this, &MainMenu::SortirCmd_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &MainMenu::PanicButton_Click);
}

void MainMenu::Form_Load()
{
    centre();
}

void MainMenu::LectureCmd_Click()
{
    platform::showInFront(platform::form<LectureDesc>());
}

void MainMenu::HistoireCmd_Click()
{
    platform::showInFront(platform::form<HistoireDesc>());
}

void MainMenu::CartesCmd_Click()
{
    platform::showInFront(platform::form<CartesDesc>());
}

void MainMenu::AideCmd_Click()
{
    platform::showInFront(platform::form<About>());
}

void MainMenu::Lecture1Cmd_Click()
{
    hide();
    platform::form<OneCard>().show();
}

void MainMenu::Lecture3Cmd_Click()
{
    hide();
    platform::form<ThreeCards>().show();
}

void MainMenu::CC_Cmd_Click()
{
    hide();
    platform::form<CelticCross>().show();
}

void MainMenu::SortirCmd_Click()
{
    platform::endProgram();
}

void MainMenu::PanicButton_Click()
{
    platform::confirmExit(platform::kExitPrompt);
}
