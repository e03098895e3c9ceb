#pragma once

// What the One Card and Three Card windows have in common: the Identifier in
// the top left corner, the column of three buttons beside it, and the way they
// load and open their reports.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace platform {
class Form;
class PictureBox;
} // namespace platform

namespace readings {

// Picture1(3), Label2 ("Identifier") and SignLabel, where both windows have them.
struct IdentifierControls {
    platform::PictureBox* picture;
    QLabel* heading;
    QLabel* name;
};
IdentifierControls addIdentifier(QWidget* window);

// Command1 "Pick Your Cards", Command2 "Main Menu" and Command3 "Reading
// Report", stacked from the top in that order at `left` twips.
struct SpreadButtons {
    QPushButton* pick;
    QPushButton* menu;
    QPushButton* report;
};
SpreadButtons addSpreadButtons(QWidget* window, int left);

// The slot of one position: the card back until the first deal.
platform::PictureBox* addCardSlot(QWidget* window, int position, int left, int top);
// The name under a slot: its design text until the first deal.
QLabel* addCardName(QWidget* window, const QString& name, int left, int top);

// The load of a spread window: centred, the deal guard cleared, the Identifier shown.
void loadSpreadWindow(platform::Form* window, const IdentifierControls& identifier);

} // namespace readings
