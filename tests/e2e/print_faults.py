#!/usr/bin/env python3
"""Printing when the print system fails: the real program, its One Card report
open, prints once; then the fault; Print Report tells the user that the report
could not be printed, and why; the program goes on, and once the fault is
mended the next Print Report prints.

The faults happen in a CUPS scheduler of the script's own (its own
configuration, spool and socket), which only the program under test talks
to, so that the machine's printers and other tests never see them. The
program is driven the way a screen reader drives it, through AT-SPI, and reads
the message the same way. Run it inside a private D-Bus session:

    dbus-run-session -- /usr/bin/python3 print_faults.py VELTRANO_BINARY FAULT

FAULT is one of: scheduler-stopped, queue-paused, queue-rejecting, no-default-printer.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import CUPS_PDF_PPD, SKIP, Desktop, check, fail, skip_unless_tools, step, wait_until

FAULTS = ("scheduler-stopped", "queue-paused", "queue-rejecting", "no-default-printer")
NO_PRINTER = "The report could not be printed: no printer is available."
PAUSED = "The report could not be printed: the printer is paused."
REFUSED = "The report could not be printed."

if len(sys.argv) != 3 or sys.argv[2] not in FAULTS:
    print(__doc__)
    sys.exit(2)
binary, fault = sys.argv[1], sys.argv[2]

skip_unless_tools()
try:
    import pyatspi  # noqa: F401 (screen_reader uses it)
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(SKIP)
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
if not os.path.exists(LAUNCHER) or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
    print("SKIP: needs at-spi2-core and a D-Bus session (run under dbus-run-session)")
    sys.exit(SKIP)
from screen_reader import deal_one_card, find_window, label_texts, press, window
CUPS_TOOLS = ["cupsd", "lpadmin", "lpstat", "cupsenable", "cupsdisable", "cupsaccept", "cupsreject"]
if not all(shutil.which(tool) for tool in CUPS_TOOLS) or not os.path.exists(CUPS_PDF_PPD):
    print("SKIP: CUPS or its PDF driver is not installed")
    sys.exit(SKIP)
if os.geteuid() != 0:
    print("SKIP: a scheduler of our own needs root")
    sys.exit(SKIP)
# Stopped from outside (a test timeout), still stop our scheduler and the program.
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))


class Scheduler:
    """A CUPS scheduler of our own with one queue, PDF, printing into a file."""

    QUEUE = "PDF"

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="veltrano-cups-")
        os.chmod(self.root, 0o755)
        self.socket = os.path.join(self.root, "cups.sock")
        self.env = dict(os.environ, CUPS_SERVER=self.socket)
        self.process = None
        folders = {name: os.path.join(self.root, name) for name in ("conf", "spool", "cache", "state", "tmp",
                                                                    "log", "paper")}
        for folder in folders.values():
            os.makedirs(folder)
        # The filters run as the scheduler's user, not as root.
        for name in ("tmp", "paper"):
            os.chmod(folders[name], 0o1777)
        shutil.chown(folders["spool"], group="lp")
        os.chmod(folders["spool"], 0o710)
        self.paper = os.path.join(folders["paper"], "page")
        self.conf = os.path.join(folders["conf"], "cupsd.conf")
        self.files = os.path.join(folders["conf"], "cups-files.conf")
        with open(self.conf, "w") as conf:
            conf.write("LogLevel warn\nListen %s\nBrowsing No\nWebInterface No\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n" % self.socket)
        with open(self.files, "w") as files:
            files.write("SystemGroup root\nFileDevice Yes\nServerRoot %s\nRequestRoot %s\nCacheDir %s\n"
                        "StateDir %s\nTempDir %s\nAccessLog %s\nErrorLog %s\nPageLog %s\n" % (
                            folders["conf"], folders["spool"], folders["cache"], folders["state"], folders["tmp"],
                            os.path.join(folders["log"], "access_log"), os.path.join(folders["log"], "error_log"),
                            os.path.join(folders["log"], "page_log")))

    def __enter__(self):
        self.start()
        self.add_queue(default=True)
        return self

    def __exit__(self, *exc):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    def start(self):
        self.process = subprocess.Popen(["cupsd", "-f", "-c", self.conf, "-s", self.files],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(self.running, "our CUPS scheduler")

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)
        self.process = None

    def running(self):
        return "is running" in self.cups(["lpstat", "-r"], check=False).stdout

    def cups(self, command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            fail("%s failed: %s" % (" ".join(command), result.stderr.strip()))
        return result

    def add_queue(self, default):
        self.cups(["lpadmin", "-p", self.QUEUE, "-E", "-v", "file://" + self.paper, "-P", CUPS_PDF_PPD])
        if default:
            self.cups(["lpadmin", "-d", self.QUEUE])

    def jobs(self, which):
        """The queue's jobs, 'completed' or 'not-completed', by id."""
        out = self.cups(["lpstat", "-W", which, "-o", self.QUEUE], check=False).stdout
        return [line.split()[0] for line in out.splitlines() if line.strip()]


