// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/cc_rapport.h"

#include "cards/card_pictures.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "platform/window_printing.h"
#include "reports/cc_print_pages.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using platform::Twips;

// One place of the diagram and its line in the list of titles, in the
// panel's twips. The diagram's column reads from the bottom (7) up (10).
struct PositionMarks {
    Twips box;
    std::uint32_t boxFore;
    const char* title;
    int titleTop;
    std::uint32_t titleBack; // as designed, before any highlight
};

constexpr std::uint32_t kNumberFore = platform::kButtonText;
constexpr std::uint32_t kTitleFace = platform::kButtonFace;

constexpr std::array<PositionMarks, CCRapport::kPositions> kMarks{{
    {{960, 2280, 495, 855}, kNumberFore, "1 - Main Reason", 720, platform::kGrey},
    {{840, 2520, 855, 495}, kNumberFore, "2 -Offsetting Card", 1080, kTitleFace},
    {{960, 3360, 495, 855}, kNumberFore, "3 - Past Occurence", 1440, kTitleFace},
    {{120, 2280, 495, 855}, platform::kBlack, "4 - Present Situation", 1800, kTitleFace},
    {{960, 1200, 495, 855}, kNumberFore, "5 - Direction", 2160, kTitleFace},
    {{1800, 2280, 495, 855}, kNumberFore, "6 - Immediate Possibilities", 2520, kTitleFace},
    {{2520, 3720, 495, 855}, kNumberFore, "7 - Common Purpose", 3360, kTitleFace},
    {{2520, 2760, 495, 855}, kNumberFore, "8 - Atmosphere", 3720, kTitleFace},
    {{2520, 1800, 495, 855}, kNumberFore, "9 - Expectations", 4080, kTitleFace},
    {{2520, 840, 495, 855}, kNumberFore, "10 - Final Result", 4440, kTitleFace},
}};

constexpr int kTitleLeft = 3240;
constexpr int kTitleWidth = 1935;
constexpr int kTitleHeight = 375;

// Highlighted and other positions: the number box turns red, the title white.
constexpr std::uint32_t kBoxOn = platform::kRed;
constexpr std::uint32_t kBoxOff = platform::kWhite;
constexpr std::uint32_t kTitleOn = platform::kWhite;
constexpr std::uint32_t kTitleOff = platform::kGrey;

constexpr std::int16_t kLastPosition = CCRapport::kPositions - 1;

// The two arrow faces, fetched here only.
QIcon arrowFace(bool up)
{
    using platform::WindowPicture;
    return QIcon(platform::windowPicture(up ? WindowPicture::ArrowUp : WindowPicture::ArrowDown));
}

QPushButton* addArrow(QWidget* parent, const char* name, bool up, platform::Twips place, const QString& says)
{
    auto* button = platform::addButton(parent, name, QString(), place, platform::kDefaultFont);
    button->setIcon(arrowFace(up));
    button->setIconSize(QSize(32, 32));
    button->setAccessibleName(says);
    button->setToolTip(says);
    return button;
}

} // namespace

