// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <xcb/xcb.h>

namespace platform {
namespace {

// The Motif hints that X11 window managers read, as five 32-bit fields.
constexpr std::uint32_t kFunctions = 1, kDecorations = 2;                                   // flags
constexpr std::uint32_t kResize = 2, kMove = 4, kMinimise = 8, kMaximise = 16, kClose = 32; // functions
constexpr std::uint32_t kBorder = 2, kResizeHandle = 4, kTitle = 8, kMenu = 16, kMinimiseBox = 32,
                        kMaximiseBox = 64; // decorations

struct MotifHints {
    std::uint32_t flags = kFunctions | kDecorations;
    std::uint32_t functions = 0;
    std::uint32_t decorations = 0;
    std::uint32_t inputMode = 0;
    std::uint32_t status = 0;
};

struct FrameHints {
    Frame frame;
    std::uint32_t functions;
    std::uint32_t decorations;
};

// A border alone: openbox and xfwm4 draw a thin frame that resizes, with no
// title. A caption-less window still takes a close request (Alt+F4), which
// asks before the program ends. The fixed dialog can only be moved.
constexpr FrameHints kFrameHints[] = {
    {Frame::NoTitleBar, kResize | kMove | kClose, kBorder},
    {Frame::Titled, kResize | kMove | kMinimise | kMaximise | kClose,
     kBorder | kResizeHandle | kTitle | kMenu | kMinimiseBox | kMaximiseBox},
    {Frame::TitledNoMinimise, kResize | kMove | kMaximise | kClose,
     kBorder | kResizeHandle | kTitle | kMenu | kMaximiseBox},
    {Frame::FixedDialog, kMove, kBorder | kTitle},
};

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, std::uint16_t(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

} // namespace

Qt::WindowFlags windowFlagsFor(Frame frame)
{
    switch (frame) {
    case Frame::NoTitleBar:
        return Qt::Window | Qt::CustomizeWindowHint;
    case Frame::Titled:
        return Qt::Window;
    case Frame::TitledNoMinimise:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    case Frame::FixedDialog:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case Frame::None:
        return Qt::Window | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

void applyFrameHints(QWidget& window, Frame frame)
{
    // Other platforms may answer for X11 too, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || QGuiApplication::platformName() != QLatin1String("xcb") || !window.windowHandle())
        return;
    const auto id = xcb_window_t(window.winId());

    for (const FrameHints& hints : kFrameHints) {
        if (hints.frame != frame)
            continue;
        MotifHints motif;
        motif.functions = hints.functions;
        motif.decorations = hints.decorations;
        const xcb_atom_t type = atom(connection, "_MOTIF_WM_HINTS");
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, type, type, 32, 5, &motif);
    }

    // Qt names a window with an empty caption after the application; the
    // caption stays empty (and the accessible name as it is), only the title
    // bar the window manager draws reads blank.
    const bool titled =
        frame == Frame::Titled || frame == Frame::TitledNoMinimise || frame == Frame::FixedDialog;
    if (titled && window.windowTitle().isEmpty()) {
        static constexpr char kBlank[] = " ";
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_NAME"),
                            atom(connection, "UTF8_STRING"), 8, 1, kBlank);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 1,
                            kBlank);
    }
    xcb_flush(connection);
}

} // namespace platform
