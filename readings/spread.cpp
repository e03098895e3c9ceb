#include "readings/spread.h"

#include "deck/module1.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "shell/main_menu.h"

#include <QLabel>

namespace readings {

void dealSpread(std::int16_t last, const std::function<Slot(int position)>& slotAt)
{
    using namespace Module1;
    if (DealCount >= 1)
        return;
    LastPosition = last;
    const std::int16_t positions = LastPosition;
    DrawCards(positions);
    for (int i = 0; i <= LastPosition; ++i) {
        const Slot slot = slotAt(i);
        const auto at = static_cast<std::size_t>(i);
        slot.name->setText(QString::fromStdString(CardNames[at]));
        slot.picture->showCard(CardImages[at]);
    }
    ++DealCount;
}

void showIdentifier(platform::PictureBox* picture, QLabel* name)
{
    picture->showCard(Module1::SignImage);
    name->setText(QString::fromStdString(Module1::SignName));
}

void backToMenu(QWidget* spreadWindow)
{
    spreadWindow->hide();
    platform::form<MainMenu>().show();
}

} // namespace readings
