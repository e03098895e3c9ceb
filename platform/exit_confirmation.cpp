// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/exit_confirmation.h"

#include "platform/message_box.h"
#include "platform/program.h"

namespace platform {

void confirmExit(const QString& prompt)
{
    const Answer answer = messageBox(prompt, Buttons::YesNoCancel, QStringLiteral("Exit???"));
    if (answer == Answer::Yes)
        endProgram();
}

} // namespace platform
