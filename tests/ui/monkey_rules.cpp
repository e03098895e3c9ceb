// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_rules.h"

#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "deck/sign_catalogue.h"
#include "platform/colours.h"
#include "platform/exit_confirmation.h"
#include "platform/form.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "readings/celtic_cross.h"
#include "readings/one_card.h"
#include "readings/significateur.h"
#include "readings/three_cards.h"
#include "reports/cc_print_pages.h"
#include "reports/cc_rapport.h"
#include "reports/oc_rapport.h"
#include "reports/tc_rapport.h"
#include "shell/about.h"
#include "shell/main_menu.h"
#include "shell/omvelis_form.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <set>

namespace monkey {
namespace {

// The windows of which exactly one is on screen at any time: the user always
// has one way on, and never two.
const QStringList kMainLine{"OmvelisForm", "Significateur", "MainMenu",
                            "OneCard",     "ThreeCards",    "CelticCross"};
const QStringList kPrintPages{"CCPrintAll", "CCPrintAll2", "CCPrintAll3"};

using platform::text;

// Closing a window without a caption through the window manager asks
// whether to end the program.
bool asksOnClose(const Action& action)
{
    return action.kind == Kind::Close && action.target == kCloseRequest &&
           kMainLine.contains(action.window) && action.window != "CelticCross";
}

const deck::CardRow& row(std::int16_t card)
{
    return deck::cardRow(card);
}

bool isSpread(const QString& window)
{
    return window == "OneCard" || window == "ThreeCards" || window == "CelticCross";
}

// The highest position each spread window deals.
int lastPositionOf(const QString& window)
{
    return window == "OneCard" ? 0 : window == "ThreeCards" ? 2 : 9;
}

QString printMessage(platform::PrintResult result)
{
    switch (result) {
    case platform::PrintResult::NoPrinter:
        return QStringLiteral("The report could not be printed: no printer is available.");
    case platform::PrintResult::NoAnswer:
        return QStringLiteral("The report could not be printed: the printer does not answer.");
    case platform::PrintResult::Failed:
        return QStringLiteral("The report could not be printed.");
    case platform::PrintResult::Printed:
        break;
    }
    return {};
}

// What a box filled once shows: texts and pictures, by control.
QStringList contentsOf(QWidget* window)
{
    QStringList contents;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(control))
            contents << control->objectName() + '=' + label->text();
        else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
            contents << control->objectName() + '=' + box->toPlainText();
        else if (auto* picture = qobject_cast<platform::PictureBox*>(control))
            contents << control->objectName() + '=' + QString::number(picture->imageNumber());
    }
    return contents;
}

QColor filledWith(const QWidget* widget)
{
    return widget->autoFillBackground() ? widget->palette().color(widget->backgroundRole()) : QColor();
}

// What the Celtic Cross report's right part shows for position p, read from
// the reading state as it is now.
struct Shown {
    int image;
    QString name;
    QString text;
};

Shown shownAt(const Reading& state, int p)
{
    const auto at = std::size_t(p);
    const int image = state.images[at];
    const bool valid = image >= 1 && image <= deck::kFoolImage;
    // A position no deal has reached shows the card back and no description.
    return {valid ? image : deck::kCardBackImage, text(state.names[at]),
            state.drawn[at] == 0 ? QString() : text(row(state.drawn[at]).description)};
}

template <class T> QPointer<QWidget> instance()
{
    return QPointer<QWidget>(platform::existingForm<T>());
}

bool newlyMade(const QPointer<QWidget>& before, const QPointer<QWidget>& now)
{
    return now && now != before;
}

} // namespace

Reading Reading::now()
{
    using namespace Module1;
    Reading state;
    state.drawn = DrawnCards;
    state.names = CardNames;
    state.images = CardImages;
    state.lastPosition = LastPosition;
    state.dealCount = DealCount;
    state.signIndex = SignIndex;
    state.signImage = SignImage;
    state.signName = SignName;
    state.signKeywords = SignKeywords;
    state.signDescription = SignDescription;
    state.cardName = CardName;
    state.cardDescription = CardDescription;
    state.cardImage = CardImage;
    return state;
}

