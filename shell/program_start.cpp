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
    // The id of the installed desktop entry, veltrano.desktop.
    QApplication::setDesktopFileName(QStringLiteral("veltrano"));
    platform::initResources();
    installMainMenu();

    platform::form<OmvelisForm>().show();
}

void installMainMenu()
{
    platform::setMainMenu([] { platform::form<MainMenu>().show(); });
}

} // namespace shell
