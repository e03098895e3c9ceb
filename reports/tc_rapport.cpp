// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/tc_rapport.h"

#include "deck/module1.h"
#include "deck/spreads.h"
#include "platform/colours.h"
#include "platform/controls.h"
#include "platform/window_printing.h"
#include "reports/report_columns.h"

#include <QLabel>
#include <QPushButton>

namespace {

// The columns left to right: positions 0, 1 and 2, then the Identifier.
struct ColumnPlace {
    const char* heading;
    const char* title;
    int left;
};
constexpr ColumnPlace kColumns[4] = {
    {"Label1", "Present Situation", 120},
    {"Label2", "The Past", 2640},
    {"Label3", "The Future", 5160},
    {"Label4", "Identifier", 7680},
};
constexpr int kIdentifierColumn = 3;
constexpr int kDescriptionHeight = 4135;

} // namespace

TCRapport::TCRapport()
    : Form("TCRapport", platform::Frame::Titled, QSize(10125, 6390))
{
    using platform::indexedName;
    setWindowTitle(QStringLiteral("Three Card Reading Report"));
    platform::setBackColor(this, platform::kGrey);

    std::array<QLabel*, 4> headings{};
    for (int i = 0; i < 4; ++i) {
        const ColumnPlace& place = kColumns[i];
        const bool identifier = i == kIdentifierColumn;
        const reports::ColumnNames names{
            place.heading,
            identifier ? QStringLiteral("SignLabel") : indexedName("CardNameLabel", i),
            identifier ? QStringLiteral("SignDescriptionLabel") : indexedName("DescriptionLabel", i),
        };
        const reports::Column column =
            reports::addColumn(this, names, place.title, place.left, kDescriptionHeight);
        const auto at = static_cast<std::size_t>(i);
        headings[at] = column.heading;
        if (identifier) {
            SignLabel = column.name;
            SignDescriptionLabel = column.description;
        } else {
            names_[at] = column.name;
            descriptions_[at] = column.description;
        }
    }
    Label1 = headings[0];
    Label2 = headings[1];
    Label3 = headings[2];
    Label4 = headings[3];

    Command1 = reports::addPrintButton(this, {1920, 5640, 6135, 375});
    connect(Command1, &QPushButton::clicked, this, &TCRapport::Command1_Click);
}

void TCRapport::Form_Load()
{
    using namespace Module1;
    centre();
    // Whatever spread was drawn last, this report covers positions 0 to 2.
    LastPosition = deck::kThreeCardPositions - 1;
    for (int i = 0; i <= LastPosition; ++i)
        reports::showHeld(CardNameLabel(i), CardNames[static_cast<std::size_t>(i)]);
    reports::showHeld(SignLabel, SignName);
    for (int i = 0; i <= LastPosition; ++i) {
        CardInfo(DrawnCards[static_cast<std::size_t>(i)]);
        reports::showHeld(DescriptionLabel(i), CardDescription);
    }
    reports::showHeld(SignDescriptionLabel, SignDescription);
}

void TCRapport::Command1_Click()
{
    platform::printWindow(this);
}
