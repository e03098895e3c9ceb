#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A user's whole journey through Veltrano, as a screen reader sees it.

The real program runs under Xvfb and openbox with the AT-SPI bus; this script
uses it only through what assistive technology sees: roles, names, texts and
actions. Run it inside a private D-Bus session:

    dbus-run-session -- /usr/bin/python3 journey.py VELTRANO_BINARY

Every check that fails says what it expected and what it saw.
"""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (AT_SPI_LAUNCHER, Desktop, Scheduler, check, pdf_text, skip_unless_printing,
                     skip_unless_screen_reader, skip_unless_tools, step, wait_until)

skip_unless_tools()
skip_unless_screen_reader()
from screen_reader import (answer, control, descendants, eventually, image_names, is_open, label_texts, press,
                           settle, showing, text_of, window)
skip_unless_printing()

binary = sys.argv[1]
TAIL = re.compile(r"[NM]umber \d+\. ?$")
IDENTIFIER = "Fool"
MAJOR_ARCANA = ["Fool", "Magician", "High Priestess", "Empress", "Emperor", "Hierophant", "Lovers", "Chariot",
                "Strength", "Hermit", "Wheel of Fortune", "Justice", "Hanged Man", "Death", "Alchemy", "The Devil",
                "The Tower", "Star", "The Moon", "The Sun", "Aeon", "The Universe"]


# The journey -----------------------------------------------------------------

with Scheduler() as scheduler, Desktop() as desktop:
    launcher = desktop.launch([AT_SPI_LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    program = desktop.launch([binary], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                                            "CUPS_SERVER": scheduler.socket})

    step("the start-up window shows the Fool, the card back and the Ace of Cups, then Enter")
    start = window("Veltrano")
    eventually(lambda: image_names(start)[:3], ["Fool", "Card back", "Ace of Cups"], "the start-up pictures")
    wait_until(lambda: showing(control(start, "push button", "Enter")), "the Enter button")
    press(start, "Enter")

    step("Choose before any card is refused")
    identifier = window("Choose the Identifier")
    choose = "Click here to choose the Identifier on the left......."
    press(identifier, choose)
    question = window("Choose")
    check("You must choose an Identifier." in label_texts(question), "the refusal", label_texts(question))
    answer("Choose", "OK")
    check(is_open("Choose the Identifier"), "the Identifier window still open", "it closed")
    check(image_names(identifier) == ["Card back"], "the card back still shown", image_names(identifier))

    step("browse: Next Card, Back, Back at the Fool, the wrap after the Universe")
    keywords = control(identifier, "text")
    name_label = lambda: [n for n in label_texts(identifier) if n][:1]

    def browse(button, name, keyword_start):
        press(identifier, button)
        eventually(name_label, [name], "the Identifier on show")
        eventually(lambda: image_names(identifier), ["Fool" if name == "Fool" else name], "the picture's name")
        line = text_of(keywords)
        check(line.startswith(keyword_start), "a keyword line starting %r" % keyword_start, line[:40])

    browse("Next Card", "Magician", "*************MASCULINE")
    browse("Back", "Fool", "********SILENT_FORCE")
    browse("Back", "Fool", "********SILENT_FORCE")
    for name in MAJOR_ARCANA[1:]:
        press(identifier, "Next Card")
        eventually(name_label, [name], "the next card")
    # The Fool is never drawn, so its name tells the Identifier from the cards.
    browse("Next Card", "Fool", "********SILENT_FORCE")
    press(identifier, choose)

    step("the main menu; the One Card Reading")
    menu = window("Main Menu")
    check(not is_open("Choose the Identifier"), "the Identifier window gone", "still open")
    press(menu, "One Card Reading")
    one = window("One Card Reading")
    check(IDENTIFIER in label_texts(one), "the Identifier's name", label_texts(one))
    check(image_names(one)[0] == IDENTIFIER, "the Identifier's picture", image_names(one))
    check("Label1" in label_texts(one), "the name label before the deal", label_texts(one))
    press(one, "Pick Your Cards")
    wait_until(lambda: "Label1" not in label_texts(one), "the dealt card's name")
    dealt = [n for n in label_texts(one) if n not in ("Identifier", IDENTIFIER)]
    check(len(dealt) == 1 and dealt[0] in image_names(one), "one card named under its picture",
          (dealt, image_names(one)))
    one_card = dealt[0]
    print("   dealt: %s" % one_card)

    press(one, "Reading Report")
    report = window("One Card Reading Report")
    texts = label_texts(report)
    check(one_card in texts and IDENTIFIER in texts, "the card's and the Identifier's names", texts)
    described = [t for t in texts if TAIL.search(t)]
    check(len(described) == 2, "two descriptions ending in their number", described)

    step("a second deal is refused; Main Menu and back keeps the card")
    press(one, "Pick Your Cards")
    settle()
    check(one_card in label_texts(one), "the same card", label_texts(one))
    press(one, "Main Menu")
    menu = window("Main Menu")
    check(is_open("One Card Reading Report"), "the report left open", "it closed")
    press(menu, "One Card Reading")
    one = window("One Card Reading")
    press(one, "Pick Your Cards")
    settle()
    check(one_card in label_texts(one), "still the same card, no new deal", label_texts(one))
    press(one, "Main Menu")

    step("the Three Card Reading: its first showing clears the guard; its report")
    menu = window("Main Menu")
    press(menu, "Three Card Reading")
    three = window("Three Card Reading")
    press(three, "Pick Your Cards")
    wait_until(lambda: "Label1" not in label_texts(three), "three dealt names")
    names = [n for n in label_texts(three) if n not in ("Identifier", IDENTIFIER)]
    check(len(names) == 3 and len(set(names)) == 3, "three different cards", names)
    print("   dealt: %s" % ", ".join(names))
    press(three, "Reading Report")
    report = window("Three Card Reading Report")
    texts = label_texts(report)
    headings = [t for t in texts if t in ("Present Situation", "The Past", "The Future", "Identifier")]
    check(headings == ["Present Situation", "The Past", "The Future", "Identifier"], "the four columns", headings)
    check(all(n in texts for n in names), "the three names in the report", texts)
    check(len([t for t in texts if TAIL.search(t)]) == 4, "four descriptions", texts)
    press(three, "Main Menu")
    menu = window("Main Menu")
    check(not is_open("Three Card Reading Report"), "the report hidden with its reading", "still open")

    step("back in the One Card Reading the guard holds: the Three Card deal used it")
    press(menu, "One Card Reading")
    one = window("One Card Reading")
    press(one, "Pick Your Cards")
    settle()
    check(one_card in label_texts(one), "no new deal", label_texts(one))
    press(one, "Main Menu")

    step("the Celtic Cross: deal, then its report stepped through all ten positions")
    menu = window("Main Menu")
    press(menu, "Celtic Cross Reading")
    cross = window("Celtic Cross Reading")
    press(cross, "Pick Your Cards")
    wait_until(lambda: "Label1" not in label_texts(cross), "ten dealt names")
    labels = [n for n in label_texts(cross) if n not in ("Identifier", IDENTIFIER)]
    check(len(set(labels)) == 10, "ten different cards", labels)
    press(cross, "Reading Report")
    report = window("Report on Celtic Cross Reading")
    titles = ["1 - Main Reason", "2 -Offsetting Card", "3 - Past Occurence", "4 - Present Situation",
              "5 - Direction", "6 - Immediate Possibilities", "7 - Common Purpose", "8 - Atmosphere",
              "9 - Expectations", "10 - Final Result"]
    texts = label_texts(report)
    check(all(t in texts for t in titles), "the ten position titles", texts)
    description = control(report, "text")
    seen_names = []
    descriptions = []
    for position in range(10):
        if position:
            press(report, "Next position")
            settle()
        shown = [n for n in image_names(report) if n]  # the highlighted card, then the Identifier
        text = text_of(description)
        check(TAIL.search(text), "a description for position %d" % (position + 1), text[-30:])
        check(shown[0] in labels, "a card of the deal at position %d" % (position + 1), shown)
        seen_names.append(shown[0])
        descriptions.append(" ".join(text.split()))
        print("   %s: %s" % (titles[position], shown[0]))
    check(len(set(seen_names)) == 10, "ten different cards stepped through", seen_names)
    press(report, "Next position")
    eventually(lambda: [n for n in image_names(report) if n][0], seen_names[0], "back to the first position")

    step("Print Full Report: three pages in order")
    press(report, "Print Full Report")
    documents = scheduler.wait_for_documents(3)
    order = [name for name, _ in documents]
    check(order == ["CCPrintAll", "CCPrintAll2", "CCPrintAll3"], "pages 1, 2, 3 in order", order)
    step("the ten descriptions on paper as text, in reading order")
    paper = " ".join(pdf_text(path) for _, path in documents[:2])
    places = [paper.find(description) for description in descriptions]
    check(all(place >= 0 for place in places), "every description on pages 1 and 2",
          [d[:30] for d, place in zip(descriptions, places) if place < 0])
    check(places == sorted(places), "the descriptions in the order of the positions", places)

    step("the three documents, About, and Info again")
    press(cross, "Main Menu")
    menu = window("Main Menu")
    for button, title, first in (("Readings", "Readings", "READINGS"),
                                 ("History of Tarot", "The History of Tarot", "The History of Tarot"),
                                 ("The Cards", "The Cards", "There are seventy-eight cards in the Tarot deck.")):
        press(menu, button)
        document = window(title)
        # A read-only viewer reads as static text.
        viewer = [n for n in descendants(document) if n.getRoleName() in ("text", "label")]
        check(viewer, "the document viewer in '%s'" % title, [n.getRoleName() for n in descendants(document)])
        words = text_of(viewer[0])
        check(words.lstrip().startswith(first), "the document beginning %r" % first, words[:40])
        print("   %s: %d characters" % (title, len(words)))
    press(menu, "Info")
    about = window("About Veltrano")
    check("Veltrano  Version 1.0" in label_texts(about), "the version line", label_texts(about))
    press(about, "OK")
    wait_until(lambda: not is_open("About Veltrano"), "About to hide")
    press(menu, "Info")
    window("About Veltrano")

    step("the red square: No, then Cancel, then Yes")
    for reply in ("No", "Cancel"):
        press(menu, "End the program")
        answer("Exit???", reply)
        check(program.poll() is None and is_open("Main Menu"), "the program still running", "it ended")
    press(menu, "End the program")
    question = window("Exit???")
    check("This will end the program. Are you sure?" in label_texts(question), "the exit question",
          label_texts(question))
    press(question, "Yes")
    try:
        code = program.wait(timeout=15)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "exit code 0", code)
    check(not desktop.windows(program.pid), "no window left", desktop.windows(program.pid))
    print("PASS: the whole journey")
