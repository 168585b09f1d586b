#!/usr/bin/python3
"""Click on the monitoring tab until its page is painted: the launcher against
a minimal Qt program that makes a web view on its first click, on the X
display in $DISPLAY.

Every run starts the program afresh in a folder of its own, so that each first
click is the process's first. The pointer and the clicks are sent through the
X server (XTEST). The page comes from a server on loopback and has a colour of
its own; it counts as painted when the X server holds that colour at the
middle of the page area. In each run:

- the time from the click until the server receives the page request, until
  the window first changes (its first DAMAGE report), until the monitoring tab
  shows selected (the launcher only) and until the page is painted;
- PSS of the program and all its child processes, summed from
  /proc/<pid>/smaps_rollup: before the click, after the page is painted and
  after leaving the tab.

The runs come in pairs, launcher and minimal program one after the other (with
another launcher build given, in threes), each going first in turn; each pair
is made once with the pointer clicking as soon as it arrives over the tab and
once after it rested there for REST_SECONDS. Prints Markdown tables of medians
and of the medians of the paired ratios.
"""

import argparse
import http.server
import importlib.util
import os
import select
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from Xlib import X, display
from Xlib.ext import damage, xtest

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location(
    "startup_measure", os.path.join(HERE, "..", "startup", "measure.py"))
startup = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(startup)

LAUNCHER_TITLE = "Wreckvale Launcher"
MINIMAL_TITLE = "Minimal Web Window"
PAGE_COLOUR = (224, 33, 138)  # found nowhere else in either window
PAGE_HTML = (b"<!DOCTYPE html><html><body style=\"margin:0;background:#e0218a\">"
             b"</body></html>")
# In window coordinates: the middle of the page area, and the tab row a few
# pixels below its top, where the tabs that are not selected stand grey and
# the selected one silver, above their captions.
PAGE_POINT = (170, 127)
TAB_ROW_Y = 27 + 11
TAB_FILL_Y = 27 + 5
GREY, SILVER = (128, 128, 128), (192, 192, 192)
REST_SECONDS = 0.3
START_SETTLE_SECONDS = 1.5
SETTLE_SECONDS = 1.5
TIMEOUT_SECONDS = 30.0
POLL_SECONDS = 0.001


class PageServer:
    """Serves the page on loopback and notes when the first request arrives."""

    def __init__(self):
        owner = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                if owner.requested is None:
                    owner.requested = time.monotonic()
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Cache-Control", "no-store")
                self.send_header("Content-Length", str(len(PAGE_HTML)))
                self.end_headers()
                self.wfile.write(PAGE_HTML)

            def log_message(self, *args):
                pass

        self.requested = None
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = "http://127.0.0.1:%d/page" % self.server.server_address[1]


def pss_kib(pid):
    total = 0
    for process in [pid] + startup.descendants(pid):
        try:
            with open("/proc/%d/smaps_rollup" % process) as f:
                for line in f:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


