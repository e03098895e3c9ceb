// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/oc_rapport.h"

#include "deck/module1.h"
#include "platform/colours.h"
#include "platform/window_printing.h"
#include "reports/report_columns.h"

#include <QLabel>
#include <QPushButton>

OCRapport::OCRapport()
    : Form("OCRapport", platform::Frame::Titled, QSize(5295, 5670))
{
    setWindowTitle(QStringLiteral("One Card Reading Report"));
    platform::setBackColor(this, platform::kButtonFace);

    constexpr int kDescriptionHeight = 3930;
    const reports::Column identifier = reports::addColumn(
        this, {"Label4", "SignLabel", "SignDescriptionLabel"}, "Identifier", 240, kDescriptionHeight);
    Label4 = identifier.heading;
    SignLabel = identifier.name;
    SignDescriptionLabel = identifier.description;

    const reports::Column card =
        reports::addColumn(this, {"Label1", "Label2", "OCLabel"}, "One Card", 2760, kDescriptionHeight);
    Label1 = card.heading;
    Label2 = card.name;
    OCLabel = card.description;

    Command1 = reports::addPrintButton(this, {1320, 5160, 2655, 375});
    connect(Command1, &QPushButton::clicked, this, &OCRapport::Command1_Click);
}

void OCRapport::Form_Load()
{
    using namespace Module1;
    centre();
    reports::showHeld(Label2, CardNames[0]);
    reports::showHeld(SignLabel, SignName);
    CardInfo(DrawnCards[0]);
    reports::showHeld(OCLabel, CardDescription);
    reports::showHeld(SignDescriptionLabel, SignDescription);
}

void OCRapport::Command1_Click()
{
    platform::printWindow(this);
}
