// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void endProgram()
{
    // hide() sends no close event; the windows are deleted with the process.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace platform