Snapshot Snapshot::now()
{
    Snapshot snapshot;
    snapshot.state = Reading::now();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            snapshot.visible << window->objectName();
    }
    snapshot.visible.sort();
    snapshot.oneCard = instance<OneCard>();
    snapshot.threeCards = instance<ThreeCards>();
    snapshot.celticCross = instance<CelticCross>();
    snapshot.ocRapport = instance<OCRapport>();
    snapshot.tcRapport = instance<TCRapport>();
    snapshot.ccRapport = instance<CCRapport>();
    if (const CCRapport* report = platform::existingForm<CCRapport>())
        snapshot.highlighted = report->HighlightedPosition;
    return snapshot;
}

template <class Describe> void Rules::expect(bool ok, Describe&& describe)
{
    ++checks_;
    if (!ok)
        failures_ << describe();
}

void Rules::restarted()
{
    before_ = Snapshot::now();
    right_ = {};
    filled_.clear();
    spreadShown_.clear();
    chosen_.reset();
    entered_ = false;
    lastDealt_ = -1;
    // The program starts with the reading state at 0 and empty.
    const Reading& state = before_.state;
    expect(state.dealCount == 0 && state.lastPosition == 0 && state.signIndex == 0 && state.signName.empty(),
           [] { return QStringLiteral("the reading state is not at its start values after a start"); });
}

void Rules::after(const Action& action)
{
    if (action.programEnded) {
        checkEnd(action);
        return;
    }
    const Snapshot now = Snapshot::now();
    checkQuestions(action);
    checkPrinting(action);
    checkDeal(action, now);
    checkReadingState(now.state);
    checkIdentifier(action, now);
    checkWindows(action, now);
    checkNavigation(action, now);
    checkPictures();
    checkSpreadWindows();
    checkFilledOnce("OCRapport", now.ocRapport, now);
    checkFilledOnce("TCRapport", now.tcRapport, now);
    checkFilledOnce("CCPrintAll", platform::existingForm<CCPrintAll>(), now);
    checkFilledOnce("CCPrintAll2", platform::existingForm<CCPrintAll2>(), now);
    checkFilledOnce("CCPrintAll3", platform::existingForm<CCPrintAll3>(), now);
    checkCelticReport(action, now);
    before_ = now;
}

// The program ends only through Exit or a Yes to the exit question, and then
// every window goes.
void Rules::checkEnd(const Action& action)
{
    const bool yes = std::any_of(action.questions.begin(), action.questions.end(),
                                 [](const Question& question) { return question.yes; });
    expect(action.pressed == "SortirCmd" || yes,
           [] { return QStringLiteral("the program ended without Exit or a Yes to the exit question"); });
    QStringList left;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            left << window->objectName();
    }
    expect(left.isEmpty(), [&] { return "windows left on screen after the end: " + left.join(", "); });
}

// The program asks only its own questions, each where it belongs, worded and
// buttoned as it should be.
void Rules::checkQuestions(const Action& action)
{
    int exits = 0, chooses = 0, prints = 0;
    const bool failedPage =
        !action.pages.empty() && action.pages.back().result != platform::PrintResult::Printed;
    for (const Question& question : action.questions) {
        const QString seen = question.title + ": " + question.text;
        if (question.title == "Exit???") {
            ++exits;
            const QString prompt =
                action.window == "OmvelisForm" ? platform::kExitPromptStartUp : platform::kExitPrompt;
            expect(action.pressed == "PanicButton" || asksOnClose(action),
                   [&] { return "exit question without the red square or a close request: " + seen; });
            expect(question.text == prompt, [&] { return "exit question worded \"" + question.text + '"'; });
            expect(question.buttons == QStringList{"Yes", "No", "Cancel"} && question.defaultButton == "Yes",
                   [&] { return "exit question buttons " + question.buttons.join('/'); });
            expect(!question.yes,
                   [] { return QStringLiteral("Yes to the exit question left the program running"); });
        } else if (question.title == "Choose") {
            ++chooses;
            expect(question.text == "You must choose an Identifier." &&
                       question.buttons == QStringList{"OK", "Cancel"},
                   [&] { return "choose question " + seen + " with " + question.buttons.join('/'); });
            expect(action.pressed == "ChooseCom" && before_.state.signName.empty(),
                   [&] { return "choose question without Choose before any card: " + seen; });
        } else if (question.title == "Print") {
            ++prints;
            expect(failedPage && question.text == printMessage(action.pages.back().result),
                   [&] { return "print message without a matching failure: " + seen; });
            expect(question.buttons == QStringList{"OK"},
                   [&] { return "print message buttons " + question.buttons.join('/'); });
        } else {
            expect(false, [&] { return "a question the program never asks: " + seen; });
        }
    }
    if (action.pressed == "PanicButton" || asksOnClose(action))
        expect(exits == 1, [&] { return QString("%1 asked %2 times").arg(action.describe()).arg(exits); });
    if (action.pressed == "ChooseCom" && before_.state.signName.empty())
        expect(chooses == 1, [&] { return QString("Choose before any card asked %1 times").arg(chooses); });
    expect(prints == (failedPage ? 1 : 0), [&] {
        return QString("%1 print messages for %2 failed pages").arg(prints).arg(failedPage ? 1 : 0);
    });
}

