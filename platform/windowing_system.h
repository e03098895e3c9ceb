// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace platform {

// What the environment says about the desktop session, as far as choosing
// Qt's platform plugin goes.
struct Session {
    QByteArray qpaPlatform;        // QT_QPA_PLATFORM
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray display;            // DISPLAY
    QByteArray sessionType;        // XDG_SESSION_TYPE
    bool platformArgument = false; // -platform on the command line
};

// The platform plugins to try, in order, separated by ';' as QT_QPA_PLATFORM
// takes them; empty leaves Qt's own choice. On a Wayland session with X11
// beside it the windows go through X11: there the program places its windows
// itself and the window manager draws only the frames the program asks for,
// while a Wayland compositor places every window and Qt draws a full title
// bar. A platform the user chose is kept.
QByteArray preferredPlatform(const Session& session);

Session currentSession(int argc, const char* const* argv);

// Applies preferredPlatform() to this process; call before the application
// object is made.
void choosePlatform(int argc, const char* const* argv);

} // namespace platform
