#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Veltrano under a real X11 window manager: openbox (set not to focus new
windows) or xfwm4 (on a GNOME desktop), one run of the program.

For every window: its client size, the frame the window manager gives it,
the actions it offers, and what a close request from the window manager does
(the exit question on the windows without a caption, answered No or Cancel,
after which the window is still there). Also: the blank title bar of the
Celtic Cross window, the order of the exit question's buttons under a GNOME
desktop and elsewhere, Return on a focused button, and the instructions of
the Identifier window without a scroll bar. Run it inside a private D-Bus
session:

    dbus-run-session -- /usr/bin/python3 desktops.py VELTRANO_BINARY openbox|xfwm4 [SCREENSHOT_FOLDER]
"""

import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (AT_SPI_LAUNCHER, OPENBOX, XFWM4, Desktop, check, fail, mean_colour, skip_unless_screen_reader,
                     skip_unless_tools, step, wait_until)
from veltrano import SIZES, region

binary, wm = sys.argv[1], sys.argv[2]
keep = sys.argv[3] if len(sys.argv) > 3 else None
skip_unless_tools(extra=[wm, "wmctrl", "xprop"])
skip_unless_screen_reader()
import pyatspi  # noqa: E402
from screen_reader import control, descendants, is_open, press, showing
from screen_reader import window as accessible


# What a screen reader calls each window.
NAMES = {
    "OmvelisForm": "Veltrano",
    "Significateur": "Choose the Identifier",
    "MainMenu": "Main Menu",
    "OneCard": "One Card Reading",
    "ThreeCards": "Three Card Reading",
    "CelticCross": "Celtic Cross Reading",
    "About": "About Veltrano",
}
SIZES = dict(SIZES, About=(302, 141))
CAPTIONLESS = ["OmvelisForm", "Significateur", "MainMenu", "OneCard", "ThreeCards"]

# Window managers that draw a border without a title bar; the others draw a
# whole frame or none, and a window without a caption gets none there.
BORDER_ALONE = ["openbox"]

# Openbox keeps minimise, maximise and close on every window whatever the
# Motif hints say; xfwm4 follows the hints except for close.
NEVER = {
    "openbox": {"CelticCross": [], "About": ["RESIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"]},
    "xfwm4": {"CelticCross": ["MINIMIZE"], "About": ["RESIZE", "MINIMIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"]},
}
ALWAYS = {"CelticCross": ["RESIZE", "MAXIMIZE_HORZ", "CLOSE"], "About": ["MOVE"]}
for name in CAPTIONLESS:
    ALWAYS[name] = ["RESIZE", "MOVE"]
    NEVER["xfwm4"][name] = ["MINIMIZE", "MAXIMIZE_HORZ", "MAXIMIZE_VERT"]
    NEVER["openbox"][name] = []


def buttons_left_to_right(dialog):
    found = [n for n in descendants(dialog) if n.getRoleName() == "push button"]
    found.sort(key=lambda n: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)
    return [n.name.replace("&", "") for n in found]


# What the window manager sees --------------------------------------------------

def prop(desktop, window_id, name):
    out = desktop.run(["xprop", "-id", window_id, name], check=False).stdout.strip()
    return out.split("=", 1)[1].strip() if "=" in out else None


def frame_extents(desktop, window_id):
    value = wait_until(lambda: prop(desktop, window_id, "_NET_FRAME_EXTENTS"), "the frame extents")
    return [int(v) for v in value.split(",")]


def allowed_actions(desktop, window_id):
    value = prop(desktop, window_id, "_NET_WM_ALLOWED_ACTIONS") or ""
    return {a.strip().replace("_NET_WM_ACTION_", "") for a in value.split(",") if a.strip()}


def check_window(desktop, wm, program, name):
    """The window on screen with its client size, frame and actions; its id."""
    window = desktop.wait_for_window(program.pid, SIZES[name], name)
    left, right, top, bottom = frame_extents(desktop, window[0])
    if wm in BORDER_ALONE or name not in CAPTIONLESS:
        check(min(left, right, top, bottom) >= 1, "%s: a border on every side" % name, (left, right, top, bottom))
    if name in CAPTIONLESS:
        check(top == bottom, "%s: no title bar" % name, (left, right, top, bottom))
    else:
        check(top > bottom + 10, "%s: a title bar" % name, (left, right, top, bottom))
    actions = allowed_actions(desktop, window[0])
    for action in ALWAYS[name]:
        check(action in actions, "%s allows %s" % (name, action), sorted(actions))
    for action in NEVER[wm][name]:
        check(action not in actions, "%s does not allow %s" % (name, action), sorted(actions))
    return window


def close_asks(desktop, program, name, window, answer, order):
    """A close request from the window manager asks the exit question; the
    answer leaves the window as it was."""
    desktop.run(["wmctrl", "-i", "-c", window[0]])
    question = accessible("Exit???")
    seen = buttons_left_to_right(question)
    check(seen == order, "the exit question's buttons %s" % order, seen)
    press(question, answer)
    wait_until(lambda: not is_open("Exit???"), "the exit question to go")
    time.sleep(0.3)
    check(program.poll() is None, "the program still running after %s on %s" % (answer, name), "it ended")
    check(is_open(NAMES[name]), "%s still on screen after %s" % (name, answer), "it went")
    desktop.wait_for_window(program.pid, SIZES[name], name)


def run(window_manager, wm, environment):
    with Desktop(window_manager) as desktop:
        desktop.launch([AT_SPI_LAUNCHER, "--launch-immediately"])
        time.sleep(0.5)
        env = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1"}
        env.update(environment)
        program = desktop.launch([binary], env=env)
        order = ["Yes", "No", "Cancel"]

        step("%s: the start-up window, bordered without a title; a first click shows Enter" % wm)
        start = check_window(desktop, wm, program, "OmvelisForm")
        accessible_start = accessible(NAMES["OmvelisForm"])
        _, x, y, width, height = start
        desktop.click(x + 20, y + height - 20)
        enter = wait_until(lambda: showing(control(accessible_start, "push button", "Enter")) and control(accessible_start, "push button", "Enter"),
                           "Enter after a click on the start-up window")
        close_asks(desktop, program, "OmvelisForm", start, "Cancel", order)

        step("%s: Return on the focused Enter button" % wm)
        desktop.click(x + 20, y + height - 20)
        enter.queryComponent().grabFocus()
        wait_until(lambda: enter.getState().contains(pyatspi.STATE_FOCUSED), "focus on Enter")
        desktop.run(["xdotool", "key", "Return"])
        identifier = check_window(desktop, wm, program, "Significateur")

        step("%s: the instructions whole, without a scroll bar" % wm)
        time.sleep(0.5)
        shot = desktop.screenshot("identifier.png")
        # The last 16 pixels across the box, where a scroll bar would be: black.
        strip = mean_colour(shot, *region(identifier, 240 + 6135 - 240, 2760 + 60, 200, 2175 - 120))
        check(max(strip) < 40, "black where a scroll bar would be", strip)
        if keep:
            shutil.copy(shot, os.path.join(keep, "identifier-%s.png" % wm))
        close_asks(desktop, program, "Significateur", identifier, "No", order)
        sign = accessible(NAMES["Significateur"])
        press(sign, "Next Card")
        press(sign, "Click here to choose the Identifier on the left.......")

        step("%s: the main menu, and About put away by a close request" % wm)
        menu_window = check_window(desktop, wm, program, "MainMenu")
        close_asks(desktop, program, "MainMenu", menu_window, "Cancel", order)
        menu = accessible(NAMES["MainMenu"])
        press(menu, "Info")
        about = check_window(desktop, wm, program, "About")
        desktop.run(["wmctrl", "-i", "-c", about[0]])
        desktop.wait_gone(program.pid, SIZES["About"], "About")
        check(is_open(NAMES["MainMenu"]), "the main menu still on screen", "it went")

        for name, opener in [("OneCard", "One Card Reading"), ("ThreeCards", "Three Card Reading")]:
            step("%s: %s" % (wm, name))
            press(menu, opener)
            reading = check_window(desktop, wm, program, name)
            close_asks(desktop, program, name, reading, "No", order)
            press(accessible(NAMES[name]), "Main Menu")
            desktop.wait_for_window(program.pid, SIZES["MainMenu"], "MainMenu")

        step("%s: the Celtic Cross window, its title bar blank, closed back to the menu" % wm)
        press(menu, "Celtic Cross Reading")
        celtic = check_window(desktop, wm, program, "CelticCross")
        title = prop(desktop, celtic[0], "_NET_WM_NAME")
        check(title is not None and title.strip('"').strip() == "", "a blank title", title)
        check(is_open(NAMES["CelticCross"]), "the accessible name kept", "none")
        if keep:
            shutil.copy(desktop.screenshot("celtic.png"), os.path.join(keep, "celtic-%s.png" % wm))
        desktop.run(["wmctrl", "-i", "-c", celtic[0]])
        desktop.wait_gone(program.pid, SIZES["CelticCross"], "the Celtic Cross window")
        desktop.wait_for_window(program.pid, SIZES["MainMenu"], "MainMenu")

        step("%s: Exit ends the program" % wm)
        press(accessible(NAMES["MainMenu"]), "Exit")
        try:
            code = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            fail("the program still running after Exit")
        check(code == 0, "exit code 0", code)


if wm == "openbox":
    # Set not to focus new windows: the program must not rely on being
    # handed focus when it maps a window.
    config = os.path.join(os.environ.get("TMPDIR", "/tmp"), "veltrano-openbox-%d.xml" % os.getpid())
    with open(config, "w") as rc:
        rc.write('<?xml version="1.0"?>\n<openbox_config xmlns="http://openbox.org/3.4/rc">'
                 '<focus><focusNew>no</focusNew></focus></openbox_config>\n')
    try:
        run(OPENBOX + ["--config-file", config], wm, {})
    finally:
        os.remove(config)
else:
    # Qt lays out dialog buttons the GNOME way there.
    run(XFWM4, wm, {"XDG_CURRENT_DESKTOP": "GNOME"})
print("PASS")
