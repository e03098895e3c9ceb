// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"
#include "platform/windowing_system.h"
#include "shell/program_start.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    platform::choosePlatform(argc, argv);
    QApplication app(argc, argv);
    // The program ends through its own ways out only; every window keeps a
    // way back to the main menu.
    QApplication::setQuitOnLastWindowClosed(false);
    shell::startProgram();
    const int code = QApplication::exec();
    // The loop has ended: the windows go without any close event.
    platform::destroyAllForms();
    return code;
}
