// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// The offset that puts a window of outer size `window` in the middle of a
// screen of size `screen`, both in twips. Single precision on purpose: an odd
// difference gives half a twip, a window larger than the screen a negative
// offset, and nothing is rounded or clamped here.
inline float centredOffset(float screen, float window)
{
    return (screen - window) / 2.0f;
}

} // namespace platform
