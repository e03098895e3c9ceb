// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random use of the whole program in one process: from a seed, one random
// action after another on whatever windows and controls are on screen, and
// after each action a check of the rules the program always keeps.

#include "platform/window_printing.h"

#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <vector>

class QMessageBox;
class QTimer;
class QWidget;

namespace monkey {

// A modal question the program asked during an action, and how it was answered.
struct Question {
    QString title;
    QString text;
    QStringList buttons; // left to right, mnemonics stripped
    QString defaultButton;
    QString answer; // the button clicked or the key pressed
    bool yes = false;
};

// A page that reached the printer, and what the printer answered.
struct Page {
    QString window;
    platform::PrintResult result;
    QSizeF inches;
    QSize pixels;
};

enum class Kind { Click, Key, Close, WindowState };

// The targets of a close action: a window's own close box, or the window
// manager's close request on a window without one.
inline constexpr const char* kCloseBox = "close box";
inline constexpr const char* kCloseRequest = "close request";

// One action and what it led to.
struct Action {
    int index = 0;
    Kind kind = Kind::Click;
    QString window;  // the window acted on
    QString target;  // the control acted on, by object name or class
    QString detail;  // the key, the window state
    QString pressed; // the button this action pressed, if it pressed one
    std::vector<Question> questions;
    std::vector<Page> pages;
    bool programEnded = false;

    QString describe() const;
};

class Rules;

struct Figures {
    int actions = 0;
    int restarts = 0;
    int deals = 0;
    int pagesPrinted = 0;
    int printFailures = 0;
    int closes = 0;
    std::map<QString, int> visits;    // actions by window
    std::map<QString, int> dealsBy;   // deals by spread window
    std::map<QString, int> questions; // questions answered, by title
};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed);
    ~Monkey();

    // From program start: a fresh program with its start-up window on screen.
    void startProgram();

    // One random action and the checks after it. False when a rule broke;
    // failures() then says which.
    bool step();

    const QStringList& failures() const;
    QStringList trace() const; // the last actions, oldest first
    const Figures& figures() const { return figures_; }
    std::uint64_t checks() const;

private:
    void act(Action& action, QWidget* window);
    void actOn(Action& action, QWidget* window);
    void answer(QMessageBox* box);
    platform::PrintResult printed(const platform::PrintedPage& page);
    void settle();
    bool chance(int inN);
    int below(int n);

    std::mt19937_64 random_;
    std::unique_ptr<Rules> rules_;
    std::unique_ptr<QTimer> answerer_;
    Action* current_ = nullptr;
    Figures figures_;
    std::deque<QString> trace_;
};

} // namespace monkey