// A report prints itself as one page, the Celtic Cross report its three
// pages in order; each page the window's own size; the first failure stops
// the rest.
void Rules::checkPrinting(const Action& action)
{
    const bool reportPrint =
        (action.pressed == "Command1" && (action.window == "OCRapport" || action.window == "TCRapport")) ||
        (action.pressed == "PrintCommand1" && action.window == "CCRapport");
    expect(reportPrint == !action.pages.empty(),
           [&] { return QString("%1 pages printed by %2").arg(action.pages.size()).arg(action.describe()); });
    if (action.pages.empty())
        return;
    const QStringList wanted = action.window == "CCRapport" ? kPrintPages : QStringList{action.window};
    QStringList printed;
    std::size_t failedAt = action.pages.size();
    for (std::size_t i = 0; i < action.pages.size(); ++i) {
        const Page& page = action.pages[i];
        printed << page.window;
        if (page.result != platform::PrintResult::Printed && failedAt == action.pages.size())
            failedAt = i;
        QWidget* window = nullptr;
        for (QWidget* candidate : QApplication::topLevelWidgets()) {
            if (candidate->objectName() == page.window)
                window = candidate;
        }
        const QSizeF inches = window ? QSizeF(window->width() / 96.0, window->height() / 96.0) : QSizeF();
        const QSize pixels = window ? window->size() : QSize(); // what the page records
        expect(window && page.inches == inches && qAbs(page.pixels.width() - pixels.width()) <= 1 &&
                   qAbs(page.pixels.height() - pixels.height()) <= 1,
               [&] {
                   return QString("page %1 is %2 x %3 in")
                       .arg(page.window)
                       .arg(page.inches.width())
                       .arg(page.inches.height());
               });
    }
    const qsizetype expected = failedAt < action.pages.size() ? qsizetype(failedAt) + 1 : wanted.size();
    expect(printed == wanted.mid(0, expected), [&] {
        return "printed " + printed.join(", ") + ", expected " + wanted.mid(0, expected).join(", ");
    });
}

// The reading state stays within its bounds: each position holds nothing or
// a card with its own draw name and image; the latest deal's cards differ.
void Rules::checkReadingState(const Reading& state)
{
    expect(state.dealCount == 0 || state.dealCount == 1,
           [&] { return QString("DealCount is %1").arg(state.dealCount); });
    expect(state.lastPosition == 0 || state.lastPosition == 2 || state.lastPosition == 9,
           [&] { return QString("LastPosition is %1").arg(state.lastPosition); });
    expect(state.signIndex >= 0 && state.signIndex <= 21,
           [&] { return QString("SignIndex is %1").arg(state.signIndex); });
    for (std::size_t i = 0; i < state.drawn.size(); ++i) {
        const std::int16_t card = state.drawn[i];
        const bool empty = card == 0 && state.names[i].empty() && state.images[i] == 0;
        const bool drawn = card >= 1 && card <= 77 && i <= 9 &&
                           text(state.names[i]) == text(row(card).drawName) && state.images[i] == card;
        expect(empty || drawn, [&] {
            return QString("position %1 holds card %2 \"%3\" image %4")
                .arg(i)
                .arg(card)
                .arg(text(state.names[i]))
                .arg(state.images[i]);
        });
    }
    if (lastDealt_ >= 0) {
        std::set<std::int16_t> cards(state.drawn.begin(), state.drawn.begin() + lastDealt_ + 1);
        expect(int(cards.size()) == lastDealt_ + 1 && !cards.count(0),
               [&] { return QString("the cards of positions 0 to %1 are not distinct").arg(lastDealt_); });
    }
    // The last card lookup leaves one catalogue row behind, whole.
    if (state.cardImage != 0) {
        const std::int16_t card = state.cardImage == deck::kFoolImage ? 0 : state.cardImage;
        expect(state.cardImage >= 1 && state.cardImage <= deck::kFoolImage &&
                   text(state.cardName) == text(row(card).reportName) &&
                   text(state.cardDescription) == text(row(card).description),
               [&] {
                   return QString("the card lookup left image %1 with \"%2\"")
                       .arg(state.cardImage)
                       .arg(text(state.cardName));
               });
    }
}

