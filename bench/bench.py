#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Veltrano's benchmarks: runs them, prints the figures and rewrites the table
in bench/README.md. Figures are printed, never judged: nothing here passes or
fails on a figure.

usage: bench.py BUILD_DIR [--runs N] [--no-readme]

- start: the floor (a bare Qt program with the same 79 pictures) and
  Veltrano's start, in turns, RUNS times each after one warm-up run each,
  offscreen and under Xvfb with openbox; wall time from just before the
  process is started to its window painted, and peak resident memory;
- in-process: the image list against bare decoding, a Celtic Cross deal to
  its window painted, one step of the report, the three print pages
  recorded for paper, and (with a private CUPS queue, as root) the three pages printed.
"""

import argparse
import datetime
import json
import os
import platform
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from desktop import Desktop, Scheduler, printing_unavailable  # noqa: E402

README = os.path.join(HERE, "README.md")
BEGIN, END = "<!-- figures: begin -->", "<!-- figures: end -->"
TIMEOUT = 60.0


def run_to_paint(binary, env):
    """Starts a benchmark binary and waits for it to end: milliseconds from
    just before the start to its window painted, and its peak memory in MB."""
    started = time.monotonic_ns()
    process = subprocess.Popen([binary], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    deadline = time.monotonic() + TIMEOUT
    while True:
        pid, status, usage = os.wait4(process.pid, os.WNOHANG)
        if pid:
            break
        if time.monotonic() > deadline:
            process.kill()
            process.wait()
            sys.exit("%s did not end within %.0f s" % (binary, TIMEOUT))
        time.sleep(0.002)
    process.returncode = os.waitstatus_to_exitcode(status)
    out, err = process.stdout.read().decode(), process.stderr.read().decode()
    process.stdout.close()
    process.stderr.close()
    words = out.split()
    if process.returncode != 0 or len(words) != 2 or words[0] != "painted":
        sys.exit("%s ended with %d: %s %s" % (binary, process.returncode, out.strip(), err.strip()))
    return (int(words[1]) - started) / 1e6, usage.ru_maxrss / 1024.0


def start_figures(build, env, runs):
    binaries = {"floor": os.path.join(build, "bench", "bench_floor"),
                "start": os.path.join(build, "bench", "bench_start")}
    for binary in binaries.values():  # warm-up: libraries and fonts into the page cache
        run_to_paint(binary, env)
    seen = {name: {"ms": [], "mb": []} for name in binaries}
    for i in range(runs):
        order = ["floor", "start"] if i % 2 == 0 else ["start", "floor"]
        for name in order:
            ms, mb = run_to_paint(binaries[name], env)
            seen[name]["ms"].append(ms)
            seen[name]["mb"].append(mb)
    figures = {}
    for measure in ("ms", "mb"):
        floor = statistics.median(seen["floor"][measure])
        start = statistics.median(seen["start"][measure])
        figures[measure] = {"floor": floor, "start": start, "ratio": start / floor}
    return figures


def inprocess(build, env, *arguments):
    binary = os.path.join(build, "bench", "bench_inprocess")
    result = subprocess.run([binary] + list(arguments), env=env, capture_output=True, text=True,
                            timeout=TIMEOUT)
    if result.returncode != 0:
        sys.exit("bench_inprocess %s ended with %d: %s" % (" ".join(arguments), result.returncode, result.stderr))
    return json.loads(result.stdout.strip().splitlines()[-1])


def image_list_figures(build, env, runs):
    seen = [inprocess(build, env, "images")["image_list"] for _ in range(runs)]
    return {key: statistics.median(run[key] for run in seen) for key in seen[0]}


def printing_figures(build, env):
    """The in-process figures with the three pages printed through a private
    CUPS scheduler; the time from the click until the scheduler had all three
    documents whole, and the bytes spooled for each page."""
    why = printing_unavailable()
    if why:
        figures = inprocess(build, env, "windows")
        figures["cups"] = {"skipped": why}
        return figures, None
    with Scheduler() as scheduler:
        figures = inprocess(build, dict(env, CUPS_SERVER=scheduler.socket), "windows", "--print")
        cups = figures.get("cups", {})
        if not cups.get("printed"):
            return figures, None
        started = int(cups["started_ns"])
        documents = scheduler.wait_for_documents(3, timeout=TIMEOUT)
        # The scheduler has each document whole once its file is written:
        # the newest file's time is when the last page reached the spooler.
        spooled = max(os.stat(path).st_mtime_ns for _, path in documents)
        cups["spooled_bytes"] = [os.path.getsize(path) for _, path in documents]
        return figures, (clock_ns_from_realtime(spooled) - started) / 1e6


def clock_ns_from_realtime(realtime_ns):
    """A file time (wall clock) on the monotonic clock the benchmarks use."""
    return realtime_ns - time.time_ns() + time.monotonic_ns()


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as meminfo:
        memory = int(meminfo.readline().split()[1]) / 1024 / 1024
    system = "Linux"
    if os.path.exists("/etc/os-release"):
        with open("/etc/os-release") as release:
            for line in release:
                if line.startswith("PRETTY_NAME="):
                    system = line.split("=", 1)[1].strip().strip('"')
    return "%s, %d cores (shared), %.0f GB, %s, kernel %s" % (
        model, os.cpu_count(), memory, system, platform.release())


def ms(value):
    return "%.1f ms" % value if value >= 1 else "%.2f ms" % value


def table(results, runs):
    off, xvfb = results["offscreen"], results["xcb"]

    def start_row(label, measure, unit, target):
        cells = []
        for figures in (off["start"], xvfb["start"]):
            f = figures[measure]
            cells.append("%.1f / %.1f %s, **%.2f x**" % (f["floor"], f["start"], unit, f["ratio"]))
        return "| %s | %s | %s | %s |" % (label, cells[0], cells[1], target)

    def first_median(label, key, target):
        cells = ["%s / %s" % (ms(f[key]["first_ms"]), ms(f[key]["median_ms"])) for f in (off["in"], xvfb["in"])]
        return "| %s | %s | %s | %s |" % (label, cells[0], cells[1], target)

    rows = [
        "| figure | offscreen | Xvfb + openbox | target |",
        "|---|---|---|---|",
        start_row("start to the start-up window painted: floor / Veltrano, ratio (median of %d)" % runs,
                  "ms", "ms", "ratio <= 1.25"),
        start_row("peak memory of that run: floor / Veltrano, ratio (median of %d)" % runs,
                  "mb", "MB", "ratio <= 1.25"),
    ]
    images = results["images"]
    rows.append("| the 79 pictures: bare decoding / through the image list, first request / asked again "
                "(median of %d processes) | %s / %s / %s | | list <= bare |" % (
                    runs, ms(images["bare_decode_ms"]), ms(images["image_list_first_ms"]),
                    ms(images["image_list_again_ms"])))
    rows.append(first_median("Celtic Cross deal to its whole window painted: first / median of next %d"
                             % (off["in"]["deal"]["runs"] - 1), "deal", "< 16 ms"))
    rows.append(first_median("report, one position forward, window painted: first / median of next %d"
                             % (off["in"]["report_step"]["runs"] - 1), "report_step", "< 16 ms"))
    for page_off, page_xvfb in zip(off["in"]["print_pages"], xvfb["in"]["print_pages"]):
        cells = ["%s / %s" % (ms(p["first_ms"]), ms(p["median_ms"])) for p in (page_off, page_xvfb)]
        rows.append("| `%s` recorded for paper (%s px): first / median of next %d | %s | %s | |" % (
            page_off["page"], page_off["pixels"], page_off["runs"] - 1, cells[0], cells[1]))
    cups, arrived = off["in"].get("cups"), off.get("pdfs_ms")
    if cups and cups.get("printed"):
        rows.append("| the three pages printed: the print call returned | %s | | |" % ms(cups["handed_over_ms"]))
        if arrived is not None:
            rows.append("| ... click to the three documents in the spooler | %s | | |" % ms(arrived))
        rows.append("| ... longest the GUI thread was blocked, from the click to the spooler | %s | | < 100 ms |"
                    % ms(cups["longest_block_ms"]))
        rows.append("| ... bytes spooled per page (pages 1, 2, 3) | %s | | |"
                    % " / ".join("%.0f KB" % (size / 1024) for size in cups.get("spooled_bytes", [])))
    else:
        rows.append("| three pages printed through a CUPS queue | not measured (%s) | | |"
                    % ((cups or {}).get("skipped") or "the pages were not printed"))
    return "\n".join(rows)


def rewrite_readme(block):
    with open(README) as readme:
        text = readme.read()
    before, rest = text.split(BEGIN, 1)
    _, after = rest.split(END, 1)
    with open(README, "w") as readme:
        readme.write(before + BEGIN + "\n" + block + "\n" + END + after)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--no-readme", action="store_true")
    parser.add_argument("--print-only", action="store_true",
                        help="only the printing figures, offscreen; the README is left alone")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    load = os.getloadavg()[0]

    if options.print_only:
        with tempfile.TemporaryDirectory(prefix="veltrano-bench-") as tmp:
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tmp)
            figures, arrived = printing_figures(build, env)
        print(json.dumps({"cups": figures.get("cups"), "click_to_spooler_ms": arrived}))
        return

    results = {}
    with tempfile.TemporaryDirectory(prefix="veltrano-bench-") as tmp:
        runtime = os.path.join(tmp, "runtime")
        os.makedirs(runtime, mode=0o700)
        offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=runtime)
        print("-- offscreen: start, %d runs each" % options.runs, flush=True)
        results["offscreen"] = {"start": start_figures(build, offscreen, options.runs)}
        print("-- offscreen: in-process", flush=True)
        results["images"] = image_list_figures(build, offscreen, options.runs)
        results["offscreen"]["in"], results["offscreen"]["pdfs_ms"] = printing_figures(build, offscreen)
        with Desktop() as desktop:
            print("-- Xvfb + openbox: start, %d runs each" % options.runs, flush=True)
            results["xcb"] = {"start": start_figures(build, desktop.env, options.runs)}
            print("-- Xvfb + openbox: in-process", flush=True)
            results["xcb"]["in"] = inprocess(build, desktop.env, "windows")

    when = datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
    block = "\n".join([
        "Measured %s on %s; Qt %s, RelWithDebInfo (the `default` preset); load average %.2f when the run began."
        % (when, machine(), results["offscreen"]["in"]["qt"], load),
        "",
        table(results, options.runs),
    ])
    print()
    print(block)
    if not options.no_readme:
        rewrite_readme(block)
        print("\n(written to bench/README.md)")


if __name__ == "__main__":
    main()
