# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader sees it: its windows and controls through
AT-SPI, found by role and name, pressed through their actions.

The caller makes sure pyatspi and an AT-SPI bus are there."""

import time

import pyatspi

from desktop import check, wait_until


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        try:
            node = desktop.getChildAtIndex(index)
            if node is not None and node.name == "Veltrano":
                return node
        except Exception:
            continue  # a program that has just ended
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_window(name):
    """The showing top-level window (frame, dialog or alert) of that name, or None."""
    app = application()
    if app is None:
        return None
    for index in range(app.childCount):
        node = app.getChildAtIndex(index)
        if node is not None and node.name == name and showing(node):
            return node
    return None


def window(name, timeout=15):
    return wait_until(lambda: find_window(name), "the window '%s'" % name, timeout=timeout)


def is_open(name):
    return find_window(name) is not None


def control(parent, role, name=None, index=0):
    found = [node for node in descendants(parent)
             if node.getRoleName() == role and (name is None or node.name == name)]
    check(len(found) > index, "a %s '%s' in '%s'" % (role, name, parent.name), [n.name for n in found])
    return found[index]


def controls(parent, role):
    return [node for node in descendants(parent) if node.getRoleName() == role]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(parent, name):
    button = control(parent, "push button", name)
    button.queryAction().doAction(0)


def eventually(read, wanted, what, timeout=5):
    """Polls until read() gives `wanted`: actions land a little later."""
    deadline = time.monotonic() + timeout
    seen = read()
    while seen != wanted and time.monotonic() < deadline:
        time.sleep(0.05)
        seen = read()
    check(seen == wanted, "%s: %r" % (what, wanted), repr(seen))


def settle():
    time.sleep(0.3)


def label_texts(parent):
    return [node.name for node in controls(parent, "label")]


def image_names(parent):
    return [node.name for node in controls(parent, "image")]


def answer(title, button):
    """Answers the question titled `title` with the named button."""
    dialog = window(title)
    press(dialog, button)
    wait_until(lambda: not is_open(title), "the question '%s' to go" % title)


def deal_one_card():
    """From the start-up window: Enter, the Magician as Identifier, the main
    menu and a One Card deal. Gives the reading window."""
    start = window("Veltrano", timeout=30)
    wait_until(lambda: showing(control(start, "push button", "Enter")), "the Enter button")
    press(start, "Enter")
    identifier = window("Choose the Identifier")
    press(identifier, "Next Card")
    wait_until(lambda: "Magician" in label_texts(identifier), "the Magician on show")
    press(identifier, "Click here to choose the Identifier on the left.......")
    menu = window("Main Menu")
    press(menu, "One Card Reading")
    reading = window("One Card Reading")
    press(reading, "Pick Your Cards")
    wait_until(lambda: "Label1" not in label_texts(reading), "the dealt card's name")
    return reading
