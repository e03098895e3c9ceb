#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program in a real X session: the start-up window centred with its
three pictures and its Enter button, then clicks through the Identifier window
to the main menu, and Exit ends the program with exit code 0.

usage: startup_to_menu.py VELTRANO_BINARY CARD_PICTURE_FOLDER [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (SCREEN, Desktop, check, crop, crop_difference, mean_colour, skip_unless_tools, step,
                     trimmed_box, twips, wait_until)

binary, cards = sys.argv[1], sys.argv[2]
keep = sys.argv[3] if len(sys.argv) > 3 else None
skip_unless_tools()


def card(image):
    return os.path.join(cards, "%02d.jpg" % image)


def centre(window, left, top, width, height):
    """Screen point at the middle of a control given in twips."""
    _, x, y, _, _ = window
    return x + twips(left + width / 2), y + twips(top + height / 2)


def shows_card(shot, window, left, top, width, height, image):
    _, x, y, _, _ = window
    return crop_difference(shot, x + twips(left), y + twips(top), twips(width), twips(height), card(image))


with Desktop() as desktop:
    step("start the program")
    program = desktop.launch([binary])
    start = desktop.wait_for_window(program.pid, (474, 364), "the start-up window")

    step("the start-up window is centred, with its pictures and the Enter button")
    _, x, y, width, height = start
    wanted = ((SCREEN[0] - width) // 2, (SCREEN[1] - height) // 2)
    check(abs(x - wanted[0]) <= 1 and abs(y - wanted[1]) <= 1, "the window at %s" % (wanted,), (x, y))

    def enter_shown():
        shot = desktop.screenshot("start.png")
        return shot if sum(mean_colour(shot, x + twips(5400), y + twips(2040), twips(1215), twips(855))) > 300 \
            else None

    shot = wait_until(enter_shown, "the Enter button to appear")
    box = trimmed_box(shot)
    check(abs(box[0] - wanted[0]) <= 1 and abs(box[1] - wanted[1]) <= 1, "nothing drawn outside the window",
          box)
    for left, image in ((1000, 78), (2200, 79), (3400, 48)):
        difference = shows_card(shot, start, left, 1440, 1130, 2000, image)
        check(difference < 0.05, "picture %d at %d twips (difference < 0.05)" % (image, left), difference)
    desktop.keep(crop(shot, x, y, width, height, os.path.join(desktop.tmp, "startup-window.png")), keep)

    step("Enter leads to the Identifier window")
    desktop.click(*centre(start, 5400, 2040, 1215, 855))
    identifier = desktop.wait_for_window(program.pid, (440, 352), "the Identifier window")
    desktop.wait_gone(program.pid, (474, 364), "the start-up window")

    step("Back shows the Fool; Choose leads to the main menu")
    desktop.click(*centre(identifier, 2160, 480, 975, 615))

    def fool_shown():
        shot = desktop.screenshot("identifier.png")
        return shot if shows_card(shot, identifier, 840, 120, 1170, 2055, 78) < 0.05 else None

    shot = wait_until(fool_shown, "the Fool in the Identifier window")
    _, ix, iy, iw, ih = identifier
    desktop.keep(crop(shot, ix, iy, iw, ih, os.path.join(desktop.tmp, "identifier-window.png")), keep)
    desktop.click(*centre(identifier, 3480, 600, 2895, 1095))
    menu = desktop.wait_for_window(program.pid, (506, 459), "the main menu")
    desktop.wait_gone(program.pid, (440, 352), "the Identifier window")
    _, mx, my, mw, mh = menu
    shot = desktop.screenshot("menu.png")
    desktop.keep(crop(shot, mx, my, mw, mh, os.path.join(desktop.tmp, "main-menu.png")), keep)

    step("Exit ends the program at once")
    desktop.click(*centre(menu, 240, 4920, 855, 855))
    try:
        code = program.wait(timeout=15)
    except Exception:
        code = None
    if code != 0:
        print(program.stdout.read())
    check(code == 0, "exit code 0", code)
    print("PASS: start-up to main menu and Exit")
