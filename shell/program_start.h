// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace shell {

// The start of a run, once the application object exists: the program's
// names for the desktop, its built-in pictures made reachable, and the
// start-up window shown. Nothing else runs before the start-up window.
void startProgram();

// Makes the main menu the place the windows below go back to.
void installMainMenu();

} // namespace shell
