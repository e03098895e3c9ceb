// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the window tests: a fresh program for every case, and answers to
// the modal questions the program asks.

#include <QMetaType>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class MainMenu;
class QImage;
class QWidget;

namespace uitest {

// Every window gone and the reading state as at program start.
void freshProgram();

// What a modal question showed before it was answered.
struct Question {
    QString title;
    QString text;
    QStringList buttons; // in their order, mnemonics stripped
    QString defaultButton;
    bool hasIcon = true;
    bool asked = false;
};

// Answers the next modal question by pressing a key (Qt::Key_Return,
// Qt::Key_Escape) or clicking the button with the given text ("No").
void answerNextQuestion(Question& seen, int key);
void answerNextQuestion(Question& seen, const QString& buttonText);

// Runs `action` inside an event loop: 0 if it ended the program, -1 if the
// program was still running when it returned.
int runUntilProgramEnds(const std::function<void()>& action);

// The keyboard order of a window's own controls, by object name.
QStringList focusChain(QWidget* window);

// The windows on screen, by object name, sorted.
QStringList visibleWindows();

// A window of the program by its name ("MainMenu", "CCPrintAll2"), created
// if need be but not shown.
QWidget* window(const QString& name);

// The main menu, shown and active.
MainMenu& shownMenu();

// A layout's rectangle, given in twips, as the pixels it covers on screen.
QRect pixels(const QRect& twips);

// Mean difference per colour channel of two images of the same size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b);

// How one control of a layout looks. A null text, kNotGiven as a colour and an
// empty font mean that the layout leaves it at the toolkit's default.
inline constexpr std::uint32_t kNotGiven = 0xFFFFFFFF;
struct ControlLooks {
    QString control;
    QString text;
    QRect twips;
    std::uint32_t back;
    std::uint32_t fore;
    QString font;
    bool centred;
};
// Compares a control of `window` with how it should look; an empty string when
// they agree, else what differs.
QString lookDifference(QWidget* window, const ControlLooks& looks);

} // namespace uitest

Q_DECLARE_METATYPE(uitest::ControlLooks)
