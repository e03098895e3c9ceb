#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

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

// Sets a widget's back or fore colour the way a window or control shows it:
// the background is filled, the foreground is its text.
void setBackColor(QWidget* widget, std::uint32_t value);
void setForeColor(QWidget* widget, std::uint32_t value);

// The back colour a widget was last given, as a 0x00BBGGRR value or a system
// colour, so that tests and the program read back what was set.
std::uint32_t backColor(const QWidget* widget);

} // namespace platform
