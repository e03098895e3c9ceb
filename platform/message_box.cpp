#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace platform {
namespace {

struct ButtonRow {
    QMessageBox::StandardButton button;
    Answer answer;
};

std::vector<ButtonRow> rowsFor(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return {{QMessageBox::Ok, Answer::Ok}};
    case Buttons::OkCancel:
        return {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
    case Buttons::YesNoCancel:
        return {{QMessageBox::Yes, Answer::Yes},
                {QMessageBox::No, Answer::No},
                {QMessageBox::Cancel, Answer::Cancel}};
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
    for (const ButtonRow& row : rows)
        box.addButton(row.button);
    box.setDefaultButton(rows.front().button);
    box.setEscapeButton(rows.size() > 1 ? rows.back().button : rows.front().button);

    box.exec();
    const QAbstractButton* pressed = box.clickedButton();
    for (const ButtonRow& row : rows) {
        if (pressed == box.button(row.button))
            return row.answer;
    }
    return rows.size() > 1 ? Answer::Cancel : Answer::Ok;
}

} // namespace platform
