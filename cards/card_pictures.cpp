// SPDX-License-Identifier: GPL-3.0-or-later
#include "cards/card_pictures.h"

#include "deck/card_catalogue.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/text.h"

namespace cards {

QString pictureName(int imageNumber)
{
    if (imageNumber == deck::kFoolImage)
        return QStringLiteral("Fool");
    if (imageNumber == deck::kCardBackImage)
        return QStringLiteral("Card back");
    if (imageNumber >= 1 && imageNumber < deck::kCardCount)
        return platform::text(deck::cardRow(static_cast<std::int16_t>(imageNumber)).drawName);
    return {};
}

void showCard(platform::PictureBox* box, int imageNumber)
{
    if (imageNumber < 1 || imageNumber > deck::kImageCount)
        imageNumber = deck::kCardBackImage;
    box->showImage(imageNumber, pictureName(imageNumber));
}

QPixmap cardBack()
{
    return platform::imageList().image(deck::kCardBackImage);
}

} // namespace cards
