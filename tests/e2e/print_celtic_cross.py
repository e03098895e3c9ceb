#!/usr/bin/env python3
"""The full Celtic Cross report through a real CUPS queue: after a deal,
Print Full Report gives three one-page jobs, pages 1, 2 and 3 in that order,
each of its page window's physical size.

usage: print_celtic_cross.py VELTRANO_BINARY [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import SKIP, Desktop, PrintQueue, check, pdf_page_inches, pdf_pages, pdf_to_png, skip_unless_tools, step
from veltrano import open_main_menu, point, wait_for

# The page windows, in printing order, with their client areas in twips.
PAGES = [("CCPrintAll", 11085, 8775), ("CCPrintAll2", 11070, 8775), ("CCPrintAll3", 11130, 7875)]

binary = sys.argv[1]
keep = sys.argv[2] if len(sys.argv) > 2 else None
skip_unless_tools()
if not PrintQueue.available():
    print("SKIP: CUPS, cups-pdf or poppler-utils not installed")
    sys.exit(SKIP)

with PrintQueue() as queue, Desktop() as desktop:
    step("to the Celtic Cross Reading, deal, and open the report")
    program = desktop.launch([binary])
    menu = open_main_menu(desktop, program)
    desktop.click(*point(menu, 4800, 4200, 1695, 2535))
    spread = wait_for(desktop, program, "CelticCross")
    desktop.click(*point(spread, 5520, 6120, 2055, 615))
    desktop.click(*point(spread, 5520, 7320, 2055, 615))
    report = wait_for(desktop, program, "CCRapport")

    step("Print Full Report")
    desktop.click(*point(report, 1320, 5760, 6495, 495))
    pdfs = queue.wait_for_pdfs(3)

    step("three jobs, pages 1, 2, 3 in order, each one page of its window's size")
    check(len(pdfs) == 3, "three print jobs", [os.path.basename(p) for p in pdfs])
    for pdf, (name, width, height) in zip(pdfs, PAGES):
        title = os.path.basename(pdf).split("__")[0]
        check(title == name, "the job of %s" % name, title)
        check(pdf_pages(pdf) == 1, "one page in %s" % name, pdf_pages(pdf))
        inches = pdf_page_inches(pdf)
        wanted = (width / 1440.0, height / 1440.0)
        check(abs(inches[0] - wanted[0]) < 0.02 and abs(inches[1] - wanted[1]) < 0.02,
              "%s on %.2f x %.2f in" % ((name,) + wanted), "%.2f x %.2f in" % inches)
        desktop.keep(pdf_to_png(pdf, 96, os.path.join(desktop.tmp, name)), keep)
    print("PASS: the Celtic Cross report printed as three pages in order")
