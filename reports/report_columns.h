// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The One Card and Three Card reports are built of the same columns: a
// heading, a name in white on black under it, and a description below that.

#include "platform/controls.h"

#include <QString>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

namespace reports {

// Object names of a column's three labels.
struct ColumnNames {
    QString heading;
    QString name;
    QString description;
};

struct Column {
    QLabel* heading;
    QLabel* name;
    QLabel* description;
};

// A column at `left` twips whose description label is `descriptionHeight` twips high.
Column addColumn(QWidget* report, const ColumnNames& names, const QString& title, int left,
                 int descriptionHeight);

// "Print Report": the one control of a report that takes the keyboard focus.
QPushButton* addPrintButton(QWidget* report, platform::Twips place);

// A label shows a value of the reading state exactly as held.
void showHeld(QLabel* label, const std::string& value);

} // namespace reports
