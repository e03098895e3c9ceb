// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

class QLabel;
class QWidget;

namespace platform {
class PictureBox;
} // namespace platform

namespace readings {

// The two controls a deal fills for one position of a spread.
struct Slot {
    platform::PictureBox* picture;
    QLabel* name;
};

// The deal every spread window makes: only while the deal guard shared by the
// three spread windows is clear; then the spread's `positions` are drawn and
// shown (draw names and pictures), and the guard is raised. `slotAt` is asked
// only for a deal that happens.
void dealSpread(std::int16_t positions, const std::function<Slot(int position)>& slotAt);

// The Identifier as the spread windows show it from their load on.
void showIdentifier(platform::PictureBox* picture, QLabel* name);

// Leaves a spread window for the main menu.
void backToMenu(QWidget* spreadWindow);

} // namespace readings
