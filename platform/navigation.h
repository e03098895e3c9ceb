// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

// The way back to the program's main menu. The menu belongs to the shell, the
// top layer; the windows below reach it through this call, and the shell
// installs what it does when the program starts.
void showMainMenu();
void setMainMenu(std::function<void()> show);

} // namespace platform
