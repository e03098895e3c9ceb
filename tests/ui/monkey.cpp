// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include "monkey_rules.h"
#include "ui_support.h"

#include "deck/random_source.h"
#include "platform/form.h"
#include "platform/registry.h"
#include "shell/omvelis_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace monkey {
namespace {

constexpr std::size_t kTraceLength = 30;

// Controls the monkey presses seldom: ending the program restarts it from the
// start-up window, and a printout renders its pages at paper resolution,
// which costs as much as a hundred other actions.
struct Seldom {
    const char* window;
    const char* control;
    int inN;
};
constexpr Seldom kSeldom[] = {
    {"MainMenu", "SortirCmd", 25},
    {"CCRapport", "PrintCommand1", 40},
    {"OCRapport", "Command1", 40},
    {"TCRapport", "Command1", 40},
};

// Keys a user may press in any window; none opens a context menu.
struct KeyName {
    Qt::Key key;
    const char* name;
};
constexpr KeyName kKeys[] = {
    {Qt::Key_Space, "Space"},
    {Qt::Key_Return, "Return"},
    {Qt::Key_Escape, "Escape"},
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Backtab, "Backtab"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_PageDown, "PageDown"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
    {Qt::Key_A, "A"},
    {Qt::Key_7, "7"},
};

QString plain(QString text)
{
    return text.remove('&');
}

QString nameOf(const QWidget* widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

bool hasCloseBox(const QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return !(flags & Qt::FramelessWindowHint) && (flags & Qt::WindowCloseButtonHint);
}

bool canMinimise(const QWidget* window)
{
    return window->windowFlags() & Qt::WindowMinimizeButtonHint;
}

bool canMaximise(const QWidget* window)
{
    return window->windowFlags() & Qt::WindowMaximizeButtonHint;
}

// The windows of the program on screen, in a fixed order.
std::vector<QWidget*> windowsOnScreen()
{
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<platform::Form*>(window))
            windows.push_back(window);
    }
    std::sort(windows.begin(), windows.end(),
              [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
}

template <class Keep> std::vector<QWidget*> controls(QWidget* window, Keep keep)
{
    std::vector<QWidget*> found;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisible() && control->isEnabled() && keep(control))
            found.push_back(control);
    }
    return found;
}

// A point well inside a control, where a click lands on it.
QPoint inside(const QWidget* control, int x, int y)
{
    const int margin = std::min({4, (control->width() - 1) / 3, (control->height() - 1) / 3});
    const QRect area = control->rect().adjusted(margin, margin, -margin, -margin);
    return {area.left() + x % std::max(1, area.width()), area.top() + y % std::max(1, area.height())};
}

} // namespace

QString Action::describe() const
{
    static const char* kKinds[] = {"click", "key", "close", "window"};
    QString text = QString("#%1 %2: %3 %4").arg(index).arg(window, kKinds[int(kind)], target);
    if (!detail.isEmpty())
        text += ' ' + detail;
    for (const Question& question : questions)
        text += QString(" [%1 \"%2\" -> %3]").arg(question.title, question.text, question.answer);
    for (const Page& page : pages)
        text += QString(" [page %1%2]")
                    .arg(page.window, page.result == platform::PrintResult::Printed ? "" : " failed");
    if (programEnded)
        text += " [program ended]";
    return text;
}

Monkey::Monkey(std::uint64_t seed)
    : random_(seed)
    , rules_(std::make_unique<Rules>())
    , answerer_(std::make_unique<QTimer>())
{
    // The draw follows the seed too, so that a run replays card for card.
    deck::drawRandomSource().setState(seed ^ 0x5DEECE66DULL);
    deck::drawRandomSource().setTimer([tick = std::uint64_t(0)]() mutable { return ++tick; });
    platform::setPageSink([this](const platform::PrintedPage& page) { return printed(page); });
    answerer_->setInterval(0);
    QObject::connect(answerer_.get(), &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            answer(box);
    });
}

Monkey::~Monkey()
{
    // As the program does once its loop has ended.
    platform::destroyAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::setPageSink({});
    deck::drawRandomSource().setTimer({});
}

const QStringList& Monkey::failures() const
{
    return rules_->failures();
}

std::uint64_t Monkey::checks() const
{
    return rules_->checks();
}

QStringList Monkey::trace() const
{
    return QStringList(trace_.begin(), trace_.end());
}

bool Monkey::chance(int inN)
{
    return below(inN) == 0;
}

int Monkey::below(int n)
{
    return int(std::uniform_int_distribution<int>(0, n - 1)(random_));
}

void Monkey::settle()
{
    // What the event loop does between two actions of the user: activation,
    // painting, and windows closed with their close box deleted.
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Monkey::startProgram()
{
    uitest::freshProgram();
    platform::form<OmvelisForm>().show();
    settle();
    rules_->restarted();
}

bool Monkey::step()
{
    Action action;
    action.index = figures_.actions++;
    const std::vector<QWidget*> windows = windowsOnScreen();
    if (windows.empty()) {
        trace_.push_back(QString("#%1: no window on screen").arg(action.index));
        rules_->after(action);
        return false;
    }
    QWidget* window = windows[std::size_t(below(int(windows.size())))];
    action.window = window->objectName();
    ++figures_.visits[action.window];

    current_ = &action;
    answerer_->start();
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        act(action, window);
        // Ending the program stops every running loop, this one included.
        if (loop.isRunning())
            loop.exit(-1);
    });
    action.programEnded = loop.exec() == 0;
    answerer_->stop();
    current_ = nullptr;
    settle();

    trace_.push_back(action.describe());
    if (trace_.size() > kTraceLength)
        trace_.pop_front();
    for (const Question& question : action.questions)
        ++figures_.questions[question.title];
    rules_->after(action);
    figures_.deals = rules_->deals();
    if (!rules_->dealtBy().isEmpty())
        ++figures_.dealsBy[rules_->dealtBy()];
    if (!rules_->failures().isEmpty())
        return false;
    if (action.programEnded) {
        ++figures_.restarts;
        startProgram();
    }
    return rules_->failures().isEmpty();
}

