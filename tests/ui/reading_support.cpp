// SPDX-License-Identifier: GPL-3.0-or-later
#include "reading_support.h"

#include "ui_support.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "deck/random_source.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "readings/one_card.h"
#include "readings/three_cards.h"
#include "shell/main_menu.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>

namespace uitest {
namespace {

QPointer<QWidget>& lastSpread()
{
    static QPointer<QWidget> spread;
    return spread;
}

bool clickOn(QWidget* window, const char* control)
{
    if (!window || !window->isVisible()) {
        qWarning("a click on %s of a window that is not shown", control);
        return false;
    }
    auto* button = window->findChild<QAbstractButton*>(control);
    if (!button) {
        qWarning("%s has no %s", qPrintable(window->objectName()), control);
        return false;
    }
    button->click();
    return true;
}

template <class T> QList<T> entries(const std::array<T, Module1::kStateEntries>& array)
{
    return QList<T>(array.begin(), array.end());
}

} // namespace

void startAtMainMenu()
{
    freshProgram();
    lastSpread().clear();
    Module1::SignIndex = 16;
    Module1::SignInfo();
    deck::RandomSource& random = deck::drawRandomSource();
    random.setState(20240611);
    random.setTimer([tick = std::uint64_t(1)]() mutable { return tick++; });
    platform::form<MainMenu>().show();
}

bool play(const QString& steps)
{
    MainMenu& menu = platform::form<MainMenu>();
    for (const QChar step : steps) {
        bool clicked = false;
        switch (step.toLatin1()) {
        case '1':
            clicked = clickOn(&menu, "Lecture1Cmd");
            lastSpread() = platform::existingForm<OneCard>();
            break;
        case '3':
            clicked = clickOn(&menu, "Lecture3Cmd");
            lastSpread() = platform::existingForm<ThreeCards>();
            break;
        case 'p':
            clicked = clickOn(lastSpread(), "Command1");
            break;
        case 'm':
            clicked = clickOn(lastSpread(), "Command2");
            break;
        case 'r':
            clicked = clickOn(lastSpread(), "Command3");
            break;
        default:
            qWarning("no step '%c'", step.toLatin1());
        }
        if (!clicked)
            return false;
    }
    return true;
}

QWidget* currentSpread()
{
    return lastSpread();
}

Slots slotsOf(QWidget* spread)
{
    const bool oneCard = spread->objectName() == "OneCard";
    const QString nameLabel = oneCard ? QStringLiteral("OneCardLabel(%1)") : QStringLiteral("Label1(%1)");
    Slots shown;
    for (int i = 0; i < (oneCard ? 1 : 3); ++i) {
        const auto* picture = spread->findChild<platform::PictureBox*>(QStringLiteral("Picture1(%1)").arg(i));
        const auto* name = spread->findChild<QLabel*>(nameLabel.arg(i));
        shown.images << picture->imageNumber();
        shown.accessibleNames << picture->accessibleName();
        shown.names << name->text();
    }
    return shown;
}

DealState dealState()
{
    using namespace Module1;
    QStringList names;
    for (const std::string& name : CardNames)
        names << QString::fromStdString(name);
    return {entries(DrawnCards), names, entries(CardImages), LastPosition, DealCount};
}

ReportText expectedReport(int last)
{
    ReportText expected;
    for (int i = 0; i <= last; ++i) {
        const auto at = static_cast<std::size_t>(i);
        expected.names << QString::fromStdString(Module1::CardNames[at]);
        expected.descriptions << platform::text(deck::cardRow(Module1::DrawnCards[at]).description);
    }
    expected.names << QString::fromStdString(Module1::SignName);
    expected.descriptions << QString::fromStdString(Module1::SignDescription);
    return expected;
}

ReportText reportShows(QWidget* report)
{
    const auto label = [report](const QString& name) { return report->findChild<QLabel*>(name)->text(); };
    ReportText shown;
    if (report->objectName() == "OCRapport") {
        shown.names << label("Label2");
        shown.descriptions << label("OCLabel");
    } else {
        for (int i = 0; i < 3; ++i) {
            shown.names << label(QStringLiteral("CardNameLabel(%1)").arg(i));
            shown.descriptions << label(QStringLiteral("DescriptionLabel(%1)").arg(i));
        }
    }
    shown.names << label("SignLabel");
    shown.descriptions << label("SignDescriptionLabel");
    return shown;
}

char* toString(const Slots& shown)
{
    QStringList images;
    for (int image : shown.images)
        images << QString::number(image);
    return QTest::toString(images.join(' ') + " | " + shown.names.join(" / ") + " | " +
                           shown.accessibleNames.join(" / "));
}

char* toString(const DealState& state)
{
    QStringList cards;
    for (int i = 0; i < 10; ++i)
        cards << QString::number(state.drawnCards[i]);
    return QTest::toString(QStringLiteral("cards %1, last %2, deals %3")
                               .arg(cards.join(' '))
                               .arg(state.lastPosition)
                               .arg(state.dealCount));
}

char* toString(const ReportText& text)
{
    return QTest::toString(text.names.join(" / ") + " | " + text.descriptions.join(" / "));
}

} // namespace uitest
