// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about.h"

#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/image_list.h"
#include "platform/picture_box.h"

#include <QLabel>
#include <QPushButton>

About::About()
    : Form("About", platform::Frame::FixedDialog, QSize(4530, 2115))
{
    using namespace platform;
    setWindowTitle(QStringLiteral("About Veltrano"));
    setBackColor(this, kButtonFace);

    const LabelStyle plain{kButtonFace, kButtonText, kDefaultFont};
    Picture1 = addPictureBox(this, "Picture1", {240, 240, 520, 520}, kButtonFace);
    Picture1->setPicture(windowPicture(WindowPicture::Icon));
    Picture1->setAccessibleName(QStringLiteral("Veltrano"));
    Label1 = addLabel(this, "Label1", "Veltrano  Version " VELTRANO_VERSION, {960, 240, 3495, 255}, plain);
    Label2 = addLabel(this, "Label2", "For Windows 95/98 and Windows NT", {960, 480, 3615, 375}, plain);
    Label3 = addLabel(this, "Label3", "Made by the Veltrano team", {960, 960, 3495, 375}, plain);
    Command1 = addButton(this, "Command1", "OK", {2160, 1560, 615, 375}, kDefaultFont);
    Label4 = addLabel(this, "Label4", "https://veltrano.example.org", {960, 1200, 3495, 255}, plain);

    chainTabOrder({Picture1, Label1, Label2, Label3, Command1, Label4});

    connect(Command1, &QPushButton::clicked, this, &About::Command1_Click);
}

void About::Form_Load()
{
    centre();
}

void About::Command1_Click()
{
    hide();
}