// Cards are drawn only by Pick Your Cards, only while the deal guard is down,
// into positions 0 to the spread's last; the guard is lowered only when a
// spread window is made or the start-up window becomes active.
void Rules::checkDeal(const Action& action, const Snapshot& now)
{
    const Reading& was = before_.state;
    const Reading& is = now.state;
    const bool changed = was.drawn != is.drawn || was.names != is.names || was.images != is.images;
    const bool dealt = changed || (was.dealCount == 0 && is.dealCount == 1);
    const bool pick = action.pressed == "Command1" && isSpread(action.window);
    dealtBy_ = dealt ? action.window : QString();
    if (dealt) {
        ++deals_;
        const int last = is.lastPosition;
        expect(pick && was.dealCount == 0 && is.dealCount == 1 && last == lastPositionOf(action.window), [&] {
            return QString("a deal by %1 with DealCount %2 -> %3, LastPosition %4")
                .arg(action.describe())
                .arg(was.dealCount)
                .arg(is.dealCount)
                .arg(last);
        });
        for (std::size_t i = std::size_t(last) + 1; i < is.drawn.size(); ++i) {
            expect(is.drawn[i] == was.drawn[i] && is.names[i] == was.names[i] &&
                       is.images[i] == was.images[i],
                   [&] { return QString("a deal to position %1 changed position %2").arg(last).arg(i); });
        }
        // A card the previous draw left at position k is not drawn before k.
        for (int i = 0; i <= last; ++i) {
            for (int k = i + 1; k <= last; ++k) {
                expect(is.drawn[std::size_t(i)] != was.drawn[std::size_t(k)], [&] {
                    return QString("card %1 drawn at position %2 though the last draw left it at %3")
                        .arg(is.drawn[std::size_t(i)])
                        .arg(i)
                        .arg(k);
                });
            }
        }
        lastDealt_ = last;
        // The window that dealt shows the new cards.
        QWidget* window = action.window == "OneCard"      ? now.oneCard.data()
                          : action.window == "ThreeCards" ? now.threeCards.data()
                                                          : now.celticCross.data();
        if (window) {
            for (int i = 0; i <= last; ++i) {
                const auto* slot = window->findChild<platform::PictureBox*>(QString("Picture1(%1)").arg(i));
                const auto* name = window->findChild<QLabel*>(
                    QString(action.window == "OneCard" ? "OneCardLabel(%1)" : "Label1(%1)").arg(i));
                expect(slot && name && slot->imageNumber() == is.images[std::size_t(i)] &&
                           name->text() == text(is.names[std::size_t(i)]),
                       [&] {
                           return QString("%1 does not show the card dealt at position %2")
                               .arg(action.window)
                               .arg(i);
                       });
            }
        }
    } else if (pick) {
        expect(was.dealCount >= 1,
               [&] { return "Pick Your Cards dealt nothing with the guard down: " + action.describe(); });
    }

    const bool spreadMade = newlyMade(before_.oneCard, now.oneCard) ||
                            newlyMade(before_.threeCards, now.threeCards) ||
                            newlyMade(before_.celticCross, now.celticCross);
    if (spreadMade)
        expect(is.dealCount == 0,
               [&] { return QString("a new spread window left DealCount at %1").arg(is.dealCount); });
    if (was.dealCount != 0 && is.dealCount == 0)
        expect(spreadMade || now.visible.contains("OmvelisForm"),
               [&] { return "DealCount cleared by " + action.describe(); });
    const bool reportMade = newlyMade(before_.tcRapport, now.tcRapport);
    if (reportMade)
        expect(is.lastPosition == 2, [&] {
            return QString("a new Three Card report left LastPosition at %1").arg(is.lastPosition);
        });
    if (was.lastPosition != is.lastPosition)
        expect(dealt || reportMade, [&] { return "LastPosition changed by " + action.describe(); });
}

