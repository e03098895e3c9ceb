// SPDX-License-Identifier: GPL-3.0-or-later
#include "readings/celtic_cross.h"

#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/form.h"
#include "platform/navigation.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/spread.h"
#include "readings/spread_controls.h"
#include "reports/cc_rapport.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Where position i puts its card and, apart from it, its name.
struct SlotPlace {
    int pictureLeft, pictureTop;
    int nameLeft, nameTop;
};

// The cross (0 in the centre, 1 across it, 2 below, 3 left, 4 above, 5 right)
// and the column from 6 at the top down to 9. The names of 0 to 5 make a
// small cross of their own beside the cards.
constexpr std::array<SlotPlace, CelticCross::kPositions> kSlots{{
    {1680, 2160, 5400, 600},
    {2400, 2160, 5400, 960},
    {2040, 4320, 5400, 1440},
    {360, 2160, 4080, 720},
    {2040, 0, 5400, 120},
    {3720, 2160, 6720, 720},
    {7920, 0, 9240, 720},
    {7920, 2040, 9240, 2880},
    {7920, 4080, 9240, 4800},
    {7920, 6120, 9240, 6960},
}};

constexpr int kNameWidth = 1215;
constexpr int kNameHeight = 375;

} // namespace

CelticCross::CelticCross()
    : Form("CelticCross", platform::Frame::TitledNoMinimise, QSize(10680, 8160))
{
    using namespace platform;
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Celtic Cross Reading"));
    setBackColor(this, kBlack);

    // Labels first: a later sibling is drawn over an earlier one, and the
    // names, like all text on the black cloth, lie under the cards.
    for (int i = 0; i < kPositions; ++i) {
        const SlotPlace& place = kSlots[std::size_t(i)];
        names_[std::size_t(i)] = addLabel(this, indexedName("Label1", i), QStringLiteral("Label1"),
                                          {place.nameLeft, place.nameTop, kNameWidth, kNameHeight},
                                          {kBlack, kDarkRed, kDefaultFont});
    }
    SignLabel = addLabel(this, "SignLabel", QStringLiteral("SignLabel"), {4080, 5520, 1215, 375},
                         {kBlack, kRed, kDefaultFont});
    SignLabel2 = addLabel(this, "SignLabel2", QStringLiteral("Identifier"), {4080, 5160, 1215, 375},
                          {kBlack, kRed, kBoldItalicFont, Qt::AlignHCenter});

    // In position order, so that 1 lies over 0 and each lower card of the
    // column over the one above it.
    for (int i = 0; i < kPositions; ++i) {
        const SlotPlace& place = kSlots[std::size_t(i)];
        pictures_[std::size_t(i)] = readings::addCardSlot(this, i, place.pictureLeft, place.pictureTop);
    }
    CCSignPicture = addPictureBox(this, "CCSignPicture", {4080, 6000, cards::kSlotWidth, cards::kSlotHeight},
                                  kButtonFace);
    PanicButton = addPanicSquare(this, 10200, 7680);
    const readings::SpreadButtons buttons = readings::addSpreadButtons(this, 5520, 6120);
    Command1 = buttons.pick;
    Command2 = buttons.menu;
    Command3 = buttons.report;

    QList<QWidget*> order(names_.begin(), names_.end());
    order += QList<QWidget*>(pictures_.begin(), pictures_.end());
    order += {PanicButton, CCSignPicture, SignLabel, SignLabel2, Command1, Command2, Command3};
    chainTabOrder(order);

    connect(Command1, &QPushButton::clicked, this, &CelticCross::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CelticCross::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CelticCross::Command3_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &CelticCross::PanicButton_Click);
}

void CelticCross::Form_Load()
{
    readings::loadSpreadWindow(this, {CCSignPicture, SignLabel2, SignLabel});
}

void CelticCross::Command1_Click()
{
    Module1::DealCelticCross();
}

void CelticCross::Command2_Click()
{
    Module1::CelticCrossToMenu();
}

void CelticCross::Command3_Click()
{
    platform::showInFront(platform::form<CCRapport>());
}

void CelticCross::PanicButton_Click()
{
    platform::confirmExit(platform::kExitPrompt);
}

void CelticCross::closeEvent(QCloseEvent* event)
{
    Form::closeEvent(event);
    // The main menu is hidden while a reading is open; closed through its
    // close box, this window would otherwise leave the user with none.
    if (event->isAccepted())
        platform::showMainMenu();
}

namespace Module1 {

void DealCelticCross()
{
    readings::dealSpread(deck::kCelticCrossPositions, [](int position) -> readings::Slot {
        const CelticCross& window = platform::form<CelticCross>();
        return {window.Picture1(position), window.Label1(position)};
    });
}

void CelticCrossToMenu()
{
    readings::backToMenu(&platform::form<CelticCross>());
}

} // namespace Module1
