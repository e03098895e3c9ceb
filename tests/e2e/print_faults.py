#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Printing when the print system fails: the real program, its One Card report
open, prints once (one page of the queue's paper, its texts as text, the
window as it shows); then the fault; Print Report tells the user once that
the report could not be printed, and why, or, for a paused queue, hands the
job over to wait there and says nothing; the program goes on, and once the
fault is mended the next Print Report prints.

The faults happen in a CUPS scheduler of the script's own (its own
configuration, spool and socket), which only the program under test talks
to, so that the machine's printers and other tests never see them. The
program is driven the way a screen reader drives it, through AT-SPI, and reads
the message the same way. Run it inside a private D-Bus session:

    dbus-run-session -- /usr/bin/python3 print_faults.py VELTRANO_BINARY FAULT

FAULT is one of: scheduler-stopped, scheduler-hung, queue-paused, queue-rejecting, backend-failing,
no-default-printer.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (AT_SPI_LAUNCHER, Desktop, Scheduler, check, check_printed_page, skip_unless_printing,
                     skip_unless_screen_reader, skip_unless_tools, step, wait_until)
from veltrano import SIZES

FAULTS = ("scheduler-stopped", "scheduler-hung", "queue-paused", "queue-rejecting", "backend-failing",
          "no-default-printer")
NO_PRINTER = "The report could not be printed: no printer is available."
NO_ANSWER = "The report could not be printed: the printer does not answer."
REFUSED = "The report could not be printed."
# The time limit on the print system, and what the program may take beyond it.
TIME_LIMIT = 20

if len(sys.argv) != 3 or sys.argv[2] not in FAULTS:
    print(__doc__)
    sys.exit(2)
binary, fault = sys.argv[1], sys.argv[2]

skip_unless_tools()
skip_unless_screen_reader()
from screen_reader import deal_one_card, find_window, label_texts, press, window
skip_unless_printing()


# The run ------------------------------------------------------------------

REPORT = "One Card Reading Report"


def take_message(wanted, timeout=15):
    """The message must come, say `wanted`, and go with OK."""
    message = window("Print", timeout=timeout)
    texts = label_texts(message)
    check(wanted in texts, "the message %r" % wanted, texts)
    press(message, "OK")
    wait_until(lambda: find_window("Print") is None, "the message to go")
    print("   told: %s" % wanted)


