// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/spread_controls.h"

#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"
#include "readings/spread.h"

#include <QLabel>
#include <QPushButton>

namespace readings {
namespace {

constexpr int kNameHeight = 375;
// The buttons of the column, one below the other.
constexpr int kButtonWidth = 2055;
constexpr int kButtonHeight = 615;
constexpr int kButtonStep = 600;

const platform::LabelStyle kRedOnBlack{platform::kBlack, platform::kRed, platform::kDefaultFont};

} // namespace

IdentifierControls addIdentifier(QWidget* window)
{
    using namespace platform;
    IdentifierControls controls{};
    controls.picture = addCardSlot(window, 3, 360, 480);
    controls.heading = addLabel(window, "Label2", "Identifier", {360, 120, 1215, 375},
                                {kBlack, kRed, kBoldItalicFont, Qt::AlignHCenter});
    controls.name = addLabel(window, "SignLabel", QString(), {360, 2520, 2655, kNameHeight}, kRedOnBlack);
    controls.name->setTextFormat(Qt::PlainText);
    return controls;
}

SpreadButtons addSpreadButtons(QWidget* window, int left, int top)
{
    const auto add = [&](const char* name, const char* text, int row) {
        return platform::addButton(window, name, text,
                                   {left, top + row * kButtonStep, kButtonWidth, kButtonHeight},
                                   platform::kBoldFont);
    };
    return {add("Command1", "Pick Your Cards", 0), add("Command2", "Main Menu", 1),
            add("Command3", "Reading Report", 2)};
}

platform::PictureBox* addCardSlot(QWidget* window, int position, int left, int top)
{
    auto* slot = platform::addPictureBox(window, platform::indexedName("Picture1", position),
                                         {left, top, cards::kSlotWidth, cards::kSlotHeight},
                                         platform::kWindowBackground);
    platform::setForeColor(slot, platform::kWindowText);
    cards::showCard(slot, deck::kCardBackImage);
    return slot;
}

QLabel* addCardName(QWidget* window, const QString& name, int left, int top)
{
    QLabel* label =
        platform::addLabel(window, name, "Label1", {left, top, cards::kSlotWidth, kNameHeight}, kRedOnBlack);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void loadSpreadWindow(platform::Form* window, const IdentifierControls& identifier)
{
    window->centre();
    Module1::DealCount = 0;
    showIdentifier(identifier.picture, identifier.name);
}

} // namespace readings
