#!/usr/bin/env python3
"""Printing through a real CUPS queue: the program deals a Three Card reading,
opens its report and prints it; one PDF arrives, of one page the report
window's physical size, and it shows what the window shows.

usage: print_three_cards.py VELTRANO_BINARY [SCREENSHOT_FOLDER]
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (SKIP, Desktop, PrintQueue, check, compare_images, crop, pdf_page_inches, pdf_pages,
                     pdf_to_png, skip_unless_tools, step)
from veltrano import SIZES, open_main_menu, point, wait_for

binary = sys.argv[1]
keep = sys.argv[2] if len(sys.argv) > 2 else None
skip_unless_tools()
if not PrintQueue.available():
    print("SKIP: CUPS, cups-pdf or poppler-utils not installed")
    sys.exit(SKIP)

with PrintQueue() as queue, Desktop() as desktop:
    step("to the Three Card Reading, deal, and open the report")
    program = desktop.launch([binary])
    menu = open_main_menu(desktop, program)
    desktop.click(*point(menu, 3000, 4200, 1695, 2535))
    spread = wait_for(desktop, program, "ThreeCards")
    desktop.click(*point(spread, 2040, 600, 2055, 615))
    desktop.click(*point(spread, 2040, 1800, 2055, 615))
    report = wait_for(desktop, program, "TCRapport")

    step("Print Report")
    _, x, y, width, height = report
    shot = desktop.screenshot("report.png")
    window = crop(shot, x, y, width, height, os.path.join(desktop.tmp, "report-window.png"))
    desktop.click(*point(report, 1920, 5640, 6135, 375))
    pdfs = queue.wait_for_pdfs(1)

    step("one page of the window's physical size, showing the window")
    check(len(pdfs) == 1, "one print job", pdfs)
    check(pdf_pages(pdfs[0]) == 1, "one page", pdf_pages(pdfs[0]))
    inches = pdf_page_inches(pdfs[0])
    wanted = (SIZES["TCRapport"][0] / 96.0, SIZES["TCRapport"][1] / 96.0)
    check(abs(inches[0] - wanted[0]) < 0.02 and abs(inches[1] - wanted[1]) < 0.02,
          "a page of %.2f x %.2f in" % wanted, "%.2f x %.2f in" % inches)
    page = pdf_to_png(pdfs[0], 96, os.path.join(desktop.tmp, "printed"))
    desktop.keep(window, keep)
    desktop.keep(page, keep)
    difference = compare_images(page, window)
    check(difference < 0.05, "the printed page to look like the window (difference < 0.05)", difference)
    print("PASS: the Three Card report printed as one page of its window's size")
