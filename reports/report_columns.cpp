// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/report_columns.h"

#include "platform/colours.h"

#include <QLabel>
#include <QPushButton>

namespace reports {
namespace {

constexpr int kColumnWidth = 2295;
const platform::FontSpec kHeadingFont{platform::kTimes, 12, true};
const platform::FontSpec kNameFont{platform::kTimes, 9.75, true};
const platform::FontSpec kDescriptionFont{platform::kTimes, 9.75};

QLabel* addHeldLabel(QWidget* report, const QString& name, platform::Twips place,
                     const platform::LabelStyle& style)
{
    QLabel* label = platform::addLabel(report, name, QString(), place, style);
    // Held texts are shown as they are, never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

Column addColumn(QWidget* report, const ColumnNames& names, const QString& title, int left,
                 int descriptionHeight)
{
    using namespace platform;
    Column column{};
    column.heading = addLabel(report, names.heading, title, {left, 120, kColumnWidth, 375},
                              {kButtonFace, kButtonText, kHeadingFont, Qt::AlignHCenter});
    column.name = addHeldLabel(report, names.name, {left, 600, kColumnWidth, 375},
                               {kBlack, kWhite, kNameFont, Qt::AlignHCenter});
    column.description =
        addHeldLabel(report, names.description, {left, 1080, kColumnWidth, descriptionHeight},
                     {kButtonFace, kButtonText, kDescriptionFont});
    return column;
}

QPushButton* addPrintButton(QWidget* report, platform::Twips place)
{
    return platform::addButton(report, "Command1", "Print Report", place, {platform::kSansSerif, 9.75, true});
}

void showHeld(QLabel* label, const std::string& value)
{
    label->setText(QString::fromStdString(value));
}

} // namespace reports
