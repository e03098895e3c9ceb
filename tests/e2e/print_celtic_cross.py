#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The full Celtic Cross report through a real CUPS queue of our own: after a
deal, Print Full Report gives three one-page jobs, pages 1, 2 and 3 in that
order, each named after its page window, each on the queue's default paper
(A4, then Letter from the same program), with its texts as text and the
Identifier's picture at its finest.

usage: print_celtic_cross.py VELTRANO_BINARY [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Desktop, PAPER_POINTS, Scheduler, check, pdf_images, pdf_info, pdf_pages, pdf_text,
                     pdf_to_png, skip_unless_printing, skip_unless_tools, step)
from veltrano import open_main_menu, point, wait_for

PAGES = ["CCPrintAll", "CCPrintAll2", "CCPrintAll3"]
# What page 3 always shows with the Magician as the Identifier; pages 1 and 2
# show the drawn cards' names and descriptions, read back in journey.py.
PAGE_3 = ["Veltrano", "Reading Report - Celtic Cross", "Identifier", "Magician"]

binary = sys.argv[1]
keep = sys.argv[2] if len(sys.argv) > 2 else None
skip_unless_tools()
skip_unless_printing()

with Scheduler("A4") as scheduler, Desktop() as desktop:
    step("to the Celtic Cross Reading, deal, and open the report")
    program = desktop.launch([binary], env={"CUPS_SERVER": scheduler.socket})
    menu = open_main_menu(desktop, program)
    desktop.click(*point(menu, 4800, 4200, 1695, 2535))
    spread = wait_for(desktop, program, "CelticCross")
    desktop.click(*point(spread, 5520, 6120, 2055, 615))
    desktop.click(*point(spread, 5520, 7320, 2055, 615))
    report = wait_for(desktop, program, "CCRapport")

    for round_, paper in enumerate(("A4", "Letter")):
        step("Print Full Report on %s paper" % paper)
        scheduler.set_paper(paper)
        desktop.click(*point(report, 1320, 5760, 6495, 495))
        documents = scheduler.wait_for_documents(3 * (round_ + 1))[3 * round_:]

        step("three jobs, pages 1, 2, 3 in order, each one page of %s" % paper)
        check([name for name, _ in documents] == PAGES, "the jobs %s in order" % PAGES, documents)
        for name, document in documents:
            check(pdf_pages(document) == 1, "one page in %s" % name, pdf_pages(document))
            size = pdf_info(document)["Page size"].split()
            seen = (round(float(size[0])), round(float(size[2])))
            check(seen == PAPER_POINTS[paper], "%s on %s" % (name, paper), seen)
            words = pdf_text(document)
            check(len(words) > (40 if name == "CCPrintAll3" else 400), "the texts of %s as text" % name, words)
            images = pdf_images(document)
            # The Identifier's picture, 75 x 139 on screen, from its twin.
            wanted = [(150, 278, 192, 192)] if name == "CCPrintAll3" else []
            check(images == wanted, "the pictures of %s: %s" % (name, wanted), images)
            desktop.keep(pdf_to_png(document, 96, os.path.join(desktop.tmp, "%s-%s" % (name, paper))), keep)
        missing = [text for text in PAGE_3 if text not in pdf_text(documents[2][1])]
        check(not missing, "page 3's texts", missing)
    print("PASS: the Celtic Cross report printed as three pages in order, on the queue's own paper")