// The Identifier is browsed in its own window and, once chosen, never changes.
void Rules::checkIdentifier(const Action& action, const Snapshot& now)
{
    const Reading& is = now.state;
    if (!chosen_ && now.visible.contains("MainMenu")) {
        expect(action.pressed == "ChooseCom" && !is.signName.empty(),
               [&] { return "the main menu came before an Identifier was chosen: " + action.describe(); });
        chosen_ = Identifier{is.signIndex, is.signImage, is.signName, is.signKeywords, is.signDescription};
    }
    if (chosen_) {
        expect(is.signIndex == chosen_->index && is.signImage == chosen_->image &&
                   is.signName == chosen_->name && is.signKeywords == chosen_->keywords &&
                   is.signDescription == chosen_->description,
               [&] {
                   return QString("the Identifier changed from %1 \"%2\" to %3 \"%4\" after Choose")
                       .arg(chosen_->index)
                       .arg(text(chosen_->name))
                       .arg(is.signIndex)
                       .arg(text(is.signName));
               });
        return;
    }
    const Reading& was = before_.state;
    const bool stepped =
        action.window == "Significateur" && (action.pressed == "ForwardCom" || action.pressed == "BackCom");
    if (stepped) {
        int wanted = was.signIndex + (action.pressed == "ForwardCom" ? 1 : -1);
        if (wanted > 21 || wanted < 0)
            wanted = 0;
        expect(is.signIndex == wanted, [&] {
            return QString("%1 on card %2 showed card %3")
                .arg(action.pressed)
                .arg(was.signIndex)
                .arg(is.signIndex);
        });
    } else {
        expect(is.signIndex == was.signIndex, [&] { return "SignIndex changed by " + action.describe(); });
    }
    const Significateur* window = platform::existingForm<Significateur>();
    if (is.signName.empty()) {
        if (window)
            expect(window->SignPic->imageNumber() == deck::kCardBackImage &&
                       window->SignNameLabel->text().isEmpty(),
                   [] { return QStringLiteral("the Identifier window shows a card before any step"); });
        return;
    }
    const deck::SignRow& sign = deck::signCatalogue()[std::size_t(is.signIndex)];
    expect(text(is.signName) == text(sign.name) && is.signImage == sign.image &&
               text(is.signKeywords) == text(sign.keywords) &&
               text(is.signDescription) == text(deck::signDescription(is.signIndex)),
           [&] { return QString("the Identifier lookup does not match card %1").arg(is.signIndex); });
    if (window)
        expect(window->SignPic->imageNumber() == is.signImage &&
                   window->SignNameLabel->text() == text(is.signName) &&
                   window->Text1->toPlainText() == text(is.signKeywords),
               [&] { return QString("the Identifier window does not show card %1").arg(is.signIndex); });
}

// Every window on screen is the one instance of its class; exactly one of the
// windows on the way from start to the readings is on screen; the print pages
// never are; there is no way back to the start.
void Rules::checkWindows(const Action& action, const Snapshot& now)
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        names << window->objectName();
        const auto* form = qobject_cast<platform::Form*>(window);
        expect(form && platform::findForm(typeid(*form)) == form, [&] {
            return "a window on screen that is not the one instance of its class: " + window->objectName();
        });
        expect(!qobject_cast<QMessageBox*>(window),
               [&] { return "a question still open after " + action.describe(); });
    }
    expect(names.removeDuplicates() == 0,
           [&] { return "a window twice on screen: " + now.visible.join(", "); });
    int mainLine = 0;
    for (const QString& name : kMainLine)
        mainLine += now.visible.contains(name) ? 1 : 0;
    expect(mainLine == 1, [&] { return "windows on the main line: " + now.visible.join(", "); });
    for (const QString& page : kPrintPages)
        expect(!now.visible.contains(page), [&] { return page + " is on screen"; });

    if (!entered_ && now.visible.contains("Significateur"))
        entered_ = true;
    if (entered_)
        expect(!now.visible.contains("OmvelisForm"),
               [] { return QStringLiteral("the start-up window came back"); });
    if (chosen_)
        expect(!now.visible.contains("Significateur"),
               [] { return QStringLiteral("the Identifier window came back"); });
}

