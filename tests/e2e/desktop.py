"""A private X desktop for end-to-end runs of the real program.

Xvfb with a white root window and openbox as the window manager, screenshots
with ImageMagick, clicks with xdotool. Every check reports what it expected
and what it saw.
"""

import os
import shutil
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
        result = subprocess.run(command, env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            fail("%s failed: %s" % (" ".join(command), result.stderr.strip()))
        return result

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


PRINT_TOOLS = ["cupsd", "lpadmin", "lpstat", "pdfinfo", "pdftoppm"]
CUPS_PDF_PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"


class PrintQueue:
    """A CUPS scheduler with a cups-pdf queue as the default printer.

    Uses the scheduler that runs already, or starts one and stops it again.
    Pages arrive as one PDF per job in $HOME/PDF.
    """

    def __init__(self):
        self.cupsd = None
        self.folder = os.path.join(os.path.expanduser("~"), "PDF")
        self.before = set()

    @staticmethod
    def available():
        return all(shutil.which(tool) for tool in PRINT_TOOLS) and os.path.exists(CUPS_PDF_PPD)

    def __enter__(self):
        if not self.running():
            os.makedirs("/run/cups", exist_ok=True)
            self.cupsd = subprocess.Popen(["cupsd", "-f"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            wait_until(self.running, "the CUPS scheduler")
        subprocess.run(["lpadmin", "-p", "PDF", "-E", "-v", "cups-pdf:/", "-P", CUPS_PDF_PPD],
                       check=True, capture_output=True)
        subprocess.run(["lpadmin", "-d", "PDF"], check=True, capture_output=True)
        subprocess.run(["lpoptions", "-d", "PDF"], check=True, capture_output=True)
        os.makedirs(self.folder, exist_ok=True)
        self.before = set(os.listdir(self.folder))
        return self

    def __exit__(self, *exc):
        if self.cupsd is not None:
            self.cupsd.terminate()
            self.cupsd.wait(timeout=10)
        return False

    @staticmethod
    def running():
        result = subprocess.run(["lpstat", "-r"], capture_output=True, text=True)
        return "is running" in result.stdout

    def new_pdfs(self):
        """PDFs that arrived since the queue was set up, oldest job first."""
        def job(name):
            digits = name.rsplit("_", 1)[-1].split(".")[0]
            return int(digits) if digits.isdigit() else 0
        names = [n for n in os.listdir(self.folder) if n.endswith(".pdf") and n not in self.before]
        return [os.path.join(self.folder, n) for n in sorted(names, key=job)]

    def wait_for_pdfs(self, count, timeout=60):
        def arrived():
            pdfs = self.new_pdfs()
            # cups-pdf writes the file, then closes it; a size that holds still is done.
            if len(pdfs) >= count and all(pdf_pages(p) > 0 for p in pdfs):
                return pdfs
            return None
        return wait_until(arrived, "%d printed page(s) from the PDF queue" % count, timeout=timeout, interval=0.2)


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
