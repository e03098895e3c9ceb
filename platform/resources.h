// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Makes the pictures and documents built into the program reachable under
// ":/"; they live in a static library, so the linker needs to be told.
void initResources();

} // namespace platform