def expect_no_message(seconds):
    """No message comes within `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        message = find_window("Print")
        check(message is None, "no message", message and label_texts(message))
        time.sleep(0.2)


def still_going(program, report):
    check(program.poll() is None, "the program still running", "exit code %s" % program.poll())
    check(find_window(REPORT) is not None, "the report still on screen", "it is gone")


def print_and_expect_message(program, report, wanted):
    """Print Report; the message must come, say `wanted`, and go with OK."""
    press(report, "Print Report")
    take_message(wanted)
    still_going(program, report)


def print_and_expect_page(scheduler, report):
    """Print Report; one more job completes in our queue, and no message comes."""
    before = scheduler.jobs("completed")
    press(report, "Print Report")
    wait_until(lambda: len(scheduler.jobs("completed")) == len(before) + 1, "the page to be printed", timeout=30)
    check(find_window("Print") is None, "no message", "the message 'Print'")


def longest_silence(report, seconds):
    """The longest time, in seconds, the program took to answer a screen
    reader's question about the report during `seconds`: it answers from its
    GUI thread, so that is the longest the GUI thread was kept away."""
    longest = 0.0
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        asked = time.monotonic()
        label_texts(report)
        longest = max(longest, time.monotonic() - asked)
        time.sleep(0.05)
    return longest


with Scheduler() as scheduler, Desktop() as desktop:
    launcher = desktop.launch([AT_SPI_LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    home = os.path.join(desktop.tmp, "home")
    os.makedirs(home)
    # Our scheduler only, and no user's choice of default printer.
    program = desktop.launch([binary], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                                            "CUPS_SERVER": scheduler.socket, "HOME": home})

    step("to the One Card report")
    press(deal_one_card(), "Reading Report")
    report = window(REPORT)

    step("a first print goes through: the report on the queue's paper, as it shows")
    shot = desktop.settled_grab(desktop.wait_for_window(program.pid, SIZES["OCRapport"], "OCRapport"),
                                "OCRapport.png")
    texts = [text for text in label_texts(report) if text.strip()]
    print_and_expect_page(scheduler, report)
    name, document = scheduler.wait_for_documents(1)[-1]
    check(name == "OCRapport", "the job named after the window", name)
    check_printed_page(document, "A4", shot, texts, 0, desktop.tmp)

    if fault == "scheduler-stopped":
        step("the scheduler stopped: Print Report finds no printer")
        scheduler.stop()
        print_and_expect_message(program, report, NO_PRINTER)
        step("the scheduler back: Print Report prints")
        scheduler.start()
        print_and_expect_page(scheduler, report)

    elif fault == "scheduler-hung":
        step("the scheduler hung: the program goes on answering, refuses a second print meanwhile, "
             "and tells once after its time limit")
        scheduler.hang()
        asked = time.monotonic()
        press(report, "Print Report")
        press(report, "Print Report")
        longest = longest_silence(report, 5)
        print("   longest wait for an answer from the program: %.0f ms" % (longest * 1000))
        check(longest < 1.0, "the program answering within a second", "%.1f s" % longest)
        take_message(NO_ANSWER, timeout=TIME_LIMIT + 30)
        waited = time.monotonic() - asked
        check(TIME_LIMIT - 1 < waited < TIME_LIMIT + 30, "the message after about %d s" % TIME_LIMIT,
              "%.0f s" % waited)
        expect_no_message(3)
        still_going(program, report)
        step("the scheduler awake: what was given up does not print, and Print Report prints")
        scheduler.wake()
        wait_until(scheduler.running, "our scheduler to answer again")
        time.sleep(3)
        check(len(scheduler.jobs("completed")) == 1 and not scheduler.jobs("not-completed"),
              "only the first job in the queue", scheduler.documents())
        print_and_expect_page(scheduler, report)

    elif fault == "queue-paused":
        step("the queue paused: Print Report hands the job over to wait there, and says nothing")
        scheduler.cups(["cupsdisable", Scheduler.QUEUE])
        press(report, "Print Report")
        wait_until(lambda: scheduler.jobs("not-completed"), "the job held in the paused queue", timeout=30)
        expect_no_message(5)
        check(len(scheduler.jobs("not-completed")) == 1, "one job held", scheduler.jobs("not-completed"))
        step("the queue resumed: the held job prints")
        scheduler.cups(["cupsenable", Scheduler.QUEUE])
        wait_until(lambda: len(scheduler.jobs("completed")) == 2, "the held job to be printed", timeout=30)
        check(find_window("Print") is None, "no message", "the message 'Print'")

    elif fault == "queue-rejecting":
        step("the queue refusing jobs: Print Report says the report could not be printed")
        scheduler.cups(["cupsreject", Scheduler.QUEUE])
        print_and_expect_message(program, report, REFUSED)
        step("the queue accepting again: Print Report prints")
        scheduler.cups(["cupsaccept", Scheduler.QUEUE])
        print_and_expect_page(scheduler, report)

    elif fault == "backend-failing":
        step("the printer failing once it has the job: told once, and no job of ours left in the queue")
        missing = os.path.join(scheduler.root, "no-such-folder", "page")
        scheduler.cups(["lpadmin", "-p", Scheduler.QUEUE, "-v", "file://" + missing])
        press(report, "Print Report")
        take_message(REFUSED, timeout=30)
        expect_no_message(3)
        check(not scheduler.jobs("not-completed"), "no job of ours left waiting", scheduler.jobs("not-completed"))
        still_going(program, report)
        step("the printer mended: Print Report prints")
        scheduler.cups(["lpadmin", "-p", Scheduler.QUEUE, "-v", "file://" + scheduler.paper])
        scheduler.cups(["cupsenable", Scheduler.QUEUE])
        print_and_expect_page(scheduler, report)

    elif fault == "no-default-printer":
        step("no queue at all: Print Report finds no printer")
        scheduler.cups(["lpadmin", "-x", Scheduler.QUEUE])
        print_and_expect_message(program, report, NO_PRINTER)
        step("a queue, but none is the default: Print Report finds no printer")
        scheduler.add_queue(default=False)
        print_and_expect_message(program, report, NO_PRINTER)
        step("the queue made the default: Print Report prints")
        scheduler.cups(["lpadmin", "-d", Scheduler.QUEUE])
        print_and_expect_page(scheduler, report)

    step("the program goes on to its end")
    press(window("One Card Reading"), "Main Menu")
    menu = window("Main Menu")
    press(menu, "Exit")
    try:
        code = program.wait(timeout=15)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, "exit code 0", code)
    print("PASS: %s: told as it should be, no crash, and the program went on printing" % fault)