// What the navigation table promises for each button, and for the close box.
void Rules::checkNavigation(const Action& action, const Snapshot& now)
{
    struct Move {
        const char* window;
        const char* button;
        QStringList shown;
        QStringList hidden;
    };
    static const std::vector<Move> kMoves{
        {"OmvelisForm", "EnterButton", {"Significateur"}, {"OmvelisForm"}},
        {"MainMenu", "Lecture1Cmd", {"OneCard"}, {"MainMenu"}},
        {"MainMenu", "Lecture3Cmd", {"ThreeCards"}, {"MainMenu"}},
        {"MainMenu", "CC_Cmd", {"CelticCross"}, {"MainMenu"}},
        {"OneCard", "Command2", {"MainMenu"}, {"OneCard"}},
        {"ThreeCards", "Command2", {"MainMenu"}, {"ThreeCards", "TCRapport"}},
        {"CelticCross", "Command2", {"MainMenu"}, {"CelticCross"}},
        {"OneCard", "Command3", {"OneCard", "OCRapport"}, {}},
        {"ThreeCards", "Command3", {"ThreeCards", "TCRapport"}, {}},
        {"CelticCross", "Command3", {"CelticCross", "CCRapport"}, {}},
        {"About", "Command1", {}, {"About"}},
    };
    for (const Move& move : kMoves) {
        if (action.window != move.window || action.pressed != move.button)
            continue;
        for (const QString& name : move.shown)
            expect(now.visible.contains(name),
                   [&] { return action.describe() + " left " + name + " off screen"; });
        for (const QString& name : move.hidden)
            expect(!now.visible.contains(name),
                   [&] { return action.describe() + " left " + name + " on screen"; });
    }
    // Main Menu of the Three Card window makes its report if need be, hidden.
    if (action.pressed == "Command2" && action.window == "ThreeCards")
        expect(bool(now.tcRapport),
               [] { return QStringLiteral("Main Menu of the Three Card window made no report"); });
    if (action.window == "Significateur" && action.pressed == "ChooseCom") {
        const bool card = !before_.state.signName.empty();
        expect(now.visible.contains(card ? "MainMenu" : "Significateur") &&
                   !now.visible.contains(card ? "Significateur" : "MainMenu"),
               [&] { return "Choose left on screen: " + now.visible.join(", "); });
    }
    // The red square, or closing a window without a caption, with any answer
    // but Yes changes nothing.
    if (action.pressed == "PanicButton" || asksOnClose(action)) {
        expect(now.visible == before_.visible,
               [&] { return "the red square changed the windows: " + now.visible.join(", "); });
        const Reading& was = before_.state;
        const Reading& is = now.state;
        expect(was.drawn == is.drawn && was.dealCount == is.dealCount &&
                   was.lastPosition == is.lastPosition && was.signIndex == is.signIndex,
               [] { return QStringLiteral("the red square changed the reading state"); });
    }
    // A close request on the About window does what its OK does.
    if (action.kind == Kind::Close && action.target == kCloseRequest && action.window == "About")
        expect(!now.visible.contains("About") && platform::existingForm<About>(),
               [] { return QStringLiteral("a close request did not put About away"); });
    if (action.kind == Kind::Close && action.target == kCloseBox) {
        expect(!now.visible.contains(action.window),
               [&] { return action.window + " still on screen after its close box"; });
        // A closed window is gone: the next request makes a new one.
        const QPointer<QWidget>* kept = action.window == "OCRapport"     ? &now.ocRapport
                                        : action.window == "TCRapport"   ? &now.tcRapport
                                        : action.window == "CCRapport"   ? &now.ccRapport
                                        : action.window == "CelticCross" ? &now.celticCross
                                                                         : nullptr;
        if (kept)
            expect(kept->isNull(), [&] { return action.window + " survived its close box"; });
    }
}

// A picture box never goes blank: it shows a picture, and a card box the
// picture of its image number, the card back for anything else.
void Rules::checkPictures()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        for (const platform::PictureBox* box : window->findChildren<platform::PictureBox*>()) {
            // A picture box that holds other controls is a panel.
            if (!box->isVisible() || !box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
                continue;
            const int image = box->imageNumber();
            const auto where = [&] { return window->objectName() + '.' + box->objectName(); };
            expect(!box->shownPicture().isNull(), [&] { return where() + " shows no picture"; });
            if (image != 0)
                expect(image >= 1 && image <= deck::kCardBackImage &&
                           box->shownPicture().cacheKey() == platform::imageList().image(image).cacheKey(),
                       [&] { return where() + QString(" does not show image %1").arg(image); });
        }
    }
}

