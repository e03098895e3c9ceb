// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/spread.h"

#include "cards/card_pictures.h"
#include "deck/module1.h"
#include "platform/navigation.h"
#include "platform/picture_box.h"
#include "platform/registry.h"

#include <QLabel>

namespace readings {

void dealSpread(std::int16_t positions, const std::function<Slot(int position)>& slotAt)
{
    using namespace Module1;
    if (DealCount >= 1)
        return;
    LastPosition = static_cast<std::int16_t>(positions - 1);
    const std::int16_t last = LastPosition;
    DrawCards(last);
    for (int i = 0; i <= LastPosition; ++i) {
        const Slot slot = slotAt(i);
        const auto at = static_cast<std::size_t>(i);
        slot.name->setText(QString::fromStdString(CardNames[at]));
        cards::showCard(slot.picture, CardImages[at]);
    }
    ++DealCount;
}

void showIdentifier(platform::PictureBox* picture, QLabel* name)
{
    cards::showCard(picture, Module1::SignImage);
    name->setText(QString::fromStdString(Module1::SignName));
}

void backToMenu(QWidget* spreadWindow)
{
    spreadWindow->hide();
    platform::showMainMenu();
}

} // namespace readings
