// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Tells screen readers what our own kinds of widget are: a window is a
// window (not an anonymous panel), a picture box an image named after the
// card it shows. Safe to call more than once.
void installAccessibility();

} // namespace platform