# The run ------------------------------------------------------------------

REPORT = "One Card Reading Report"


def print_and_expect_message(program, report, wanted):
    """Print Report; the message must come, say `wanted`, and go with OK."""
    press(report, "Print Report")
    message = window("Print")
    texts = label_texts(message)
    check(wanted in texts, "the message %r" % wanted, texts)
    press(message, "OK")
    wait_until(lambda: find_window("Print") is None, "the message to go")
    check(program.poll() is None, "the program still running", "exit code %s" % program.poll())
    check(find_window(REPORT) is not None, "the report still on screen", "it is gone")
    print("   told: %s" % wanted)


def print_and_expect_page(scheduler, report):
    """Print Report; one more job completes in our queue, and no message comes."""
    before = scheduler.jobs("completed")
    press(report, "Print Report")
    wait_until(lambda: len(scheduler.jobs("completed")) == len(before) + 1, "the page to be printed", timeout=30)
    check(find_window("Print") is None, "no message", "the message 'Print'")


with Scheduler() as scheduler, Desktop() as desktop:
    launcher = desktop.launch([LAUNCHER, "--launch-immediately"])
    time.sleep(0.5)
    home = os.path.join(desktop.tmp, "home")
    os.makedirs(home)
    # Our scheduler only, and no user's choice of default printer.
    program = desktop.launch([binary], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                                            "CUPS_SERVER": scheduler.socket, "HOME": home})

    step("to the One Card report")
    press(deal_one_card(), "Reading Report")
    report = window(REPORT)

    step("a first print goes through")
    print_and_expect_page(scheduler, report)

    if fault == "scheduler-stopped":
        step("the scheduler stopped: Print Report finds no printer")
        scheduler.stop()
        print_and_expect_message(program, report, NO_PRINTER)
        step("the scheduler back: Print Report prints")
        scheduler.start()
        print_and_expect_page(scheduler, report)

    elif fault == "queue-paused":
        step("the queue paused: Print Report says so and sends nothing to be held")
        scheduler.cups(["cupsdisable", Scheduler.QUEUE])
        print_and_expect_message(program, report, PAUSED)
        check(not scheduler.jobs("not-completed"), "no job held in the paused queue", scheduler.jobs("not-completed"))
        step("the queue resumed: Print Report prints")
        scheduler.cups(["cupsenable", Scheduler.QUEUE])
        print_and_expect_page(scheduler, report)

    elif fault == "queue-rejecting":
        step("the queue refusing jobs: Print Report says the report could not be printed")
        scheduler.cups(["cupsreject", Scheduler.QUEUE])
        print_and_expect_message(program, report, REFUSED)
        step("the queue accepting again: Print Report prints")
        scheduler.cups(["cupsaccept", Scheduler.QUEUE])
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
    print("PASS: %s: the message, no crash, and the program went on printing" % fault)
