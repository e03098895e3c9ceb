// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace platform {
namespace {

struct ButtonRow {
    const char* text;
    Answer answer;
};

// The buttons read left to right in this order on every desktop: a desktop
// theme reorders standard buttons by their roles (GNOME puts Cancel first),
// but keeps buttons of one role in the order they were added.
std::vector<ButtonRow> rowsFor(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return {{"OK", Answer::Ok}};
    case Buttons::OkCancel:
        return {{"OK", Answer::Ok}, {"Cancel", Answer::Cancel}};
    case Buttons::YesNoCancel:
        return {{"&Yes", Answer::Yes}, {"&No", Answer::No}, {"Cancel", Answer::Cancel}};
    }
    return {};
}

} // namespace

Answer messageBox(const QString& prompt, Buttons buttons, const QString& title)
{
    QMessageBox box;
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);

    const std::vector<ButtonRow> rows = rowsFor(buttons);
    std::vector<QPushButton*> pushButtons;
    for (const ButtonRow& row : rows)
        pushButtons.push_back(box.addButton(QString::fromLatin1(row.text), QMessageBox::ActionRole));
    box.setDefaultButton(pushButtons.front());
    box.setEscapeButton(pushButtons.back());

    box.exec();
    const QAbstractButton* pressed = box.clickedButton();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (pressed == pushButtons[i])
            return rows[i].answer;
    }
    return rows.back().answer;
}

} // namespace platform
