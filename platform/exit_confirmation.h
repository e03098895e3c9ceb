// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// What the red square asks. The start-up window words it its own way.
inline constexpr const char* kExitPromptStartUp = "This action will end the program. Are you sure?";
inline constexpr const char* kExitPrompt = "This will end the program. Are you sure?";

// Asks whether to end the program; Yes ends it at once, any other answer
// leaves everything as it was.
void confirmExit(const QString& prompt);

} // namespace platform
