#include "platform/registry.h"
#include "platform/resources.h"
#include "shell/omvelis_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrano"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("veltrano"));
    platform::initResources();

    platform::form<OmvelisForm>().show();
    const int code = QApplication::exec();
    // The loop has ended: the windows go without any close event.
    platform::destroyAllForms();
    return code;
}
