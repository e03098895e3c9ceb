// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/omvelis_form.h"

#include "cards/card_pictures.h"
#include "deck/card_catalogue.h"
#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/exit_confirmation.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"
#include "platform/registry.h"
#include "readings/significateur.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr std::uint32_t kPaleGreen = 0x00C0FFC0;

// The pictures the start-up window fetches when it becomes active, left to right.
constexpr int kShownImages[3] = {deck::kFoolImage, deck::kCardBackImage, 48};

constexpr const char* kCredit =
    "The cards of the Veltrano deck were drawn for this program: the Major Arcana, the court "
    "cards and the pips of Wands, Cups, Swords and Stones are all its own illustrations.";

} // namespace

OmvelisForm::OmvelisForm()
    : Form("OmvelisForm", platform::Frame::NoTitleBar, QSize(7110, 5460))
{
    using namespace platform;
    setAccessibleName(QStringLiteral("Veltrano"));
    setWindowIcon(QIcon(windowPicture(WindowPicture::Icon)));
    setBackColor(this, kBlack);

    const int lefts[3] = {1000, 2200, 3400};
    for (int i = 0; i < 3; ++i) {
        cards_[i] = addPictureBox(this, indexedName("Picture1", i), {lefts[i], 1440, 1130, 2000}, kPaleGreen);
        cards::showCard(cards_[i], deck::kCardBackImage);
    }
    OmvelisFormLabel1 = addLabel(this, "OmvelisFormLabel1", kCredit, {240, 4080, 6735, 1095},
                                 {kBlack, kYellow, {kTimes, 11.25, true}});
    OmvelisFormLabel1->hide();
    EnterButton = addButton(this, "EnterButton", "Enter", {5400, 2040, 1215, 855}, {kTimes, 15.75, true});
    EnterButton->hide();
    banner_ = addPictureBox(this, indexedName("Picture1", 4), {600, 0, 6135, 1455}, kBlack);
    banner_->setPicture(windowPicture(WindowPicture::Banner));
    banner_->setAccessibleName(QStringLiteral("Veltrano"));
    PanicButton = addPanicSquare(this, 6720, 5160);

    chainTabOrder({cards_[0], cards_[1], cards_[2], OmvelisFormLabel1, EnterButton, banner_, PanicButton});

    connect(EnterButton, &QPushButton::clicked, this, &OmvelisForm::EnterButton_Click);
    connect(PanicButton, &QAbstractButton::clicked, this, &OmvelisForm::PanicButton_Click);
}

platform::PictureBox* OmvelisForm::Picture1(int index) const
{
    return index == 4 ? banner_ : cards_[index];
}

void OmvelisForm::Form_Load()
{
    centre();
}

void OmvelisForm::Form_Activate()
{
    for (int i = 0; i < 3; ++i)
        cards::showCard(cards_[i], kShownImages[i]);
    EnterButton->setVisible(true);
    OmvelisFormLabel1->setVisible(true);
    Module1::DealCount = 0;
}

void OmvelisForm::EnterButton_Click()
{
    hide();
    platform::form<Significateur>().show();
}

void OmvelisForm::PanicButton_Click()
{
    platform::confirmExit(exitPrompt());
}

QString OmvelisForm::exitPrompt() const
{
    return QString::fromLatin1(platform::kExitPromptStartUp);
}
