#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The information windows in a real X session: from the main menu, Readings,
History of Tarot, The Cards and Info each open a window beside the menu,
centred with its frame, with its caption; the card back lies over the Cards
list; OK puts About away and Info brings it back where it was left.

usage: information_windows.py VELTRANO_BINARY CARD_PICTURE_FOLDER [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (SCREEN, Desktop, check, crop, crop_difference, mean_colour, skip_unless_tools, step,
                     twips, wait_until)

binary, cards = sys.argv[1], sys.argv[2]
keep = sys.argv[3] if len(sys.argv) > 3 else None
skip_unless_tools(extra=["xwininfo", "xprop"])


def centre(window, left, top, width, height):
    """Screen point at the middle of a control given in twips."""
    _, x, y, _, _ = window
    return x + twips(left + width / 2), y + twips(top + height / 2)


def client_origin(desktop, window_id):
    """Where the client area really is: xdotool counts a frame's offset twice."""
    info = desktop.run(["xwininfo", "-id", window_id]).stdout
    values = {}
    for line in info.splitlines():
        if "Absolute upper-left" in line:
            key, value = line.split(":")
            values[key.strip()[-1]] = int(value)
    return values["X"], values["Y"]


def outer_box(desktop, window_id, width, height):
    """The whole window with the frame the window manager put round it."""
    x, y = client_origin(desktop, window_id)
    extents = desktop.run(["xprop", "-id", window_id, "_NET_FRAME_EXTENTS"]).stdout
    left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(","))
    return x - left, y - top, width + left + right, height + top + bottom


def title_of(desktop, window_id):
    return desktop.run(["xdotool", "getwindowname", window_id]).stdout.strip()


with Desktop() as desktop:
    step("start the program and go to the main menu")
    program = desktop.launch([binary])
    start = desktop.wait_for_window(program.pid, (474, 364), "the start-up window")
    _, sx, sy, _, _ = start
    wait_until(lambda: sum(mean_colour(desktop.screenshot("start.png"), sx + twips(5400), sy + twips(2040),
                                       twips(1215), twips(855))) > 300, "the Enter button to appear")
    desktop.click(*centre(start, 5400, 2040, 1215, 855))
    identifier = desktop.wait_for_window(program.pid, (440, 352), "the Identifier window")
    desktop.click(*centre(identifier, 2160, 480, 975, 615))
    desktop.click(*centre(identifier, 3480, 600, 2895, 1095))
    menu = desktop.wait_for_window(program.pid, (506, 459), "the main menu")

    windows = [
        # button on the menu, caption, client size, screenshot
        ((1200, 1560, 1695, 2535), "Readings", (446, 379), "readings-window.png"),
        ((3000, 1560, 1695, 2535), "The History of Tarot", (425, 321), "history-window.png"),
        ((4800, 1560, 1695, 2535), "The Cards", (474, 446), "cards-window.png"),
        ((6600, 4920, 855, 855), "About Veltrano", (302, 141), "about-window.png"),
    ]
    corners = [(0, 0), (SCREEN[0] - 427, 0), (0, SCREEN[1] - 471), None]
    for (button, caption, size, picture), corner in zip(windows, corners):
        step("%s opens beside the menu, centred" % caption)
        desktop.click(*centre(menu, *button))
        opened = desktop.wait_for_window(program.pid, size, caption)
        window_id = opened[0]
        check(title_of(desktop, window_id) == caption, "the caption %r" % caption, title_of(desktop, window_id))
        check(any(w[3:] == (506, 459) for w in desktop.windows(program.pid)), "the main menu still shown",
              desktop.windows(program.pid))
        box = outer_box(desktop, window_id, *size)
        middle = (box[0] + box[2] / 2, box[1] + box[3] / 2)
        check(abs(middle[0] - SCREEN[0] / 2) <= 1 and abs(middle[1] - SCREEN[1] / 2) <= 1,
              "the framed window centred on the screen", box)
        shot = desktop.screenshot("shot-" + picture)
        desktop.keep(crop(shot, *box, os.path.join(desktop.tmp, picture)), keep)

        if caption == "The Cards":
            cx, cy = client_origin(desktop, window_id)
            difference = crop_difference(shot, cx + twips(5280), cy + twips(1440), twips(1215), twips(2055),
                                         os.path.join(cards, "79.jpg"))
            check(difference < 0.05, "the card back over the list (difference < 0.05)", difference)
        if corner:
            # Out of the way of the menu's buttons; openbox keeps it on screen.
            desktop.run(["xdotool", "windowmove", window_id, str(corner[0]), str(corner[1])])

    step("OK puts About away; Info brings the same window back where it was left")
    about_id = opened[0]
    desktop.run(["xdotool", "windowmove", "--sync", about_id, "900", "600"])
    moved = client_origin(desktop, about_id)
    desktop.click(*centre((about_id,) + moved + (302, 141), 2160, 1560, 615, 375))
    desktop.wait_gone(program.pid, (302, 141), "About")
    desktop.click(*centre(menu, 6600, 4920, 855, 855))
    back = desktop.wait_for_window(program.pid, (302, 141), "About again")
    check(back[0] == about_id, "the same window", back[0])
    check(client_origin(desktop, about_id) == moved, "About at %s" % (moved,), client_origin(desktop, about_id))

    step("Exit ends the program with the windows open")
    desktop.click(*centre(menu, 240, 4920, 855, 855))
    try:
        code = program.wait(timeout=15)
    except Exception:
        code = None
    if code != 0:
        print(program.stdout.read())
    check(code == 0, "exit code 0", code)
    print("PASS: the information windows beside the main menu")
