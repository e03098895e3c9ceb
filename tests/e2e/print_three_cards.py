#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing through a real CUPS queue, one of our own: the program deals a
Three Card reading, opens its report and prints it, once with the queue's
default paper set to Letter and once to A4. Each print is one job named after
the window, one page of the queue's paper, with the window at its own size at
the top left: its texts as text, and rendered at 96 dpi it shows what the
window shows.

usage: print_three_cards.py VELTRANO_BINARY [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Scheduler, check, check_printed_page, skip_unless_printing, skip_unless_tools, step
from veltrano import open_main_menu, point, wait_for

TEXTS = ["Present Situation", "The Past", "The Future", "Identifier", "Magician", "Print Report"]

binary = sys.argv[1]
keep = sys.argv[2] if len(sys.argv) > 2 else None
skip_unless_tools()
skip_unless_printing()

with Scheduler("Letter") as scheduler, Desktop() as desktop:
    step("to the Three Card Reading, deal, and open the report")
    program = desktop.launch([binary], env={"CUPS_SERVER": scheduler.socket})
    menu = open_main_menu(desktop, program)
    desktop.click(*point(menu, 3000, 4200, 1695, 2535))
    spread = wait_for(desktop, program, "ThreeCards")
    desktop.click(*point(spread, 2040, 600, 2055, 615))
    desktop.click(*point(spread, 2040, 1800, 2055, 615))
    report = wait_for(desktop, program, "TCRapport")
    window = desktop.settled_grab(report, "TCRapport.png")
    desktop.keep(window, keep)

    for count, paper in enumerate(("Letter", "A4"), start=1):
        step("Print Report on %s paper" % paper)
        scheduler.set_paper(paper)
        desktop.click(*point(report, 1920, 5640, 6135, 375))
        documents = scheduler.wait_for_documents(count)
        check(len(documents) == count, "one more print job", documents)
        name, document = documents[-1]
        check(name == "TCRapport", "the job named after the window", name)
        page = check_printed_page(document, paper, window, TEXTS, 0, desktop.tmp, keep)
        desktop.keep(page, keep)
    print("PASS: the Three Card report printed on the queue's own paper, as the window shows it")
