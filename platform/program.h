// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Ends the program at once: every window goes, hidden ones included, without
// a close event (no window is asked or can refuse), and the event loop returns 0.
void endProgram();

} // namespace platform
