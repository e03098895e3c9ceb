#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a Wayland session, in a private weston.

    dbus-run-session -- /usr/bin/python3 wayland.py VELTRANO_BINARY xwayland|native

xwayland: weston with XWayland, the session as a Wayland desktop announces
it; the program must go through X11 (its windows appear on the X display)
and centre its start-up window itself.
native: no X for the program (weston itself draws into a private Xvfb); the
program runs on Wayland, and the journey from the start-up window through
the Identifier and the menu to a deal and back to the exit works, seen and
driven as a screen reader does.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import SKIP, Desktop, check, fail, step, wait_until
from veltrano import SIZES

binary, mode = sys.argv[1], sys.argv[2]
SCREEN = (1280, 800)


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


if shutil.which("weston") is None:
    skip("weston is not installed")
if not os.path.exists("/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so"):
    skip("qt6-wayland is not installed")
if mode == "xwayland":
    for tool in ("Xwayland", "xdotool", "xwininfo", "xprop"):
        if shutil.which(tool) is None:
            skip("not installed: " + tool)
else:
    if shutil.which("Xvfb") is None:
        skip("Xvfb is not installed")
    try:
        import pyatspi  # noqa: F401 (screen_reader uses it)
    except ImportError:
        skip("python3-pyatspi is not installed")
    LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
    if not os.path.exists(LAUNCHER) or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        skip("needs at-spi2-core and a D-Bus session (run under dbus-run-session)")
    from screen_reader import deal_one_card, is_open, press, window


class Weston(Desktop):
    """A weston of our own, with its own runtime folder and socket. The
    program chooses its platform itself, so no QT_QPA_PLATFORM is passed on.

    With XWayland: headless, and XWayland gives its own X display. Without:
    weston draws into a private Xvfb, which gives it the seat a headless weston
    lacks (no keyboard, so no window is ever activated); the program sees
    only the Wayland socket."""

    def __init__(self, xwayland):
        super().__init__()
        self.xwayland = xwayland
        self.log = os.path.join(self.tmp, "weston.log")
        self.weston = None

    def __enter__(self):
        socket = "veltrano-%d" % os.getpid()
        if self.xwayland:
            runtime = os.path.join(self.tmp, "runtime")
            os.makedirs(runtime, mode=0o700)
            self.env.update({
                "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
                "XDG_CACHE_HOME": os.path.join(self.tmp, "cache"),
            })
            self.env.pop("DISPLAY", None)
            backend = ["--backend=headless-backend.so", "--xwayland"]
            # XWayland puts its socket where every X server does.
            os.makedirs("/tmp/.X11-unix", mode=0o1777, exist_ok=True)
        else:
            super().__enter__()
            backend = ["--backend=x11-backend.so", "--use-pixman", "--fullscreen"]
        for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"):
            self.env.pop(name, None)
        self.weston = subprocess.Popen(
            ["weston", "--socket=" + socket, "--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1],
             "--idle-time=0", "--log=" + self.log] + backend,
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(self.weston)
        path = os.path.join(self.env["XDG_RUNTIME_DIR"], socket)
        wait_until(lambda: os.path.exists(path) or self.weston_failed(), "weston's socket", timeout=60)
        if self.weston_failed():
            fail("weston ended at start (code %s): %s" % (self.weston.returncode, self.log_tail()))
        self.env.pop("DISPLAY", None)
        self.env.update({"WAYLAND_DISPLAY": socket, "XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": "KDE"})
        if self.xwayland:
            self.env["DISPLAY"] = wait_until(self.x_display, "weston's X display", timeout=30)
        return self

    def x_display(self):
        try:
            with open(self.log) as log:
                found = re.search(r"xserver listening on display (:\d+)", log.read())
        except OSError:
            return None
        return found.group(1) if found else None

    def log_tail(self):
        try:
            with open(self.log) as log:
                return log.read()[-2000:]
        except OSError:
            return "(no log)"

    def weston_failed(self):
        return self.weston is not None and self.weston.poll() is not None


def through_xwayland(weston):
    step("with XWayland the program runs on X11")
    program = weston.launch([binary])
    start = weston.wait_for_window(program.pid, SIZES["OmvelisForm"], "the start-up window on the X display")
    window_id, x, y, width, height = start
    pid = weston.run(["xprop", "-id", window_id, "_NET_WM_PID"]).stdout
    check(str(program.pid) in pid, "the window to be the program's", pid.strip())

    step("the start-up window is centred on the screen")
    wanted = ((SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2)

    # The compositor's own placement would put it anywhere; the program's
    # puts it in the middle, give or take a frame the window manager adds.
    seen = [(x, y)]

    def centred():
        found = [w for w in weston.windows(program.pid) if w[0] == window_id]
        if found:
            seen.append(found[0][1:3])
        return abs(seen[-1][0] - wanted[0]) <= 8 and abs(seen[-1][1] - wanted[1]) <= 16

    deadline = time.monotonic() + 10
    while not centred() and time.monotonic() < deadline:
        time.sleep(0.1)
    check(centred(), "the window near %s" % (wanted,), "it at %s" % (seen[-1],))
    if seen[0] != seen[-1]:
        print("   first mapped at %s, then moved to %s" % (seen[0], seen[-1]))
    program.terminate()
    program.wait(timeout=15)


def natively(weston):
    launcher = weston.launch([LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    step("without X the program runs on Wayland")
    program = weston.launch([binary], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})

    step("Enter, the Magician as Identifier, the main menu, a One Card Reading dealt, back to the menu")
    one = deal_one_card()
    press(one, "Main Menu")
    menu = window("Main Menu")
    check(not is_open("One Card Reading"), "the reading window gone", "still open")

    step("the red square's question, answered Yes, ends the program")
    press(menu, "End the program")
    press(window("Exit???"), "Yes")
    try:
        code = program.wait(timeout=15)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "exit code 0", code)
    output = program.stdout.read()
    check("xcb" not in output.lower(), "no word of X11 from the program", output.strip())
    launcher.terminate()


with Weston(mode == "xwayland") as weston:
    try:
        if mode == "xwayland":
            through_xwayland(weston)
        else:
            natively(weston)
    except SystemExit:
        print("weston's log ends: " + weston.log_tail())
        raise
print("PASS: the program on weston, %s" % mode)
