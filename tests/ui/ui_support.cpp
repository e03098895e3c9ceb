#include "ui_support.h"

#include "deck/module1.h"
#include "platform/registry.h"
#include "shell/program_start.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace uitest {
namespace {

QString plain(QString text)
{
    return text.remove('&');
}

void whenQuestionShows(Question& seen, const std::function<void(QMessageBox*)>& answer, int triesLeft = 200)
{
    QTimer::singleShot(0, [&seen, answer, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                whenQuestionShows(seen, answer, triesLeft - 1);
            return;
        }
        seen.asked = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.hasIcon = box->icon() != QMessageBox::NoIcon;
        seen.buttons.clear();
        // The order the user sees them in, left to right.
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
                  [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
        for (QAbstractButton* button : buttons)
            seen.buttons << plain(button->text());
        if (box->defaultButton())
            seen.defaultButton = plain(box->defaultButton()->text());
        answer(box);
    });
}

} // namespace

void freshProgram()
{
    // Once a case has ended the program, every event loop refuses to run
    // until the application's own loop has started afresh.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();

    platform::destroyAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    deck::resetReadingState();
    shell::installMainMenu();
}

void answerNextQuestion(Question& seen, int key)
{
    whenQuestionShows(seen, [key](QMessageBox* box) { QTest::keyClick(box, Qt::Key(key)); });
}

void answerNextQuestion(Question& seen, const QString& buttonText)
{
    whenQuestionShows(seen, [buttonText](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            if (plain(button->text()) == buttonText) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable("no button " + buttonText));
    });
}

int runUntilProgramEnds(const std::function<void()>& action)
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop, &action] {
        action();
        // Ending the program stops every running loop, this one included.
        if (loop.isRunning())
            loop.exit(-1);
    });
    return loop.exec();
}

QStringList focusChain(QWidget* window)
{
    QStringList names;
    for (QWidget* at = window->nextInFocusChain(); at != window; at = at->nextInFocusChain()) {
        if (at->parentWidget() == window && at->focusPolicy() != Qt::NoFocus)
            names << at->objectName();
    }
    return names;
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names << window->objectName();
    }
    names.sort();
    return names;
}

} // namespace uitest
