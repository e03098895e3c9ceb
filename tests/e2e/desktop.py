# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X desktop for end-to-end runs of the real program.

Xvfb with a white root window and openbox as the window manager, screenshots
with ImageMagick, clicks with xdotool. Every check reports what it expected
and what it saw.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE for these scripts

TOOLS = ["Xvfb", "openbox", "xdotool", "xwininfo", "import", "convert", "compare", "identify"]
SCREEN = (1280, 800)


def skip_unless_tools(extra=()):
    missing = [tool for tool in list(TOOLS) + list(extra) if shutil.which(tool) is None]
    if missing:
        print("SKIP: not installed: " + ", ".join(missing))
        sys.exit(SKIP)


AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip_unless_screen_reader():
    """The screen-reader checks need pyatspi, the AT-SPI bus and a D-Bus session."""
    try:
        import pyatspi  # noqa: F401 (screen_reader uses it)
    except ImportError:
        print("SKIP: python3-pyatspi is not installed")
        sys.exit(SKIP)
    if not os.path.exists(AT_SPI_LAUNCHER) or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        print("SKIP: needs at-spi2-core and a D-Bus session (run under dbus-run-session)")
        sys.exit(SKIP)


def fail(message):
    print("FAIL: " + message)
    raise SystemExit(1)


def check(condition, expected, seen):
    if not condition:
        fail("expected %s, saw %s" % (expected, seen))


def step(text):
    print("-- " + text, flush=True)


def run(command, env, check=True):
    """Runs a command to its end; with `check`, a failure fails the test."""
    result = subprocess.run(command, env=env, capture_output=True, text=True)
    if check and result.returncode != 0:
        fail("%s failed: %s" % (" ".join(command), result.stderr.strip()))
    return result


