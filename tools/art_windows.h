// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace art {

// The title banner, 384 x 96: the program's name in yellow-to-orange on black.
QImage drawBanner();

// The program icon, a card with a star, green on black: `size` pixels square.
// The desktop's icons leave the square around the card transparent.
QImage drawIcon(int size, bool squareBackground);

// The outline arrows on the Celtic Cross report's step buttons, 32 x 32,
// transparent where the button shows through.
QImage drawArrow(bool up);

// The main menu's own faces: fuller pictures than the cards of the list.
QImage drawMenuDaughterOfCups(int scale);
QImage drawMenuFool(int scale);

// An image reduced to the given palette (at most 16 entries), each pixel to
// its nearest entry. A transparent entry takes every pixel that is mostly
// transparent.
QImage toPalette(const QImage& image, const QList<QRgb>& palette);

// The palettes of the 16-colour pictures.
QList<QRgb> iconPalette();
QList<QRgb> arrowPalette();

} // namespace art
