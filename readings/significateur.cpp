// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/significateur.h"

#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/message_box.h"
#include "platform/navigation.h"
#include "platform/picture_box.h"
#include "platform/registry.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr const char* kInstructions =
    "You must choose an Identifier among the cards of the Major Arcana before continuing with your "
    "reading. Your Identifier represents you during the reading and should contribute much to the "
    "expected results. To choose a card click on the \"Next Card\" button to view the cards with a "
    "short explanation. Click on the large button to choose your card. Have fun!\n";

constexpr std::int16_t kLastMajorArcana = 21;

} // namespace

Significateur::Significateur()
    : Form("Significateur", platform::Frame::NoTitleBar, QSize(6600, 5280))
{
    using namespace platform;
    setAccessibleName(QStringLiteral("Choose the Identifier"));
    setBackColor(this, kBlack);

    const FontSpec small{kTimes, 8.25, true};
    const FontSpec large{kTimes, 12, true};

    SignPic = addPictureBox(this, "SignPic", {840, 120, cards::kSlotWidth, cards::kSlotHeight}, kButtonFace);
    cards::showCard(SignPic, deck::kCardBackImage);
    BackCom = addButton(this, "BackCom", "Back", {2160, 480, 975, 615}, small);
    ForwardCom = addButton(this, "ForwardCom", "Next Card", {2160, 1200, 975, 615}, small);
    Text1 = addTextBox(this, "Text1", kInstructions, {240, 2760, 6135, 2175}, kBlack, kWhite, large);
    ChooseCom = addButton(this, "ChooseCom", "Click here to choose the Identifier on the left.......",
                          {3480, 600, 2895, 1095}, large);
    SignNameLabel = addLabel(this, "SignNameLabel", QString(), {0, 2280, 2895, 375},
                             {kBlack, kWhite, large, Qt::AlignHCenter});
    PanicButton = addPanicSquare(this, 6360, 5040);

    chainTabOrder({SignPic, BackCom, ForwardCom, Text1, ChooseCom, SignNameLabel, PanicButton});

    connect(ForwardCom, &QPushButton::clicked, this, &Significateur::ForwardCom_Click);
    connect(BackCom, &QPushButton::clicked, this, &Significateur::BackCom_Click);
    connect(ChooseCom, &QPushButton::clicked, this, &Significateur::ChooseCom_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &Significateur::PanicButton_Click);
}

void Significateur::Form_Load()
{
    centre();
    Module1::SignIndex = 0;
}

void Significateur::showIdentifier(int step)
{
    using Module1::SignIndex;
    SignIndex = static_cast<std::int16_t>(SignIndex + step);
    if (SignIndex > kLastMajorArcana || SignIndex < 0)
        SignIndex = 0;
    Module1::SignInfo();
    cards::showCard(SignPic, Module1::SignImage);
    SignNameLabel->setText(QString::fromStdString(Module1::SignName));
    Text1->setPlainText(QString::fromStdString(Module1::SignKeywords));
    cardShown_ = true;
}

void Significateur::ForwardCom_Click()
{
    showIdentifier(+1);
}

void Significateur::BackCom_Click()
{
    showIdentifier(-1);
}

void Significateur::ChooseCom_Click()
{
    if (!cardShown_) {
        platform::messageBox(QStringLiteral("You must choose an Identifier."), platform::Buttons::OkCancel,
                             QStringLiteral("Choose"));
        return;
    }
    hide();
    platform::showMainMenu();
}

void Significateur::PanicButton_Click()
{
    platform::confirmExit(platform::kExitPrompt);
}
