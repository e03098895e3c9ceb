// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program_start.h"

#include "platform/navigation.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "shell/main_menu.h"
#include "shell/omvelis_form.h"

#include <QApplication>

namespace shell {

void startProgram()
{
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    QApplication::setApplicationVersion(QStringLiteral(VELTRANO_VERSION));
    // The installed desktop entry's id, so that a Wayland compositor and the
    // task bar find its name and icon for the windows.
    QApplication::setDesktopFileName(QStringLiteral("io.github.veltrano.Veltrano"));
    platform::initResources();
    installMainMenu();

    platform::form<OmvelisForm>().show();
}

void installMainMenu()
{
    platform::setMainMenu([] { platform::form<MainMenu>().show(); });
}

} // namespace shell
