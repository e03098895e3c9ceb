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

constexpr int kSlotWidth = 1170;
constexpr int kSlotHeight = 2055;
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

    const FontSpec bold{kSansSerif, 8.25, true};
    const FontSpec boldItalic{kSansSerif, 8.25, true, true};

    // Labels first: a later sibling is drawn over an earlier one, and the
    // names, like all text on the black cloth, lie under the cards.
    for (int i = 0; i < kPositions; ++i) {
        const SlotPlace& place = kSlots[std::size_t(i)];
        Label1[std::size_t(i)] = addLabel(this, indexedName("Label1", i), QStringLiteral("Label1"),
                                          {place.nameLeft, place.nameTop, kNameWidth, kNameHeight},
                                          {kBlack, kDarkRed, kDefaultFont});
    }
    SignLabel = addLabel(this, "SignLabel", QStringLiteral("SignLabel"), {4080, 5520, 1215, 375},
                         {kBlack, kRed, kDefaultFont});
    SignLabel2 = addLabel(this, "SignLabel2", QStringLiteral("Identifier"), {4080, 5160, 1215, 375},
                          {kBlack, kRed, boldItalic, Qt::AlignHCenter});

    // In position order, so that 1 lies over 0 and each lower card of the
    // column over the one above it.
    for (int i = 0; i < kPositions; ++i) {
        const SlotPlace& place = kSlots[std::size_t(i)];
        PictureBox* slot =
            addPictureBox(this, indexedName("Picture1", i),
                          {place.pictureLeft, place.pictureTop, kSlotWidth, kSlotHeight}, kWindowBackground);
        setForeColor(slot, kWindowText);
        cards::showCard(slot, deck::kCardBackImage);
        Picture1[std::size_t(i)] = slot;
    }
    CCSignPicture = addPictureBox(this, "CCSignPicture", {4080, 6000, 1170, 2055}, kButtonFace);
    PanicButton = addPanicSquare(this, 10200, 7680);
    Command1 = addButton(this, "Command1", "Pick Your Cards", {5520, 6120, 2055, 615}, bold);
    Command2 = addButton(this, "Command2", "Main Menu", {5520, 6720, 2055, 615}, bold);
    Command3 = addButton(this, "Command3", "Reading Report", {5520, 7320, 2055, 615}, bold);

    chainTabOrder({Label1[0],   Label1[1],   Label1[2],   Label1[3],     Label1[4],   Label1[5],
                   Label1[6],   Label1[7],   Label1[8],   Label1[9],     Picture1[0], Picture1[1],
                   Picture1[2], Picture1[3], Picture1[4], Picture1[5],   Picture1[6], Picture1[7],
                   Picture1[8], Picture1[9], PanicButton, CCSignPicture, SignLabel,   SignLabel2,
                   Command1,    Command2,    Command3});

    connect(Command1, &QPushButton::clicked, this, &CelticCross::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CelticCross::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &CelticCross::Command3_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &CelticCross::PanicButton_Click);
}

void CelticCross::Form_Load()
{
    centre();
    Module1::DealCount = 0;
    readings::showIdentifier(CCSignPicture, SignLabel);
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
    CelticCross& window = platform::form<CelticCross>();
    readings::dealSpread(9, [&window](int position) {
        const auto at = std::size_t(position);
        return readings::Slot{window.Picture1[at], window.Label1[at]};
    });
}

void CelticCrossToMenu()
{
    readings::backToMenu(&platform::form<CelticCross>());
}

} // namespace Module1