CCRapport::CCRapport()
    : Form("CCRapport", platform::Frame::Titled, QSize(9210, 6435))
{
    using namespace platform;
    setWindowTitle(QStringLiteral("Report on Celtic Cross Reading"));
    setBackColor(this, kButtonFace);
    setFont(makeFont(kDefaultFont));

    const LabelStyle heading{kBlack, kWhite, kBoldFont, Qt::AlignHCenter};
    const LabelStyle plain{kButtonFace, kButtonText, kDefaultFont};

    SSPanel1 = addPictureBox(this, "SSPanel1", {0, 120, 5295, 5535}, kGrey);
    SSPanel1->setFocusPolicy(Qt::NoFocus);
    Label11 = addLabel(SSPanel1, "Label11", "Card Placement", {600, 120, 2055, 255}, heading);
    // In number order: box 2 lies across box 1 and is drawn over it.
    for (int p = 0; p < kPositions; ++p) {
        const PositionMarks& marks = kMarks[std::size_t(p)];
        numberBoxes_[std::size_t(p)] =
            addLabel(SSPanel1, QStringLiteral("Label%1").arg(p + 1), QString::number(p + 1), marks.box,
                     {kBoxOff, marks.boxFore, kDefaultFont, Qt::AlignHCenter});
    }
    RepresentationLabel = addLabel(SSPanel1, "RepresentationLabel", "Significance of the Cards",
                                   {3240, 120, 1935, 495}, heading);
    for (int p = 0; p < kPositions; ++p) {
        const PositionMarks& marks = kMarks[std::size_t(p)];
        titles_[std::size_t(p)] =
            addLabel(SSPanel1, QStringLiteral("Rep%1").arg(p + 1), QString::fromLatin1(marks.title),
                     {kTitleLeft, marks.titleTop, kTitleWidth, kTitleHeight},
                     {marks.titleBack, kButtonText, kDefaultFont});
    }
    // The bar overlaps titles 6 and 7 by a hair: it lies over 6 and under 7.
    Label12 = addLabel(SSPanel1, "Label12", "  **********", {3240, 2880, 1935, 495},
                       {kBlack, kWhite, {kSansSerif, 18}});
    Label12->stackUnder(titles_[6]);

    Label14 = addLabel(this, "Label14", "Highlighted Card", {5640, 0, 1170, 495}, heading);
    Label13 = addLabel(this, "Label13", "Identifier Card", {7680, 0, 1170, 495}, heading);
    Picture2 =
        addPictureBox(this, "Picture2", {5640, 480, cards::kSlotWidth, cards::kSlotHeight}, kButtonFace);
    UpCom = addArrow(this, "UpCom", true, {6960, 600, 615, 615}, QStringLiteral("Next position"));
    DownCom = addArrow(this, "DownCom", false, {6960, 1320, 615, 615}, QStringLiteral("Previous position"));
    Picture1 =
        addPictureBox(this, "Picture1", {7680, 480, cards::kSlotWidth, cards::kSlotHeight}, kButtonFace);
    CardNameLabel = addLabel(this, "CardNameLabel", QString(), {5640, 2520, 1170, 375}, plain);
    SignLabel = addLabel(this, "SignLabel", QString(), {7680, 2520, 1215, 375}, plain);
    Text1 = addTextBox(this, "Text1", QString(), {5640, 2880, 3255, 2775}, kWindowBackground, kWindowText,
                       kDefaultFont);
    PrintCommand1 = addButton(this, "PrintCommand1", "Print Full Report", {1320, 5760, 6495, 495},
                              {kSansSerif, 9.75, true});

    chainTabOrder({SSPanel1, Label14, Label13, Picture2, UpCom, DownCom, Picture1, CardNameLabel, SignLabel,
                   Text1, PrintCommand1});

    connect(UpCom, &QPushButton::clicked, this, &CCRapport::UpCom_Click);
    connect(DownCom, &QPushButton::clicked, this, &CCRapport::DownCom_Click);
    connect(PrintCommand1, &QPushButton::clicked, this, &CCRapport::PrintCommand1_Click);
}

void CCRapport::Form_Load()
{
    centre();
    HighlightedPosition = 0;
    // The Identifier as it stands now; later steps do not look at it again.
    SignLabel->setText(QString::fromStdString(Module1::SignName));
    cards::showCard(Picture1, Module1::SignImage);
    showPosition(HighlightedPosition);
    platform::setBackColor(numberBox(0), kBoxOn);
    platform::setBackColor(title(0), kTitleOn);
}

void CCRapport::showPosition(int position)
{
    using namespace Module1;
    // Read afresh at every step: a later deal shows from the next step on.
    const auto at = std::size_t(position);
    cards::showCard(Picture2, CardImages[at]);
    CardNameLabel->setText(QString::fromStdString(CardNames[at]));
    // Drawn cards are 1 to 77; a 0 means no deal has reached this position
    // yet, and the Fool's text under a card back would pass for a reading.
    if (DrawnCards[at] == 0) {
        Text1->clear();
        return;
    }
    CardInfo(DrawnCards[at]);
    Text1->setPlainText(QString::fromStdString(CardDescription));
}

// Only the position reached and the one just left change colour; moving by
// single steps keeps one red box and one white title.
void CCRapport::highlight(int position, int lastHighlighted)
{
    platform::setBackColor(numberBox(position), kBoxOn);
    platform::setBackColor(numberBox(lastHighlighted), kBoxOff);
    platform::setBackColor(title(position), kTitleOn);
    platform::setBackColor(title(lastHighlighted), kTitleOff);
}

void CCRapport::UpCom_Click()
{
    HighlightedPosition = static_cast<std::int16_t>(HighlightedPosition + 1);
    if (HighlightedPosition > kLastPosition || HighlightedPosition < 0)
        HighlightedPosition = 0;
    const int p = HighlightedPosition;
    showPosition(p);
    highlight(p, p == 0 ? kLastPosition : p - 1);
}

void CCRapport::DownCom_Click()
{
    // Backwards stops at the first position rather than wrapping; a step
    // there repaints the first two positions as the fill left them.
    HighlightedPosition = static_cast<std::int16_t>(HighlightedPosition - 1);
    if (HighlightedPosition > kLastPosition || HighlightedPosition < 0)
        HighlightedPosition = 0;
    const int p = HighlightedPosition;
    showPosition(p);
    highlight(p, p + 1);
}

void CCRapport::PrintCommand1_Click()
{
    // Each page is filled when first made; a later print in the run prints
    // them as they were then. They print without being shown: rendering
    // needs no screen, and three windows flashing by would only distract.
    // One call for the three, so a failure is told once.
    platform::printWindows(
        {&platform::form<CCPrintAll>(), &platform::form<CCPrintAll2>(), &platform::form<CCPrintAll3>()});
}