// A spread window shows the card back and "Label1" in every slot until it
// deals, then distinct cards each named by its draw name, beside the
// Identifier; hidden or shown, it keeps them.
void Rules::checkSpreadWindows()
{
    struct Spread {
        QWidget* window;
        QString name;
        int positions;
        const char* label;
        platform::PictureBox* identifier;
        QLabel* identifierName;
    };
    std::vector<Spread> spreads;
    if (auto* one = platform::existingForm<OneCard>())
        spreads.push_back({one, "OneCard", 1, "OneCardLabel(%1)", one->Picture1(3), one->SignLabel});
    if (auto* three = platform::existingForm<ThreeCards>())
        spreads.push_back({three, "ThreeCards", 3, "Label1(%1)", three->Picture1(3), three->SignLabel});
    if (auto* cross = platform::existingForm<CelticCross>())
        spreads.push_back({cross, "CelticCross", 10, "Label1(%1)", cross->CCSignPicture, cross->SignLabel});
    for (const Spread& spread : spreads) {
        int dealt = 0;
        std::set<int> cards;
        for (int i = 0; i < spread.positions; ++i) {
            const auto* slot =
                spread.window->findChild<platform::PictureBox*>(QString("Picture1(%1)").arg(i));
            const auto* name = spread.window->findChild<QLabel*>(QString(spread.label).arg(i));
            if (!slot || !name) {
                expect(false, [&] { return QString("%1 has no slot %2").arg(spread.name).arg(i); });
                continue;
            }
            const int image = slot->imageNumber();
            if (image == deck::kCardBackImage) {
                expect(name->text() == "Label1", [&] {
                    return QString("%1 slot %2: card back named \"%3\"")
                        .arg(spread.name)
                        .arg(i)
                        .arg(name->text());
                });
                continue;
            }
            ++dealt;
            cards.insert(image);
            expect(image >= 1 && image <= 77 && name->text() == text(row(std::int16_t(image)).drawName), [&] {
                return QString("%1 slot %2: image %3 named \"%4\"")
                    .arg(spread.name)
                    .arg(i)
                    .arg(image)
                    .arg(name->text());
            });
        }
        expect(dealt == 0 || (dealt == spread.positions && int(cards.size()) == dealt), [&] {
            return QString("%1 shows %2 distinct cards in %3 slots")
                .arg(spread.name)
                .arg(cards.size())
                .arg(spread.positions);
        });
        // What it shows changes only when it deals; a new window starts with
        // the card back in every slot.
        Filled& memory = spreadShown_[spread.name];
        const QStringList contents = contentsOf(spread.window);
        if (memory.window == spread.window)
            expect(contents == memory.contents || dealtBy_ == spread.name,
                   [&] { return spread.name + " changed what it shows without a deal"; });
        else
            expect(dealt == 0, [&] { return "a new " + spread.name + " shows cards"; });
        memory = {spread.window, contents};
        if (chosen_)
            expect(spread.identifier->imageNumber() == chosen_->image &&
                       spread.identifierName->text() == text(chosen_->name),
                   [&] { return spread.name + " does not show the Identifier"; });
    }
}

// Reports and print pages are filled once, from the reading state of the
// moment they are made, and then keep what they show.
void Rules::checkFilledOnce(const QString& name, QWidget* window, const Snapshot& now)
{
    Filled& memory = filled_[name];
    if (!window) {
        memory = {};
        return;
    }
    const QStringList contents = contentsOf(window);
    if (memory.window == window) {
        expect(contents == memory.contents, [&] { return name + " changed what it shows"; });
        return;
    }
    memory = {window, contents};
    const Reading& state = now.state;
    const auto description = [&](int p) { return text(row(state.drawn[std::size_t(p)]).description); };
    if (auto* one = qobject_cast<OCRapport*>(window)) {
        expect(one->Label2->text() == text(state.names[0]) &&
                   one->SignLabel->text() == text(state.signName) && one->OCLabel->text() == description(0) &&
                   one->SignDescriptionLabel->text() == text(state.signDescription),
               [] { return QStringLiteral("the One Card report was not filled from the reading state"); });
    } else if (auto* three = qobject_cast<TCRapport*>(window)) {
        for (int p = 0; p < 3; ++p)
            expect(three->CardNameLabel(p)->text() == text(state.names[std::size_t(p)]) &&
                       three->DescriptionLabel(p)->text() == description(p),
                   [&] {
                       return QString(
                                  "the Three Card report's column %1 was not filled from the reading state")
                           .arg(p);
                   });
        expect(three->SignLabel->text() == text(state.signName) &&
                   three->SignDescriptionLabel->text() == text(state.signDescription),
               [] { return QStringLiteral("the Three Card report does not show the Identifier"); });
    } else if (auto* page = qobject_cast<CardPage*>(window)) {
        const int first = name == "CCPrintAll" ? 0 : 5;
        for (int slot = 0; slot < CardPage::kSlots; ++slot) {
            const deck::CardRow& card = row(state.drawn[std::size_t(first + slot)]);
            expect(page->Label1[std::size_t(slot)]->text() == text(card.reportName) &&
                       page->Text1[std::size_t(slot)]->toPlainText() == text(card.description),
                   [&] {
                       return QString("%1 slot %2 does not show position %3")
                           .arg(name)
                           .arg(slot)
                           .arg(first + slot);
                   });
        }
    } else if (auto* identifier = qobject_cast<CCPrintAll3*>(window)) {
        expect(identifier->SignLabel->text() == text(state.signName) &&
                   identifier->CCSignPicture->imageNumber() == state.signImage &&
                   identifier->Text1->toPlainText() == text(state.signDescription),
               [] { return QStringLiteral("the Identifier page does not show the Identifier"); });
    }
}

