// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>
#include <functional>

class QWidget;

namespace platform {

// Colours are written 0x00BBGGRR; 0x800000nn names a colour of the system
// (the palette here).
inline constexpr std::uint32_t kWindowBackground = 0x80000005;
inline constexpr std::uint32_t kWindowText = 0x80000008;
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kButtonText = 0x80000012;

inline constexpr std::uint32_t kBlack = 0x00000000;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;
inline constexpr std::uint32_t kRed = 0x000000FF;
inline constexpr std::uint32_t kDarkRed = 0x000000C0;
inline constexpr std::uint32_t kGrey = 0x00C0C0C0;
inline constexpr std::uint32_t kYellow = 0x0000FFFF;

QColor toColor(std::uint32_t value);

// The WCAG contrast ratio of two colours: 1 (equal) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Text below this ratio against its background counts as unreadable.
inline constexpr double kReadableContrast = 3.0;

// A back and fore colour as a control shows them. Fixed colours always show
// as given. A system colour shows as the palette has it, unless that would
// leave the text unreadable against a fixed partner (light text of a dark
// palette on a fixed white box, say): then it gives way to black or white,
// whichever reads better on the partner. The text gives way first.
struct ColourPair {
    QColor back, fore;
};
ColourPair resolvePair(std::uint32_t back, std::uint32_t fore);

// Sets a widget's back or fore colour the way a window or control shows it:
// the background is filled, the foreground is its text. The widget keeps the
// values, not the colours: when the desktop's palette changes, every such
// widget resolves them again, so no window is left half in the old palette.
void setBackColor(QWidget* widget, std::uint32_t value);
void setForeColor(QWidget* widget, std::uint32_t value);

// Runs `draw` with `window` coloured as on paper: under a dark desktop
// scheme, system colours are taken from the style's light palette, so that a
// printed page is not a dark one. The window is as before when it returns.
void withPaperColours(QWidget* window, const std::function<void()>& draw);

// The back colour a widget was last given, as a 0x00BBGGRR value or a system
// colour, so that tests and the program read back what was set.
std::uint32_t backColor(const QWidget* widget);

} // namespace platform
