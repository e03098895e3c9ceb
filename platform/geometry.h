// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace platform {

// Layouts are given in twips, 1440 to the inch, on a screen of 96 pixels to
// the inch: 15 twips to the pixel. Qt's device-independent pixels keep this
// right on high-DPI screens.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kScreenDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kScreenDpi;
static_assert(kTwipsPerPixel * kScreenDpi == kTwipsPerInch);

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// Left, Top, Width, Height in twips as a pixel rectangle.
QRect twipsRect(int left, int top, int width, int height);

} // namespace platform