def wait_until(predicate, what, timeout=15.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    fail("timed out after %.0f s waiting for %s" % (timeout, what))


OPENBOX = ["openbox", "--sm-disable"]
# xfwm4 keeps its settings in xfconf, which it reaches over the session bus;
# it stays off the accessibility bus, which may belong to an earlier run.
XFWM4 = ["env", "NO_AT_BRIDGE=1", "xfwm4", "--compositor=off", "--sm-client-disable"]


class Desktop:
    def __init__(self, window_manager=OPENBOX):
        self.window_manager = window_manager
        self.processes = []
        self.tmp = tempfile.mkdtemp(prefix="veltrano-e2e-")
        self.env = dict(os.environ)

    def __enter__(self):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % SCREEN, "-wr", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.processes.append(xvfb)
        with os.fdopen(read_fd) as pipe:
            display = pipe.readline().strip()
        if not display:
            fail("Xvfb did not start")
        runtime = os.path.join(self.tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env.update({
            "DISPLAY": ":" + display,
            "QT_QPA_PLATFORM": "xcb",
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(self.tmp, "config"),
            "XDG_CACHE_HOME": os.path.join(self.tmp, "cache"),
            "HOME": self.env.get("HOME", self.tmp),
        })
        self.processes.append(subprocess.Popen(self.window_manager, env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_until(lambda: self.run(["xdotool", "get_num_desktops"], check=False).returncode == 0,
                   "the window manager", timeout=60)
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)
        return False

    def run(self, command, check=True):
        return run(command, self.env, check)

    def launch(self, command, env=None):
        process = subprocess.Popen(command, env=dict(self.env, **(env or {})),
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.processes.append(process)
        return process

    def windows(self, pid):
        """The visible top-level windows of a process: (id, x, y, width, height)."""
        found = self.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], check=False)
        result = []
        for window in found.stdout.split():
            # xwininfo gives the client area's place on the screen, inside any frame.
            info = self.run(["xwininfo", "-id", window], check=False).stdout
            values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
            try:
                result.append((window, int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                               int(values["Width"]), int(values["Height"])))
            except (KeyError, ValueError):
                continue
        return result

    def wait_for_window(self, pid, size, what):
        """The one visible window of the process with this client size, in pixels."""
        def find():
            matches = [w for w in self.windows(pid) if (w[3], w[4]) == size]
            return matches[0] if len(matches) == 1 else None
        return wait_until(find, "%s (%dx%d) on screen" % ((what,) + size))

    def wait_gone(self, pid, size, what):
        wait_until(lambda: not [w for w in self.windows(pid) if (w[3], w[4]) == size], "%s to go" % what)

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"])

    def screenshot(self, name):
        path = os.path.join(self.tmp, name)
        self.run(["import", "-window", "root", path])
        return path

    def settled_grab(self, window, name):
        """The window's client area as the screen shows it once its painting
        has settled: two grabs a moment apart alike."""
        _, x, y, width, height = window
        path = os.path.join(self.tmp, name)

        def settled():
            first = crop(self.screenshot("settle.png"), x, y, width, height, path + "-first.png")
            time.sleep(0.3)
            crop(self.screenshot("settle.png"), x, y, width, height, path)
            return compare_images(first, path) < 0.001
        wait_until(settled, "%s to settle on screen" % name, timeout=30, interval=0.1)
        return path

    def keep(self, path, folder):
        """Copies a screenshot where a person can look at it."""
        if folder:
            os.makedirs(folder, exist_ok=True)
            shutil.copy(path, os.path.join(folder, os.path.basename(path)))


def trimmed_box(path):
    """The bounding box of everything that is not the white root: x, y, w, h."""
    info = subprocess.run(["convert", path, "-format", "%@", "info:"],
                          capture_output=True, text=True, check=True).stdout.strip()
    size, x, y = info.replace("+", " ").split()
    width, height = size.split("x")
    return int(x), int(y), int(width), int(height)


def crop(path, x, y, width, height, out):
    subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage", out],
                   check=True)
    return out


def picture_size(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
    width, height = out.stdout.split()
    return int(width), int(height)


def crop_difference(path, x, y, width, height, reference):
    """Root-mean-square difference, 0 to 1, between a picture and what a box
    of the given place and size shows of it (its top-left part)."""
    reference_width, reference_height = picture_size(reference)
    width, height = min(width, reference_width), min(height, reference_height)
    base = os.path.splitext(path)[0]
    seen = crop(path, x, y, width, height, base + "-seen.png")
    wanted = crop(reference, 0, 0, width, height, base + "-wanted.png")
    compare = subprocess.run(["compare", "-metric", "RMSE", seen, wanted, "null:"], capture_output=True)
    text = compare.stderr.decode().strip()  # "1234.5 (0.0188)"
    return float(text.split("(")[1].rstrip(")"))


def compare_images(first, second):
    """Root-mean-square difference, 0 to 1, of two pictures scaled to the
    second's size and slightly blurred, so that text drawn at paper resolution
    and the same text on screen count as alike (unrelated pictures score
    far above 0.1)."""
    width, height = picture_size(second)
    base = os.path.splitext(first)[0]
    subprocess.run(["convert", first, "-resize", "%dx%d!" % (width, height), "-blur", "0x2", base + "-a.png"],
                   check=True)
    subprocess.run(["convert", second, "-blur", "0x2", base + "-b.png"], check=True)
    compare = subprocess.run(["compare", "-metric", "RMSE", base + "-a.png", base + "-b.png", "null:"],
                             capture_output=True)
    return float(compare.stderr.decode().strip().split("(")[1].rstrip(")"))


def mean_colour(path, x, y, width, height):
    """The mean colour of a region as 0-255 (r, g, b)."""
    out = subprocess.run(
        ["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage", "-resize", "1x1!",
         "-format", "%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]", "info:"],
        capture_output=True, text=True, check=True).stdout.split()
    return tuple(int(v) for v in out)


def twips(value):
    return round(value / 15)


PRINT_TOOLS = ["cupsd", "lpadmin", "lpstat", "cupsenable", "cupsdisable", "cupsaccept", "cupsreject", "cancel",
               "pdfinfo", "pdftoppm", "pdftotext", "pdfimages"]
CUPS_PDF_PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"


def printing_unavailable():
    """Why a scheduler of our own cannot be started, or None when it can."""
    missing = [tool for tool in PRINT_TOOLS if shutil.which(tool) is None]
    if missing or not os.path.exists(CUPS_PDF_PPD):
        return "CUPS, cups-pdf or poppler-utils not installed: " + ", ".join(missing or [CUPS_PDF_PPD])
    if os.geteuid() != 0:
        return "a CUPS scheduler of our own needs root"
    return None


def skip_unless_printing():
    why = printing_unavailable()
    if why:
        print("SKIP: " + why)
        sys.exit(SKIP)
    # Stopped from outside (a test timeout): still stop our scheduler and the program.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))


class Scheduler:
    """A CUPS scheduler of our own, with one queue, PDF, the default printer,
    printing into a file. Its configuration, spool, logs and socket live in a
    temporary folder, removed at the end; only a program started with `env`
    (CUPS_SERVER pointing at the socket) talks to it, so the machine's own
    printers, default printer, ~/.cups and ~/PDF are never touched.

    The scheduler keeps each job's document in its spool: that is the PDF the
    program handed over, read back with `documents`."""

    QUEUE = "PDF"

    def __init__(self, paper="A4"):
        self.paper_size = paper
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
        self.spool = folders["spool"]
        self.paper = os.path.join(folders["paper"], "page")
        self.conf = os.path.join(folders["conf"], "cupsd.conf")
        self.files = os.path.join(folders["conf"], "cups-files.conf")
        with open(self.conf, "w") as conf:
            conf.write("LogLevel warn\nListen %s\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\nDirtyCleanInterval 0\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n"
                       % self.socket)
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
            self.process.send_signal(signal.SIGCONT)  # a hung one, too
            self.process.terminate()
            self.process.wait(timeout=10)
        self.process = None

    def hang(self):
        """The scheduler stops answering, its socket still open."""
        self.process.send_signal(signal.SIGSTOP)

    def wake(self):
        self.process.send_signal(signal.SIGCONT)

    def running(self):
        return "is running" in self.cups(["lpstat", "-r"], check=False).stdout

    def cups(self, command, check=True):
        return run(command, self.env, check)

    def add_queue(self, default, device=None):
        self.cups(["lpadmin", "-p", self.QUEUE, "-E", "-v", device or "file://" + self.paper, "-P", CUPS_PDF_PPD])
        self.set_paper(self.paper_size)
        if default:
            self.cups(["lpadmin", "-d", self.QUEUE])

    def set_paper(self, paper):
        """The queue's default paper: "A4" or "Letter", both in its PPD and as
        the default its clients are told (media-default)."""
        self.paper_size = paper
        self.cups(["lpadmin", "-p", self.QUEUE, "-o", "PageSize=" + paper, "-o", "media-default=" + paper.lower()])

    def jobs(self, which):
        """The queue's jobs, 'completed' or 'not-completed', by id."""
        out = self.cups(["lpstat", "-W", which, "-o", self.QUEUE], check=False).stdout
        return [line.split()[0] for line in out.splitlines() if line.strip()]

    def documents(self):
        """(job name, spooled document) of every job so far, oldest first."""
        found = []
        for name in sorted(os.listdir(self.spool)):
            if name.startswith("c") and name[1:].isdigit():
                document = os.path.join(self.spool, "d%s-001" % name[1:])
                if os.path.exists(document):
                    found.append((job_name(os.path.join(self.spool, name)), document))
        return found

    def wait_for_documents(self, count, timeout=60):
        """The first `count` documents, once each is whole."""
        def arrived():
            found = self.documents()
            if len(found) >= count and all(pdf_pages(path) > 0 for _, path in found[:count]):
                return found[:count]
            return None
        return wait_until(arrived, "%d print job(s) in our queue" % count, timeout=timeout, interval=0.1)


def job_name(control_file):
    """The job-name attribute of a job's control file (IPP encoding: the
    name's length, the name, the value's length, the value)."""
    with open(control_file, "rb") as control:
        data = control.read()
    at = data.find(b"\x00\x08job-name")
    if at < 0:
        return ""
    at += 2 + len(b"job-name")
    length = int.from_bytes(data[at:at + 2], "big")
    return data[at + 2:at + 2 + length].decode("utf-8", "replace")


def pdf_info(path):
    out = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    return dict(line.split(":", 1) for line in out.splitlines() if ":" in line)


def pdf_pages(path):
    value = pdf_info(path).get("Pages", "0").strip()
    return int(value) if value.isdigit() else 0


def pdf_page_inches(path):
    """Width and height of the first page, in inches."""
    size = pdf_info(path)["Page size"].split()  # "264 x 283 pts"
    return float(size[0]) / 72.0, float(size[2]) / 72.0


def pdf_to_png(path, dpi, out_base):
    subprocess.run(["pdftoppm", "-r", str(dpi), "-png", "-singlefile", path, out_base], check=True)
    return out_base + ".png"


PAPER_POINTS = {"A4": (595, 842), "Letter": (612, 792)}


def pdf_text(path):
    """The page's text as pdftotext reads it, every run of spaces one space."""
    out = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
    return " ".join(out.split())


def pdf_images(path):
    """The pictures of a PDF: (width, height, x-ppi, y-ppi) in pixels."""
    out = subprocess.run(["pdfimages", "-list", path], capture_output=True, text=True, check=True).stdout
    rows = [line.split() for line in out.splitlines()[2:] if line.strip()]
    return [(int(row[3]), int(row[4]), int(row[12]), int(row[13])) for row in rows]


def check_printed_page(document, paper, window_png, texts, pictures, tmp, keep=None):
    """A document handed to the printer as it should be: one page of the
    queue's default paper; every text in `texts` there as text; at least
    `pictures` card pictures, each at the finest resolution (192 ppi, the
    twin drawn at twice the size), and no picture as big as the page; and, rendered at
    96 dpi, the window's own picture at the top left."""
    name = os.path.splitext(os.path.basename(window_png))[0]
    check(pdf_pages(document) == 1, "one page in %s" % name, pdf_pages(document))
    size = pdf_info(document)["Page size"].split()
    seen = (round(float(size[0])), round(float(size[2])))
    check(seen == PAPER_POINTS[paper], "%s on %s paper %s" % (name, paper, PAPER_POINTS[paper]), seen)

    words = pdf_text(document)
    missing = [text for text in texts if " ".join(text.split()) not in words]
    check(not missing, "the texts of %s on paper" % name, "missing %r in %r" % (missing, words[:400]))

    # Besides the cards, the style may draw a control's face as a small
    # picture of its own (a button); nothing may be the page as a picture.
    images = pdf_images(document)
    finest = [image for image in images if image[2] >= 190 and image[3] >= 190]
    check(len(finest) == pictures, "%d card pictures at 192 ppi in %s" % (pictures, name), images)
    page_inches = (PAPER_POINTS[paper][0] / 72.0, PAPER_POINTS[paper][1] / 72.0)
    for width, height, x_ppi, y_ppi in images:
        check((width / x_ppi) * (height / y_ppi) < page_inches[0] * page_inches[1] / 4,
              "no page-sized picture in %s" % name, images)

    page = pdf_to_png(document, 96, os.path.join(tmp, name + "-printed"))
    width, height = picture_size(window_png)
    printed = crop(page, 0, 0, width, height, os.path.join(tmp, name + "-printed-window.png"))
    if keep:
        os.makedirs(keep, exist_ok=True)
        shutil.copy(printed, keep)
    difference = compare_images(printed, window_png)
    check(difference < 0.05, "%s printed as the window shows it (difference < 0.05)" % name, difference)
    return page
