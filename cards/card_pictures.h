// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {
class PictureBox;
} // namespace platform

namespace cards {

// The box every window gives a card picture, in twips: room for the largest
// picture of the list.
inline constexpr int kSlotWidth = 1170;
inline constexpr int kSlotHeight = 2055;

// What a screen reader calls the picture of an image number: the card's
// draw name, "Fool" or "Card back"; empty for a number with no picture.
QString pictureName(int imageNumber);

// Shows picture `imageNumber` of the card image list in `box`, named for
// screen readers. A number that names no picture shows the card back, so a
// box never goes blank.
void showCard(platform::PictureBox* box, int imageNumber);

// The card back as the image list holds it, not a copy.
QPixmap cardBack();

} // namespace cards
