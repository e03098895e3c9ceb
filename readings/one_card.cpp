// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/one_card.h"

#include "deck/spreads.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/form.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/spread.h"
#include "readings/spread_controls.h"
#include "reports/oc_rapport.h"

#include <QLabel>
#include <QPushButton>

OneCard::OneCard()
    : Form("OneCard", platform::Frame::NoTitleBar, QSize(5625, 3060))
{
    using namespace platform;
    setAccessibleName(QStringLiteral("One Card Reading"));
    setBackColor(this, kBlack);

    const readings::IdentifierControls identifier = readings::addIdentifier(this);
    identifier_ = identifier.picture;
    Label2 = identifier.heading;
    SignLabel = identifier.name;
    card_ = readings::addCardSlot(this, 0, 4080, 480);
    cardName_ = readings::addCardName(this, indexedName("OneCardLabel", 0), 4080, 2520);
    PanicButton = addPanicSquare(this, 5280, 120);
    const readings::SpreadButtons buttons = readings::addSpreadButtons(this, 1800, 600);
    Command1 = buttons.pick;
    Command2 = buttons.menu;
    Command3 = buttons.report;

    chainTabOrder(
        {identifier_, card_, Label2, PanicButton, SignLabel, cardName_, Command3, Command2, Command1});

    connect(Command1, &QPushButton::clicked, this, &OneCard::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &OneCard::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &OneCard::Command3_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &OneCard::PanicButton_Click);
}

platform::PictureBox* OneCard::Picture1(int index) const
{
    return index == 0 ? card_ : index == 3 ? identifier_ : nullptr;
}

QLabel* OneCard::OneCardLabel(int index) const
{
    return index == 0 ? cardName_ : nullptr;
}

void OneCard::Form_Load()
{
    readings::loadSpreadWindow(this, {identifier_, Label2, SignLabel});
}

void OneCard::Command1_Click()
{
    Module1::DealOneCard();
}

void OneCard::Command2_Click()
{
    Module1::OneCardToMenu();
}

void OneCard::Command3_Click()
{
    platform::showInFront(platform::form<OCRapport>());
}

void OneCard::PanicButton_Click()
{
    platform::confirmExit(platform::kExitPrompt);
}

namespace Module1 {

void DealOneCard()
{
    readings::dealSpread(deck::kOneCardPositions, [](int position) -> readings::Slot {
        const OneCard& window = platform::form<OneCard>();
        return {window.Picture1(position), window.OneCardLabel(position)};
    });
}

void OneCardToMenu()
{
    readings::backToMenu(&platform::form<OneCard>());
}

} // namespace Module1
