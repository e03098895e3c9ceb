# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end scripts know of Veltrano's windows: their client sizes
in pixels and the way from the start to the main menu."""

from desktop import mean_colour, twips, wait_until

# Client areas, twips / 15.
SIZES = {
    "OmvelisForm": (474, 364),
    "Significateur": (440, 352),
    "MainMenu": (506, 459),
    "OneCard": (375, 204),
    "ThreeCards": (324, 382),
    "CelticCross": (712, 544),
    "OCRapport": (353, 378),
    "TCRapport": (675, 426),
    "CCRapport": (614, 429),
}


def point(window, left, top, width, height):
    """The screen point in the middle of a control placed in twips."""
    _, x, y, _, _ = window
    return x + twips(left + width / 2), y + twips(top + height / 2)


def region(window, left, top, width, height):
    """A control's screen rectangle (x, y, w, h) from its place in twips."""
    _, x, y, _, _ = window
    return x + twips(left), y + twips(top), twips(width), twips(height)


def wait_for(desktop, program, name):
    return desktop.wait_for_window(program.pid, SIZES[name], name)


def open_main_menu(desktop, program):
    """From program start: Enter, Next Card (the Magician), Choose."""
    start = wait_for(desktop, program, "OmvelisForm")

    def enter_shown():
        shot = desktop.screenshot("start.png")
        return sum(mean_colour(shot, *region(start, 5400, 2040, 1215, 855))) > 300

    wait_until(enter_shown, "the Enter button to appear")
    desktop.click(*point(start, 5400, 2040, 1215, 855))
    identifier = wait_for(desktop, program, "Significateur")
    desktop.click(*point(identifier, 2160, 1200, 975, 615))
    desktop.click(*point(identifier, 3480, 600, 2895, 1095))
    return wait_for(desktop, program, "MainMenu")
