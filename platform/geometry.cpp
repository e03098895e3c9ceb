// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/geometry.h"

#include <cmath>

namespace platform {

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace platform
