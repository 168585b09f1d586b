#!/usr/bin/python3
"""Start-up cost of the Windows launcher against a minimal Win32 window, both
under Wine on the X display in $DISPLAY, paired in one run.

Reuses the Linux benchmark's watcher (bench/startup/measure.py): the X
server says when each program's window is mapped (MapNotify) and first
drawn (DAMAGE). Every run starts the program with Wine's loader in a fresh
game folder, with one wineserver kept for all runs so that neither program
pays for starting it. Prints a Markdown table of medians and the ratios.
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "startup"))
from measure import SETTINGS_NAME, TIMEOUT_SECONDS, WindowWatcher  # noqa: E402


LOADER = "/usr/lib/wine/wine64"


def place(program, folder):
    placed = os.path.join(folder, os.path.basename(program))
    try:
        os.link(program, placed)
    except OSError:
        import shutil
        shutil.copy2(program, placed)
    return placed


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(TIMEOUT_SECONDS)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


class FramedWindowWatcher(WindowWatcher):
    """The Linux watcher where a window manager frames every window: the root
    sees the frame mapped, and the program's own window is its child, which
    goes on reporting its frames to the DAMAGE handle made at its birth."""

    def program_window(self, window_id):
        window = self.display.create_resource_object("window", window_id)
        if window.get_wm_name():
            return window_id
        for child in window.query_tree().children:
            if child.get_wm_name():
                return child.id
        return None


class Case:
    def __init__(self, name, program, title, settings=None):
        self.name, self.program, self.title, self.settings = name, program, title, settings
        self.map_ms, self.frame_ms = [], []

    def run(self, watcher, record=True):
        with tempfile.TemporaryDirectory(prefix="wv-winbench-") as folder:
            program = place(self.program, folder)
            if self.settings is not None:
                open(os.path.join(folder, "qr7.exe"), "w").close()
                with open(os.path.join(folder, SETTINGS_NAME), "wb") as f:
                    f.write(self.settings)
            watcher.drain()
            start = time.time()
            process = subprocess.Popen([LOADER, program], cwd=folder,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                window, map_time, frame_time = watcher.wait(process, TIMEOUT_SECONDS)
                shown = watcher.title(window)
                if shown != self.title:
                    raise RuntimeError("%s: the window shown is %r, not %r"
                                       % (self.name, shown, self.title))
            finally:
                stop(process)
        if record:
            self.map_ms.append((map_time - start) * 1000)
            self.frame_ms.append((frame_time - start) * 1000)


def template_settings(launcher):
    """The settings file the launcher writes into a new game folder."""
    with tempfile.TemporaryDirectory(prefix="wv-winbench-") as folder:
        program = place(launcher, folder)
        open(os.path.join(folder, "qr7.exe"), "w").close()
        process = subprocess.Popen([LOADER, program], cwd=folder,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        path = os.path.join(folder, SETTINGS_NAME)
        deadline = time.monotonic() + TIMEOUT_SECONDS
        try:
            while not os.path.exists(path) and time.monotonic() < deadline:
                time.sleep(0.05)
            # The template is written whole before the window is made.
            time.sleep(0.5)
        finally:
            stop(process)
        with open(path, "rb") as f:
            return f.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--baseline", help="another build of the launcher, timed alongside")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    minimal = Case("minimal Win32 window (one line of text)", args.minimal, "Minimal window")
    settings = template_settings(args.launcher)
    launcher = Case("launcher", args.launcher, "Wreckvale Launcher", settings)
    cases = (minimal, launcher)
    if args.baseline:
        cases += (Case("launcher, baseline build", args.baseline, "Wreckvale Launcher", settings),)
    watcher = FramedWindowWatcher()
    for case in cases:  # Wine's first look at each program; not counted
        case.run(watcher, record=False)
    for n in range(args.runs):
        # Paired, and the order swapped every run, so drift hits both alike.
        for case in cases if n % 2 == 0 else reversed(cases):
            case.run(watcher)
        print("run %d/%d done" % (n + 1, args.runs), file=sys.stderr)

    median = statistics.median
    print("| program under Wine | mapped (ms) | first frame (ms) | exe size (KiB) |")
    print("|---|---:|---:|---:|")
    for case in cases:
        print("| %s | %.1f | %.1f | %d |" % (case.name, median(case.map_ms),
                                            median(case.frame_ms),
                                            os.path.getsize(case.program) // 1024))
    print()
    print("| ratio to the minimal window | mapped | first frame |")
    print("|---|---:|---:|")
    for case in cases[1:]:
        print("| %s | %.2f | %.2f |" % (case.name, median(case.map_ms) / median(minimal.map_ms),
                                       median(case.frame_ms) / median(minimal.frame_ms)))
    print()
    print("Medians of %d paired runs, after one warm-up run of each." % args.runs)


if __name__ == "__main__":
    main()
