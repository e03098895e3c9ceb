// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the three spread windows have in common: the Identifier with its
// heading and name, the column of three buttons, the card slots, and the
// way they load.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace platform {
class Form;
class PictureBox;
} // namespace platform

namespace readings {

// The Identifier's picture, its heading ("Identifier") and its name.
struct IdentifierControls {
    platform::PictureBox* picture;
    QLabel* heading;
    QLabel* name;
};
// Picture1(3), Label2 and SignLabel in the top left corner, where the One
// Card and Three Card windows have them.
IdentifierControls addIdentifier(QWidget* window);

// Command1 "Pick Your Cards", Command2 "Main Menu" and Command3 "Reading
// Report", stacked down from `top` in that order at `left` twips.
struct SpreadButtons {
    QPushButton* pick;
    QPushButton* menu;
    QPushButton* report;
};
SpreadButtons addSpreadButtons(QWidget* window, int left, int top);

// The slot of one position: the card back until the first deal.
platform::PictureBox* addCardSlot(QWidget* window, int position, int left, int top);
// The name under a slot: its design text until the first deal.
QLabel* addCardName(QWidget* window, const QString& name, int left, int top);

// The load of a spread window: centred, the deal guard cleared, the Identifier shown.
void loadSpreadWindow(platform::Form* window, const IdentifierControls& identifier);

} // namespace readings
