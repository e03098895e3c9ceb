// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

namespace art {

// The size of picture n (1 to 79) at 1x, in pixels.
QSize cardSize(int imageNumber);

// Picture n of the card image list, drawn at `scale` times its size.
QImage drawCard(int imageNumber, int scale);

} // namespace art
