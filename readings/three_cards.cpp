// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/three_cards.h"

#include "deck/spreads.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/form.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/spread.h"
#include "readings/spread_controls.h"
#include "reports/tc_rapport.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The row of slots under the Identifier, by position.
constexpr int kSlotLefts[deck::kThreeCardPositions] = {360, 1680, 3000};
constexpr int kSlotTop = 3000;
constexpr int kNameTop = 5160;

} // namespace

ThreeCards::ThreeCards()
    : Form("ThreeCards", platform::Frame::NoTitleBar, QSize(4860, 5730))
{
    using namespace platform;
    setAccessibleName(QStringLiteral("Three Card Reading"));
    setBackColor(this, kBlack);

    for (int i = 0; i < deck::kThreeCardPositions; ++i) {
        const auto at = static_cast<std::size_t>(i);
        pictures_[at] = readings::addCardSlot(this, i, kSlotLefts[at], kSlotTop);
        names_[at] = readings::addCardName(this, indexedName("Label1", i), kSlotLefts[at], kNameTop);
    }
    const readings::IdentifierControls identifier = readings::addIdentifier(this);
    pictures_[3] = identifier.picture;
    SignLabel = identifier.name;
    Label2 = identifier.heading;
    PanicButton = addPanicSquare(this, 4440, 5280);
    const readings::SpreadButtons buttons = readings::addSpreadButtons(this, 2040, 600);
    Command1 = buttons.pick;
    Command2 = buttons.menu;
    Command3 = buttons.report;

    chainTabOrder({pictures_[0], pictures_[1], pictures_[2], names_[0], names_[1], names_[2], pictures_[3],
                   SignLabel, PanicButton, Label2, Command3, Command2, Command1});

    connect(Command1, &QPushButton::clicked, this, &ThreeCards::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ThreeCards::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ThreeCards::Command3_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &ThreeCards::PanicButton_Click);
}

void ThreeCards::Form_Load()
{
    readings::loadSpreadWindow(this, {pictures_[3], Label2, SignLabel});
}

void ThreeCards::Command1_Click()
{
    Module1::DealThreeCards();
}

void ThreeCards::Command2_Click()
{
    // Hiding the report makes it first if it was never opened: it is then
    // filled from the reading state of this moment and kept for later.
    platform::form<TCRapport>().hide();
    Module1::ThreeCardsToMenu();
}

void ThreeCards::Command3_Click()
{
    platform::showInFront(platform::form<TCRapport>());
}

void ThreeCards::PanicButton_Click()
{
    platform::confirmExit(platform::kExitPrompt);
}

namespace Module1 {

void DealThreeCards()
{
    readings::dealSpread(deck::kThreeCardPositions, [](int position) -> readings::Slot {
        const ThreeCards& window = platform::form<ThreeCards>();
        return {window.Picture1(position), window.Label1(position)};
    });
}

void ThreeCardsToMenu()
{
    readings::backToMenu(&platform::form<ThreeCards>());
}

} // namespace Module1
