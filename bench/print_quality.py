#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The print-quality picture: a word from the first page of the printed Celtic
Cross report as it goes to a real CUPS queue (the document the queue holds,
rendered by pdftoppm at 300 dpi), beside the same word in a screenshot of the
same page window on a 96 dpi screen, both scaled to the same size.

usage: print_quality.py BENCH_PAGE_WINDOW_BINARY OUTPUT_PNG

Needs Xvfb, openbox, ImageMagick, CUPS with cups-pdf and poppler-utils, and
root (it starts a private CUPS scheduler).
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from desktop import (Desktop, Scheduler, check, crop, fail, pdf_to_png, picture_size, printing_unavailable,  # noqa: E402
                     skip_unless_tools, step)

PAGE = (739, 585)  # CCPrintAll's client area, 11085 x 8775 twips
SCALE = 300 / 96
# The first words of the first card's description, in screen pixels of the
# page window: Text1(0) starts 120 twips in and 360 down, inside its frame.
WORD = (10, 26, 148, 18)
SHOWN_WIDTH = 620  # each half of the picture, in pixels
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"


def read_line(process):
    line = process.stdout.readline().strip()
    if not line:
        fail("the page window ended early: " + process.stderr.read().strip())
    return line


def scaled(path, width, out, filter_name):
    subprocess.run(["convert", path, "-filter", filter_name, "-resize", "%dx" % width, out], check=True)
    return out


def captioned(path, caption, out):
    subprocess.run(["convert", path, "-background", "white", "-fill", "black", "-font", FONT, "-pointsize", "18",
                    "label:" + caption, "-gravity", "west", "-append", "-bordercolor", "white", "-border", "12",
                    out], check=True)
    return out


def main():
    binary, output = sys.argv[1], os.path.abspath(sys.argv[2])
    skip_unless_tools(["pdfimages"])
    if printing_unavailable():
        fail(printing_unavailable())

    with Scheduler() as scheduler, Desktop() as desktop:
        step("the first report page on a 96 dpi screen")
        page = subprocess.Popen([binary], env=dict(desktop.env, CUPS_SERVER=scheduler.socket), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, text=True)
        desktop.processes.append(page)
        check(read_line(page) == "shown", "the page on screen", "something else")
        window = desktop.wait_for_window(page.pid, PAGE, "CCPrintAll")
        _, x, y, width, height = window
        screen = crop(desktop.screenshot("screen.png"), x, y, width, height,
                      os.path.join(desktop.tmp, "page-96dpi.png"))

        step("the same page printed through the CUPS queue, rendered at 300 dpi")
        page.stdin.write("print\n")
        page.stdin.flush()
        check(read_line(page) == "printed", "the page printed", "it was not")
        pdf = scheduler.wait_for_documents(1)[0][1]
        images = subprocess.run(["pdfimages", "-list", pdf], capture_output=True, text=True).stdout
        print(images.strip())
        paper = pdf_to_png(pdf, 300, os.path.join(desktop.tmp, "page-300dpi"))
        # The window sits at the top left of the paper, whose printable area is all of it.
        check(all(seen >= round(size * SCALE) for seen, size in zip(picture_size(paper), PAGE)),
              "a page that holds the window", "%d x %d" % picture_size(paper))

        step("the same word from both, side by side")
        left, top, w, h = WORD
        from_screen = crop(screen, left, top, w, h, os.path.join(desktop.tmp, "word-96.png"))
        from_paper = crop(paper, round(left * SCALE), round(top * SCALE), round(w * SCALE), round(h * SCALE),
                          os.path.join(desktop.tmp, "word-300.png"))
        halves = [
            captioned(scaled(from_paper, SHOWN_WIDTH, os.path.join(desktop.tmp, "a.png"), "Lanczos"),
                      "Printed: the page as pdftoppm renders it at 300 dpi",
                      os.path.join(desktop.tmp, "a-captioned.png")),
            captioned(scaled(from_screen, SHOWN_WIDTH, os.path.join(desktop.tmp, "b.png"), "Triangle"),
                      "A 96 dpi screenshot of the same window, scaled up",
                      os.path.join(desktop.tmp, "b-captioned.png")),
        ]
        subprocess.run(["convert"] + halves + ["+append", "-strip", output], check=True)
        print("written: %s (%d x %d)" % ((output,) + picture_size(output)))


if __name__ == "__main__":
    main()
