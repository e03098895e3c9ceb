// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

class QWidget;

namespace platform {

// How a window's frame looks. Windows without a caption have no title bar at
// all; the print pages have no frame either.
enum class Frame {
    NoTitleBar,       // sizable border, no caption, no control box
    Titled,           // caption, close, minimise and maximise boxes
    TitledNoMinimise, // caption, close and maximise boxes
    FixedDialog,      // caption only, fixed size, no control box
    None,             // no border, no title bar
};

Qt::WindowFlags windowFlagsFor(Frame frame);

// Tells the X11 window manager what the frame offers, where Qt's flags
// cannot: a border with resize handles but no title, or a title bar without
// the boxes the window does not have; and a blank title bar where the
// caption is empty. Call once the native window exists and before it is
// mapped; does nothing on other platforms.
void applyFrameHints(QWidget& window, Frame frame);

} // namespace platform