// The Celtic Cross report: one red number box and one white title, both of
// the highlighted position; the arrows step it; the right part changes only
// when it steps, and then shows the reading state of that moment.
void Rules::checkCelticReport(const Action& action, const Snapshot& now)
{
    auto* report = platform::existingForm<CCRapport>();
    if (!report) {
        right_ = {};
        return;
    }
    const int p = report->HighlightedPosition;
    expect(p >= 0 && p < CCRapport::kPositions, [&] { return QString("HighlightedPosition is %1").arg(p); });
    if (p < 0 || p >= CCRapport::kPositions)
        return;

    const QColor red = platform::toColor(platform::kRed);
    const QColor white = platform::toColor(platform::kWhite);
    const QColor grey = platform::toColor(platform::kGrey);
    const QColor face = platform::toColor(platform::kButtonFace);
    int reds = 0, whites = 0;
    for (int i = 0; i < CCRapport::kPositions; ++i) {
        const QColor box = filledWith(report->numberBox(i));
        const QColor title = filledWith(report->title(i));
        reds += box == red ? 1 : 0;
        whites += title == white ? 1 : 0;
        expect(box == (i == p ? red : white), [&] {
            return QString("number box %1 is %2 with position %3 highlighted")
                .arg(i + 1)
                .arg(box.name())
                .arg(p + 1);
        });
        expect(i == p ? title == white : (title == grey || title == face), [&] {
            return QString("title %1 is %2 with position %3 highlighted")
                .arg(i + 1)
                .arg(title.name())
                .arg(p + 1);
        });
    }
    expect(reds == 1 && whites == 1,
           [&] { return QString("%1 red number boxes and %2 white titles").arg(reds).arg(whites); });
    if (chosen_)
        expect(report->SignLabel->text() == text(chosen_->name) &&
                   report->Picture1->imageNumber() == chosen_->image,
               [] { return QStringLiteral("the Celtic Cross report does not show the Identifier"); });

    const Shown shown{report->Picture2->imageNumber(), report->CardNameLabel->text(),
                      report->Text1->toPlainText()};
    const bool made = right_.window != report;
    const bool stepped =
        action.window == "CCRapport" && (action.pressed == "UpCom" || action.pressed == "DownCom");
    if (made) {
        expect(p == 0,
               [&] { return QString("a new Celtic Cross report highlights position %1").arg(p + 1); });
    } else if (stepped) {
        const int was = before_.highlighted;
        int wanted = action.pressed == "UpCom" ? was + 1 : was - 1;
        if (wanted > 9 || wanted < 0)
            wanted = 0;
        expect(p == wanted, [&] {
            return QString("%1 from position %2 went to %3").arg(action.pressed).arg(was + 1).arg(p + 1);
        });
    } else {
        expect(p == before_.highlighted, [&] { return "the highlight moved by " + action.describe(); });
    }
    if (made || stepped) {
        const Shown wanted = shownAt(now.state, p);
        expect(shown.image == wanted.image && shown.name == wanted.name && shown.text == wanted.text, [&] {
            return QString("the report shows image %1 \"%2\" at position %3, the reading holds %4 \"%5\"")
                .arg(shown.image)
                .arg(shown.name)
                .arg(p + 1)
                .arg(wanted.image)
                .arg(wanted.name);
        });
    } else {
        expect(shown.image == right_.image && shown.name == right_.name && shown.text == right_.text,
               [&] { return "the report's right part changed without a step: " + action.describe(); });
    }
    right_ = {report, shown.image, shown.name, shown.text};
}

} // namespace monkey