class Screen:
    """The X side: the program's windows, their damage, pixels and the pointer."""

    def __init__(self):
        self.display = display.Display()
        self.display.set_error_handler(lambda *args: None)  # windows may vanish
        if not self.display.has_extension("DAMAGE") or not self.display.has_extension("XTEST"):
            sys.exit("the X server lacks DAMAGE or XTEST")
        self.display.damage_query_version()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.damage_event = self.display.extension_event.DamageNotify
        self.damages = {}
        self.display.sync()

    def forget_windows(self):
        for handle in self.damages.values():
            self.display.damage_destroy(handle)
        self.damages = {}
        self.display.sync()
        self.events()

    def clear_damage(self):
        """Forgets what was drawn so far: every window reports its next drawing."""
        for handle in self.damages.values():
            self.display.damage_subtract(handle, 0, 0)
        self.display.sync()
        self.events()

    def events(self):
        """Handles what is pending; returns whether any window was damaged."""
        damaged = False
        while self.display.pending_events():
            event = self.display.next_event()
            if event.type == X.CreateNotify:
                # Watched from birth: the engine may give the window new children.
                window = self.display.create_resource_object("window", event.window.id)
                self.damages[event.window.id] = window.damage_create(damage.DamageReportNonEmpty)
            elif event.type == self.damage_event:
                damaged = True
                self.display.damage_subtract(event.damage, 0, 0)
        return damaged

    def wait_window(self, process, title):
        """The top-left corner of the program's window once it has drawn itself."""
        deadline = time.monotonic() + TIMEOUT_SECONDS
        mapped = None
        while time.monotonic() < deadline and process.poll() is None:
            select.select([self.display.fileno()], [], [], 0.05)
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.CreateNotify:
                    window = self.display.create_resource_object("window", event.window.id)
                    self.damages[event.window.id] = window.damage_create(
                        damage.DamageReportNonEmpty)
                elif event.type == X.MapNotify and mapped is None:
                    mapped = event.window
                elif event.type == self.damage_event and mapped is not None and \
                        event.drawable.id == mapped.id:
                    name = mapped.get_wm_name()
                    if isinstance(name, bytes):
                        name = name.decode("latin-1")
                    if name != title:
                        raise RuntimeError("the window shown is %r, not %r" % (name, title))
                    origin = mapped.translate_coords(self.root, 0, 0)
                    return -origin.x, -origin.y
        raise RuntimeError("no %s window within %d s" % (title, TIMEOUT_SECONDS))

    def pixels(self, x, y, width):
        """A row of pixels as (r, g, b), read from the X server."""
        image = self.root.get_image(x, y, width, 1, X.ZPixmap, 0xffffffff)
        data = image.data
        return [(data[i + 2], data[i + 1], data[i]) for i in range(0, 4 * width, 4)]

    def point(self, x, y):
        xtest.fake_input(self.display, X.MotionNotify, x=x, y=y)
        self.display.sync()

    def click(self):
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()


def find_tabs(screen, origin):
    """Window x of the middle of the first tab and of the monitoring tab: the
    launcher's tabs that are not selected are the grey runs along the row, and
    the monitoring tab is the second of them (after the join tab)."""
    left = 2  # the page control's edge, inside the window's grey border
    row = screen.pixels(origin[0] + left, origin[1] + TAB_FILL_Y, 336)
    runs, start = [], None
    for x, colour in enumerate(row + [None], start=left):
        if colour == GREY and start is None:
            start = x
        elif colour != GREY and start is not None:
            runs.append((start, x))
            start = None
    if len(runs) != 3:
        raise RuntimeError("expected three grey tabs along the tab row, found %d" % len(runs))
    return 10, (runs[1][0] + runs[1][1]) // 2


