#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a Wayland session, in a private headless weston.

    dbus-run-session -- /usr/bin/python3 wayland.py VELTRANO_BINARY xwayland|native

xwayland: weston with XWayland, the session as a Wayland desktop announces
it; the program must go through X11 (its windows appear on the X display)
and centre its start-up window itself.
native: weston without X; the program runs on Wayland and the journey from
the start-up window through the Identifier and the menu to a deal and back
to the exit works, seen and driven as a screen reader does.
"""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import SKIP, Desktop, check, step, wait_until
from veltrano import SIZES

binary, mode = sys.argv[1], sys.argv[2]
SCREEN = (1280, 800)


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


if shutil.which("weston") is None:
    skip("weston is not installed")
if mode == "xwayland":
    for tool in ("Xwayland", "xdotool", "xwininfo", "xprop"):
        if shutil.which(tool) is None:
            skip("not installed: " + tool)
else:
    try:
        import pyatspi  # noqa: F401 (screen_reader uses it)
    except ImportError:
        skip("python3-pyatspi is not installed")
    LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
    if not os.path.exists(LAUNCHER) or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        skip("needs at-spi2-core and a D-Bus session (run under dbus-run-session)")
    from screen_reader import answer, control, is_open, label_texts, press, showing, window


class Weston(Desktop):
    """A headless weston of our own: its own runtime folder and socket, and
    with XWayland its own X display. The program chooses its platform itself,
    so no QT_QPA_PLATFORM is passed on."""

    def __init__(self, xwayland):
        super().__init__()
        self.xwayland = xwayland
        self.log = os.path.join(self.tmp, "weston.log")

    def __enter__(self):
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        socket = "veltrano-%d" % os.getpid()
        for name in ("QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"):
            self.env.pop(name, None)
        self.env.update({
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
            "XDG_CACHE_HOME": os.path.join(self.tmp, "cache"),
            "XDG_SESSION_TYPE": "wayland",
            "XDG_CURRENT_DESKTOP": "KDE",
        })
        command = ["weston", "--backend=headless-backend.so", "--socket=" + socket,
                   "--width=%d" % SCREEN[0], "--height=%d" % SCREEN[1], "--idle-time=0", "--log=" + self.log]
        if self.xwayland:
            # XWayland puts its socket where every X server does.
            os.makedirs("/tmp/.X11-unix", mode=0o1777, exist_ok=True)
            command.append("--xwayland")
        self.processes.append(subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))
        wait_until(lambda: os.path.exists(os.path.join(runtime, socket)), "weston's socket", timeout=30)
        self.env["WAYLAND_DISPLAY"] = socket
        if self.xwayland:
            display = wait_until(self.x_display, "weston's X display", timeout=30)
            self.env["DISPLAY"] = display
        return self

    def x_display(self):
        try:
            with open(self.log) as log:
                found = re.search(r"xserver listening on display (:\d+)", log.read())
        except OSError:
            return None
        return found.group(1) if found else None

    def weston_failed(self):
        weston = self.processes[0]
        return weston.poll() is not None


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
    check(abs(x - wanted[0]) <= 8 and abs(y - wanted[1]) <= 16, "the window near %s" % (wanted,), (x, y))
    program.terminate()
    program.wait(timeout=15)


def natively(weston):
    launcher = weston.launch(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    time.sleep(0.5)
    step("without X the program runs on Wayland")
    program = weston.launch([binary], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"})

    start = window("Veltrano", timeout=30)
    wait_until(lambda: showing(control(start, "push button", "Enter")), "the Enter button")
    step("Enter, then the Identifier: the Magician")
    press(start, "Enter")
    identifier = window("Choose the Identifier")
    press(identifier, "Next Card")
    wait_until(lambda: "Magician" in label_texts(identifier), "the Magician on show")
    press(identifier, "Click here to choose the Identifier on the left.......")

    step("the main menu, a One Card Reading dealt, back to the menu")
    menu = window("Main Menu")
    press(menu, "One Card Reading")
    one = window("One Card Reading")
    press(one, "Pick Your Cards")
    wait_until(lambda: "Label1" not in label_texts(one), "the dealt card's name")
    press(one, "Main Menu")
    menu = window("Main Menu")
    check(not is_open("One Card Reading"), "the reading window gone", "still open")

    step("Exit, answered Yes, ends the program")
    press(menu, "Exit")
    answer("Exit???", "Yes")
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
        if weston.weston_failed() and os.path.exists(weston.log):
            print(open(weston.log).read()[-2000:])
        raise
print("PASS: the program on weston, %s" % mode)
