#pragma once

// Shared by the window tests: a fresh program for every case, and answers to
// the modal questions the program asks.

#include <QString>
#include <QStringList>
#include <functional>

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

} // namespace uitest
