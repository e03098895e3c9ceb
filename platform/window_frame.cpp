// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_frame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <cstdint>
#include <vector>
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

void setMotifHints(xcb_connection_t* connection, xcb_window_t id, const MotifHints& motif)
{
    const xcb_atom_t type = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, type, type, 32, 5, &motif);
}

// The frame the window manager would draw around a window not yet mapped,
// as left, right, top and bottom; empty when it does not say in time.
std::vector<std::uint32_t> requestedFrame(xcb_connection_t* connection, xcb_window_t id)
{
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    xcb_delete_property(connection, id, extents);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);

    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
        std::vector<std::uint32_t> found;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
            const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
            found.assign(values, values + 4);
        }
        free(reply);
        if (!found.empty())
            return found;
        QThread::msleep(1);
    }
    return {};
}

// Most window managers draw either a whole frame, title included, or none;
// a few draw a border alone. Asked once, before the first window without a
// caption is mapped: a frame with a title there, or no answer, falls back to
// no border, as a window manager that cannot say may draw a title bar.
bool borderWithoutTitle(xcb_connection_t* connection, xcb_window_t id)
{
    static const bool drawn = [&] {
        const std::vector<std::uint32_t> frame = requestedFrame(connection, id);
        return !frame.empty() && frame[2] <= frame[3];
    }();
    return drawn;
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
        setMotifHints(connection, id, motif);
        if (frame == Frame::NoTitleBar && !borderWithoutTitle(connection, id)) {
            motif.decorations = 0;
            setMotifHints(connection, id, motif);
        }
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
