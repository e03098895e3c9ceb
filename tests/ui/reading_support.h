// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the tests of the spread windows and their reports: a run that has
// reached the main menu, a user who clicks through it, and what the windows show.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace uitest {

// A fresh program at the main menu, The Tower chosen as Identifier, and a draw
// that repeats from run to run.
void startAtMainMenu();

// Clicks through the program, one letter a click: '1' One Card Reading and
// '3' Three Card Reading on the main menu; 'p' Pick Your Cards, 'm' Main Menu
// and 'r' Reading Report on the spread window opened last. False, with a
// warning, when a click lands on a window that is not on screen.
bool play(const QString& steps);

// The spread window play() opened last.
QWidget* currentSpread();

// The card slots of a spread window, positions 0 to its last.
struct Slots {
    QList<int> images;
    QStringList accessibleNames;
    QStringList names;
    bool operator==(const Slots&) const = default;
};
Slots slotsOf(QWidget* spread);

// The reading state a deal may change.
struct DealState {
    QList<std::int16_t> drawnCards;
    QStringList cardNames;
    QList<std::int16_t> cardImages;
    std::int16_t lastPosition;
    std::int16_t dealCount;
    bool operator==(const DealState&) const = default;
};
DealState dealState();

// What a report should show for positions 0 to last, worked out from the
// reading state of this moment and the card catalogue.
struct ReportText {
    QStringList names;
    QStringList descriptions;
    bool operator==(const ReportText&) const = default;
};
ReportText expectedReport(int last);
// What a report window shows (OCRapport or TCRapport).
ReportText reportShows(QWidget* report);

// For QCOMPARE's messages.
char* toString(const Slots& shown);
char* toString(const DealState& state);
char* toString(const ReportText& text);

} // namespace uitest
