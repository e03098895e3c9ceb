#include "shell/exit_confirmation.h"

#include "platform/message_box.h"
#include "platform/program.h"

namespace shell {

void confirmExit(const QString& prompt)
{
    const platform::Answer answer =
        platform::messageBox(prompt, platform::Buttons::YesNoCancel, QStringLiteral("Exit???"));
    if (answer == platform::Answer::Yes)
        platform::endProgram();
}

} // namespace shell
