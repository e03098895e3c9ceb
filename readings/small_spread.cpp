#include "readings/small_spread.h"

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

constexpr int kCardWidth = 1170;
constexpr int kCardHeight = 2055;
constexpr int kNameHeight = 375;

const platform::LabelStyle kRedOnBlack{platform::kBlack, platform::kRed, platform::kDefaultFont};

} // namespace

IdentifierControls addIdentifier(QWidget* window)
{
    using namespace platform;
    IdentifierControls controls{};
    controls.picture = addCardSlot(window, 3, 360, 480);
    controls.heading = addLabel(window, "Label2", "Identifier", {360, 120, 1215, 375},
                                {kBlack, kRed, {kSansSerif, 8.25, true, true}, Qt::AlignHCenter});
    controls.name = addLabel(window, "SignLabel", QString(), {360, 2520, 2655, kNameHeight}, kRedOnBlack);
    controls.name->setTextFormat(Qt::PlainText);
    return controls;
}

SpreadButtons addSpreadButtons(QWidget* window, int left)
{
    using platform::addButton;
    const platform::FontSpec bold{platform::kSansSerif, 8.25, true};
    return {addButton(window, "Command1", "Pick Your Cards", {left, 600, 2055, 615}, bold),
            addButton(window, "Command2", "Main Menu", {left, 1200, 2055, 615}, bold),
            addButton(window, "Command3", "Reading Report", {left, 1800, 2055, 615}, bold)};
}

platform::PictureBox* addCardSlot(QWidget* window, int position, int left, int top)
{
    auto* slot = platform::addPictureBox(window, platform::indexedName("Picture1", position),
                                         {left, top, kCardWidth, kCardHeight}, platform::kWindowBackground);
    platform::setForeColor(slot, platform::kWindowText);
    cards::showCard(slot, deck::kCardBackImage);
    return slot;
}

QLabel* addCardName(QWidget* window, const QString& name, int left, int top)
{
    QLabel* label =
        platform::addLabel(window, name, "Label1", {left, top, kCardWidth, kNameHeight}, kRedOnBlack);
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
