// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/cc_print_pages.h"

#include "cards/card_pictures.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

using namespace platform;

constexpr int kMargin = 120;
constexpr FontSpec kCardNameFont{kTimes, 11.25, true};

// Pages keep the place stored with them rather than being centred.
void placePage(Form* page, QPoint twips, double fontPoints)
{
    page->move(twipsToPixels(twips.x()), twipsToPixels(twips.y()));
    page->setFont(makeFont({kTimes, fontPoints}));
    setBackColor(page, kWindowBackground);
}

// A description box on paper: no scroll bars, and whatever does not fit
// is cut off, as it would be on the paper image.
QPlainTextEdit* addPageText(QWidget* page, const QString& name, Twips place, double fontPoints)
{
    return addTextBox(page, name, QString(), place, kWindowBackground, kWindowText, {kTimes, fontPoints});
}

const CardPage::Layout kPage1{
    "CCPrintAll",
    {405, 345},
    {11085, 8775},
    9.75,
    {0, 1800, 3600, 5400, 7200},
    {360, 2160, 3960, 5760, 7560},
    0,
};

// The last box reaches 360 twips past the bottom of the page; only its top
// part prints.
const CardPage::Layout kPage2{
    "CCPrintAll2",
    {465, 375},
    {11070, 8775},
    8.25,
    {0, 1800, 3720, 5640, 7560},
    {360, 2280, 4200, 6120, 7920},
    5,
};

} // namespace

CardPage::CardPage(const Layout& layout)
    : Form(layout.name, Frame::None, layout.clientTwips)
    , firstPosition_(layout.firstPosition)
{
    placePage(this, layout.screenTwips, layout.fontPoints);
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto at = std::size_t(slot);
        Label1[at] =
            addLabel(this, indexedName("Label1", slot), QString(), {kMargin, layout.nameTops[at], 3255, 375},
                     {kButtonFace, kButtonText, kCardNameFont});
        Text1[at] = addPageText(this, indexedName("Text1", slot), {kMargin, layout.textTops[at], 10815, 1215},
                                layout.fontPoints);
    }
}

void CardPage::Form_Load()
{
    using namespace Module1;
    // Report names, not the draw names the windows show.
    for (int slot = 0; slot < kSlots; ++slot) {
        const auto at = std::size_t(slot);
        CardInfo(DrawnCards[std::size_t(firstPosition_ + slot)]);
        Label1[at]->setText(QString::fromStdString(CardName));
        Text1[at]->setPlainText(QString::fromStdString(CardDescription));
    }
}

CCPrintAll::CCPrintAll()
    : CardPage(kPage1)
{
}

CCPrintAll2::CCPrintAll2()
    : CardPage(kPage2)
{
}

CCPrintAll3::CCPrintAll3()
    : Form("CCPrintAll3", Frame::None, QSize(11130, 7875))
{
    constexpr double kPagePoints = 8.25;
    placePage(this, {270, 420}, kPagePoints);

    const FontSpec title{kTimes, 18, true};
    Title1Label = addLabel(this, "Title1Label", "Veltrano", {0, 120, 2775, 495},
                           {kWhite, kButtonText, title, Qt::AlignHCenter});
    Title2Label = addLabel(this, "Title2Label", "Reading Report  - Celtic Cross", {5280, 120, 5655, 495},
                           {kWhite, kButtonText, title, Qt::AlignHCenter});

    // The rule under the title line, four pixels wide, centred on its row.
    constexpr int kRuleWidth = 4;
    Line1 = new QWidget(this);
    Line1->setObjectName("Line1");
    Line1->setGeometry(0, twipsToPixels(840) - kRuleWidth / 2, twipsToPixels(10920), kRuleWidth);
    setBackColor(Line1, kWindowText);

    SignLabel2 = addLabel(this, "SignLabel2", "Identifier", {5040, 1920, 1215, 375},
                          {kWhite, kBlack, kBoldItalicFont, Qt::AlignHCenter});
    CCSignPicture = addPictureBox(this, "CCSignPicture", {5040, 2280, cards::kSlotWidth, cards::kSlotHeight},
                                  kButtonFace);
    SignLabel = addLabel(this, "SignLabel", QString(), {5040, 4320, 1215, 375},
                         {kWhite, kBlack, {kTimes, kPagePoints}});
    Text1 = addPageText(this, "Text1", {3120, 4920, 5055, 2295}, kPagePoints);
}

void CCPrintAll3::Form_Load()
{
    using namespace Module1;
    // Looked up afresh from SignIndex, whatever the last lookup left behind.
    SignInfo();
    SignLabel->setText(QString::fromStdString(SignName));
    cards::showCard(CCSignPicture, SignImage);
    Text1->setPlainText(QString::fromStdString(SignDescription));
}
