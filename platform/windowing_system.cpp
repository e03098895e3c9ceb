// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowing_system.h"

#include <QtGlobal>
#include <cstring>

namespace platform {

QByteArray preferredPlatform(const Session& session)
{
    if (!session.qpaPlatform.isEmpty() || session.platformArgument)
        return {};
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (!wayland)
        return {};
    // Wayland stays the fallback: an X server that will not answer must not
    // keep the program from starting.
    return session.display.isEmpty() ? QByteArray("wayland") : QByteArray("xcb;wayland");
}

Session currentSession(int argc, const char* const* argv)
{
    Session session{qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
                    qgetenv("XDG_SESSION_TYPE")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            session.platformArgument = true;
    }
    return session;
}

void choosePlatform(int argc, const char* const* argv)
{
    const QByteArray platform = preferredPlatform(currentSession(argc, argv));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace platform