void Monkey::act(Action& action, QWidget* window)
{
    // A user's click or key goes to the window under it, which becomes active.
    if (QApplication::activeWindow() != window && !window->isMinimized()) {
        window->activateWindow();
        QCoreApplication::processEvents();
    }
    actOn(action, window);
}

void Monkey::actOn(Action& action, QWidget* window)
{
    if (window->isMinimized()) {
        action.kind = Kind::WindowState;
        action.target = "restore";
        window->showNormal();
        return;
    }
    const auto isButton = [](QWidget* control) { return qobject_cast<QAbstractButton*>(control) != nullptr; };
    const auto focusable = [](QWidget* control) { return control->focusPolicy() != Qt::NoFocus; };
    const auto seldom = [this, window](QWidget* control) {
        for (const Seldom& rare : kSeldom) {
            if (window->objectName() == rare.window && control->objectName() == rare.control)
                return !chance(rare.inN);
        }
        return false;
    };

    const int roll = below(100);
    if (roll < 8) {
        const int choice = below(4);
        if (choice == 0) {
            // The close box, or a close request from the window manager
            // (Alt+F4, a taskbar), which reaches windows without one too.
            action.kind = Kind::Close;
            action.target = hasCloseBox(window) ? kCloseBox : kCloseRequest;
            ++figures_.closes;
            window->close();
        } else if (choice == 1 && canMinimise(window)) {
            action.kind = Kind::WindowState;
            action.target = "minimise";
            window->showMinimized();
        } else if (choice == 2 && canMaximise(window)) {
            action.kind = Kind::WindowState;
            action.target = "maximise";
            window->showMaximized();
        } else {
            action.kind = Kind::WindowState;
            action.target = "restore";
            window->showNormal();
        }
        return;
    }

    if (roll < 20) {
        const std::vector<QWidget*> targets = controls(window, focusable);
        if (!targets.empty()) {
            QWidget* target = targets[std::size_t(below(int(targets.size())))];
            const KeyName& key = kKeys[below(int(std::size(kKeys)))];
            // Space and Return press a focused button.
            const bool presses = key.key == Qt::Key_Space || key.key == Qt::Key_Return;
            if (presses && seldom(target))
                return actOn(action, window);
            action.kind = Kind::Key;
            action.target = nameOf(target);
            action.detail = key.name;
            if (presses && isButton(target))
                action.pressed = action.target;
            QTest::keyClick(target, key.key);
            return;
        }
    }

    std::vector<QWidget*> targets = controls(window, isButton);
    if (roll >= 85 || targets.empty())
        targets = controls(window, [&](QWidget* control) { return !isButton(control); });
    if (targets.empty()) {
        action.target = "window";
        QTest::mouseClick(window, Qt::LeftButton, {}, inside(window, below(10000), below(10000)));
        return;
    }
    QWidget* target = targets[std::size_t(below(int(targets.size())))];
    if (seldom(target))
        return actOn(action, window);
    action.kind = Kind::Click;
    action.target = nameOf(target);
    if (isButton(target))
        action.pressed = action.target;
    QTest::mouseClick(target, Qt::LeftButton, {}, inside(target, below(10000), below(10000)));
}

void Monkey::answer(QMessageBox* box)
{
    Question question;
    question.title = box->windowTitle();
    question.text = box->text();
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    for (QAbstractButton* button : buttons)
        question.buttons << plain(button->text());
    if (box->defaultButton())
        question.defaultButton = plain(box->defaultButton()->text());

    // Mostly No, Cancel or Escape; now and then Yes to the exit question,
    // which ends the program, or Return, which answers the default button.
    const bool exitQuestion = question.buttons.contains("Yes");
    QStringList choices{"Escape"};
    for (const QString& button : question.buttons) {
        if (button != "Yes")
            choices << button;
    }
    if (!exitQuestion)
        choices << "Return";
    question.answer =
        exitQuestion && chance(25) ? (chance(2) ? "Yes" : "Return") : choices[below(int(choices.size()))];
    question.yes = exitQuestion && (question.answer == "Yes" || question.answer == "Return");
    if (current_)
        current_->questions.push_back(question);

    if (question.answer == "Escape" || question.answer == "Return") {
        QTest::keyClick(box, question.answer == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        return;
    }
    for (QAbstractButton* button : buttons) {
        if (plain(button->text()) == question.answer) {
            button->click();
            return;
        }
    }
}

platform::PrintResult Monkey::printed(const platform::PrintedPage& page)
{
    // Now and then the printer is missing, does not answer or refuses, so that the
    // failure message is asked and answered too.
    constexpr platform::PrintResult kFailures[] = {
        platform::PrintResult::NoPrinter, platform::PrintResult::NoAnswer, platform::PrintResult::Failed};
    const int roll = below(30);
    const platform::PrintResult result = roll < 3 ? kFailures[roll] : platform::PrintResult::Printed;
    if (result == platform::PrintResult::Printed)
        ++figures_.pagesPrinted;
    else
        ++figures_.printFailures;
    if (current_)
        current_->pages.push_back({page.window, result, page.inches, page.picture.boundingRect().size()});
    return result;
}

} // namespace monkey
