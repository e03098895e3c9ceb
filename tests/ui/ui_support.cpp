// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_support.h"

#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/geometry.h"
#include "platform/registry.h"
#include "readings/celtic_cross.h"
#include "readings/one_card.h"
#include "readings/significateur.h"
#include "readings/three_cards.h"
#include "reports/cc_print_pages.h"
#include "reports/cc_rapport.h"
#include "reports/oc_rapport.h"
#include "reports/tc_rapport.h"
#include "shell/about.h"
#include "shell/document_windows.h"
#include "shell/main_menu.h"
#include "shell/omvelis_form.h"
#include "shell/program_start.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <map>

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

QString fontText(const QFont& font)
{
    QString described = font.family() + ' ' + QString::number(font.pointSizeF());
    if (font.bold())
        described += " bold";
    if (font.italic())
        described += " italic";
    return described;
}

QString colourText(std::uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
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

QWidget* window(const QString& name)
{
    using Opener = QWidget* (*)();
    static const std::map<QString, Opener> openers = {
        {"OmvelisForm", []() -> QWidget* { return &platform::form<OmvelisForm>(); }},
        {"Significateur", []() -> QWidget* { return &platform::form<Significateur>(); }},
        {"MainMenu", []() -> QWidget* { return &platform::form<MainMenu>(); }},
        {"OneCard", []() -> QWidget* { return &platform::form<OneCard>(); }},
        {"ThreeCards", []() -> QWidget* { return &platform::form<ThreeCards>(); }},
        {"CelticCross", []() -> QWidget* { return &platform::form<CelticCross>(); }},
        {"OCRapport", []() -> QWidget* { return &platform::form<OCRapport>(); }},
        {"TCRapport", []() -> QWidget* { return &platform::form<TCRapport>(); }},
        {"CCRapport", []() -> QWidget* { return &platform::form<CCRapport>(); }},
        {"CCPrintAll", []() -> QWidget* { return &platform::form<CCPrintAll>(); }},
        {"CCPrintAll2", []() -> QWidget* { return &platform::form<CCPrintAll2>(); }},
        {"CCPrintAll3", []() -> QWidget* { return &platform::form<CCPrintAll3>(); }},
        {"About", []() -> QWidget* { return &platform::form<About>(); }},
        {"LectureDesc", []() -> QWidget* { return &platform::form<LectureDesc>(); }},
        {"HistoireDesc", []() -> QWidget* { return &platform::form<HistoireDesc>(); }},
        {"CartesDesc", []() -> QWidget* { return &platform::form<CartesDesc>(); }},
    };
    const auto found = openers.find(name);
    if (found == openers.end()) {
        qWarning("no window %s", qPrintable(name));
        return nullptr;
    }
    return found->second();
}

MainMenu& shownMenu()
{
    MainMenu& menu = platform::form<MainMenu>();
    menu.show();
    if (!QTest::qWaitForWindowActive(&menu))
        qWarning("the main menu never became active");
    return menu;
}

QRect pixels(const QRect& twips)
{
    return platform::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

QString lookDifference(QWidget* window, const ControlLooks& looks)
{
    auto* control = window->findChild<QWidget*>(looks.control);
    if (!control)
        return "missing";
    QStringList differences;
    const QRect place = pixels(looks.twips);
    if (control->geometry() != place)
        differences << QStringLiteral("placed at %1,%2 %3x%4")
                           .arg(control->x())
                           .arg(control->y())
                           .arg(control->width())
                           .arg(control->height());
    const auto* label = qobject_cast<QLabel*>(control);
    const auto* button = qobject_cast<QAbstractButton*>(control);
    if (!looks.text.isNull()) {
        const QString shown = label ? label->text() : button ? button->text() : QString();
        if (shown != looks.text)
            differences << "text " + shown;
    }
    if (looks.back != kNotGiven && platform::backColor(control) != looks.back)
        differences << "back " + colourText(platform::backColor(control));
    // A text box writes in its Text colour, everything else in its foreground.
    const QPalette::ColorRole foreRole =
        qobject_cast<QAbstractScrollArea*>(control) ? QPalette::Text : control->foregroundRole();
    const QColor fore = control->palette().color(foreRole);
    if (looks.fore != kNotGiven && fore != platform::toColor(looks.fore))
        differences << "fore " + fore.name();
    if (!looks.font.isEmpty() && fontText(control->font()) != looks.font)
        differences << "font " + fontText(control->font());
    if (label && bool(label->alignment() & Qt::AlignHCenter) != looks.centred)
        differences << (looks.centred ? "not centred" : "centred");
    return differences.join(", ");
}

} // namespace uitest