class Program:
    def __init__(self, name, title, command, settings=None):
        self.name, self.title, self.command, self.settings = name, title, command, settings
        self.results = {False: [], True: []}  # by pointer rest

    def start(self, folder):
        program = self.command[0]
        if self.settings is not None:
            program = startup.game_folder(program, folder)
            with open(os.path.join(folder, startup.SETTINGS_NAME), "wb") as f:
                f.write(self.settings)
        environment = dict(os.environ)
        if os.geteuid() == 0:
            environment["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # no sandbox for root
        return subprocess.Popen([program] + self.command[1:], cwd=folder, env=environment,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def run_once(screen, server, program, tabs, rest):
    """One fresh process: returns the run's figures, and the tab positions
    found (the launcher's) or given (the minimal program clicks where the
    launcher's tabs are)."""
    with tempfile.TemporaryDirectory(prefix="wv-bench-") as folder:
        screen.forget_windows()
        screen.point(5, 5)
        process = program.start(folder)
        try:
            origin = screen.wait_window(process, program.title)
            time.sleep(START_SETTLE_SECONDS)
            if tabs is None:
                tabs = find_tabs(screen, origin)
            first_tab, monitoring_tab = (origin[0] + tabs[0], origin[0] + tabs[1])
            row_y = origin[1] + TAB_ROW_Y
            before = pss_kib(process.pid)

            screen.point(monitoring_tab, row_y)
            if rest:
                time.sleep(REST_SECONDS)
            screen.clear_damage()
            server.requested = None
            changed = selected = painted = None
            clicked = time.monotonic()
            screen.click()
            deadline = clicked + TIMEOUT_SECONDS
            while painted is None and time.monotonic() < deadline:
                select.select([screen.display.fileno()], [], [], POLL_SECONDS)
                now = time.monotonic()
                if screen.events() and changed is None:
                    changed = now
                if selected is None and program.title == LAUNCHER_TITLE and \
                        screen.pixels(monitoring_tab, origin[1] + TAB_FILL_Y, 1)[0] == SILVER:
                    selected = time.monotonic()
                if screen.pixels(origin[0] + PAGE_POINT[0], origin[1] + PAGE_POINT[1],
                                 1)[0] == PAGE_COLOUR:
                    painted = time.monotonic()
            if painted is None:
                raise RuntimeError("%s: the page was not painted" % program.name)
            time.sleep(SETTLE_SECONDS)
            after_paint = pss_kib(process.pid)
            screen.point(first_tab, row_y)
            screen.click()
            time.sleep(SETTLE_SECONDS)
            after_leaving = pss_kib(process.pid)
        finally:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def since(moment):
        return None if moment is None else (moment - clicked) * 1000
    return tabs, {
        "request": since(server.requested), "changed": since(changed),
        "selected": since(selected), "painted": since(painted),
        "pss_before": before / 1024, "pss_painted": after_paint / 1024,
        "pss_left": after_leaving / 1024,
    }


def quartiles(values):
    values = sorted(values)
    if len(values) < 2:
        return values[0], values[0], values[0]
    q = statistics.quantiles(values, n=4, method="inclusive")
    return q[0], q[1], q[2]


def describe(values, digits):
    low, median, high = quartiles(values)
    form = "%%.%df" % digits
    return (form + " (" + form + "–" + form + ")") % (median, low, high)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--baseline", help="another launcher build, run in every pair too")
    parser.add_argument("--baseline-name", default="baseline")
    parser.add_argument("--pairs", type=int, default=20)
    args = parser.parse_args()

    server = PageServer()
    settings = startup.with_monitoring(startup.template_settings(args.launcher), server.url)
    launcher = Program("launcher", LAUNCHER_TITLE, [args.launcher], settings)
    minimal = Program("minimal program", MINIMAL_TITLE, [args.minimal, server.url])
    programs = [launcher, minimal]
    if args.baseline:
        programs.insert(1, Program("launcher at " + args.baseline_name, LAUNCHER_TITLE,
                                   [args.baseline], settings))
    screen = Screen()

    # Warm the file cache and find the tabs; not counted.
    tabs, _ = run_once(screen, server, launcher, None, False)
    for program in programs[1:]:
        run_once(screen, server, program, tabs, False)
    runs = 0
    for n in range(args.pairs):
        for rest in (False, True):
            # Each program goes first as often as the others.
            shift = runs % len(programs)
            runs += 1
            for program in programs[shift:] + programs[:shift]:
                _, figures = run_once(screen, server, program, tabs, rest)
                program.results[rest].append(figures)
        print("pair %d/%d done" % (n + 1, args.pairs), file=sys.stderr)

    names = {False: "click at once", True: "after a %d ms rest" % (REST_SECONDS * 1000)}
    print("Milliseconds from the click, medians (quartiles in brackets):")
    print()
    print("| program, pointer | page requested | window first changes |"
          " tab shows selected | page painted |")
    print("|---|---:|---:|---:|---:|")
    for program in programs:
        for rest in (False, True):
            cells = []
            for key in ("request", "changed", "selected", "painted"):
                values = [r[key] for r in program.results[rest] if r[key] is not None]
                cells.append(describe(values, 1) if values else "–")
            print("| %s, %s | %s |" % (program.name, names[rest], " | ".join(cells)))
    print()
    print("Over the minimal program, medians of the paired ratios (quartiles):")
    print()
    print("| program, pointer | page requested | page painted |")
    print("|---|---:|---:|")
    for program in programs[:-1]:
        for rest in (False, True):
            cells = []
            for key in ("request", "painted"):
                ratios = [a[key] / b[key] for a, b in
                          zip(program.results[rest], minimal.results[rest])]
                cells.append(describe(ratios, 2))
            print("| %s, %s | %s |" % (program.name, names[rest], " | ".join(cells)))
    print()
    print("PSS of the program and its child processes, MiB, medians over all runs"
          " (quartiles):")
    print()
    print("| program | before the click | page painted | tab left |")
    print("|---|---:|---:|---:|")
    for program in programs:
        runs = program.results[False] + program.results[True]
        print("| %s | %s |" % (program.name, " | ".join(
            describe([r[key] for r in runs], 1)
            for key in ("pss_before", "pss_painted", "pss_left"))))
    print()
    print("%d pairs of each kind, after one warm-up run of each program." % args.pairs)


if __name__ == "__main__":
    main()
