#pragma once

#include <QRect>

namespace platform {

// Layouts are given in twips: 1440 to the inch, 15 to the pixel at 96 dpi.
// Qt's device-independent pixels keep this right on high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// Left, Top, Width, Height in twips as a pixel rectangle.
QRect twipsRect(int left, int top, int width, int height);

} // namespace platform
