#!/usr/bin/python3
"""Start-up cost of the launcher against a plain Qt window, on the X display
in $DISPLAY.

For each run the program starts under `/usr/bin/time -v` in a fresh folder.
The X server itself says when its window appears: MapNotify when it becomes
viewable, and the first DAMAGE report on it when its first frame has been
drawn. Peak memory is the maximum resident set size reported by time. Prints
a Markdown table of medians and ratios.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, error
from Xlib.ext import damage

SETTINGS_NAME = "wreckvale_launcher.ini"
WEB_ENGINE_LIBRARY = "libQt6WebEngine"
WEB_ENGINE_PROCESS = "QtWebEngineProcess"
# Long enough after the first frame for late work (animations, deferred
# set-up) to show in the peak memory.
SETTLE_SECONDS = 1.0
TIMEOUT_SECONDS = 30.0


class WindowWatcher:
    """Reports the first top-level window that is mapped and drawn."""

    def __init__(self):
        self.display = display.Display()
        self.display.set_error_handler(lambda *args: None)  # windows may vanish
        if not self.display.has_extension("DAMAGE"):
            sys.exit("the X server has no DAMAGE extension")
        self.display.damage_query_version()
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.damage_event = self.display.extension_event.DamageNotify
        self.display.sync()

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def wait(self, process, timeout):
        """Returns (window id, map time, first-frame time) in time.time()."""
        damages, mapped, map_time = {}, None, None
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and process.poll() is None:
            if not self.display.pending_events():
                select.select([self.display.fileno()], [], [], 0.05)
            now = time.time()
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.CreateNotify:
                    # Watched from birth, so that no frame is drawn unseen.
                    window = self.display.create_resource_object("window", event.window.id)
                    damages[event.window.id] = window.damage_create(damage.DamageReportNonEmpty)
                elif event.type == X.MapNotify and mapped is None:
                    mapped = self.program_window(event.window.id)
                    map_time = now if mapped is not None else None
                elif event.type == self.damage_event and event.drawable.id == mapped:
                    for handle in damages.values():
                        self.display.damage_destroy(handle)
                    self.display.sync()
                    return mapped, map_time, now
            self.display.flush()
        raise RuntimeError("no window appeared within %d s" % timeout)

    def program_window(self, mapped_id):
        """The program's own window, given a window the root saw mapped;
        None for a window that is not (yet) the program's."""
        return mapped_id

    def title(self, window_id):
        window = self.display.create_resource_object("window", window_id)
        name = window.get_wm_name()
        return name.decode("latin-1") if isinstance(name, bytes) else name


def children(pid):
    try:
        with open("/proc/%d/task/%d/children" % (pid, pid)) as f:
            return [int(p) for p in f.read().split()]
    except OSError:
        return []


def descendants(pid):
    found = []
    for child in children(pid):
        found += [child] + descendants(child)
    return found


def command_name(pid):
    try:
        with open("/proc/%d/comm" % pid) as f:
            return f.read().strip()
    except OSError:
        return ""


def web_engine_state(pid):
    """(library mapped, engine process running) for the process `pid`."""
    try:
        with open("/proc/%d/maps" % pid) as f:
            mapped = WEB_ENGINE_LIBRARY in f.read()
    except OSError:
        mapped = False
    running = any(command_name(p) == WEB_ENGINE_PROCESS for p in descendants(pid))
    return mapped, running


def max_rss_kib(time_output):
    with open(time_output) as f:
        for line in f:
            if "Maximum resident set size" in line:
                return int(line.rsplit(":", 1)[1])
    raise RuntimeError("no maximum resident set size in " + time_output)


def game_folder(program, folder):
    """Makes `folder` a game folder (the engine beside the program) and puts
    the program there, as a hard link where it can: a fresh copy of the
    launcher (11 MiB with its debug info) in every run would leave the disk
    writing it back during the runs that follow, and start it from other
    pages than the minimal window, which runs in place. Returns the program
    to start."""
    placed = os.path.join(folder, os.path.basename(program))
    try:
        os.link(program, placed)
    except OSError:
        shutil.copy2(program, placed)
    open(os.path.join(folder, "qr7.exe"), "w").close()
    return placed


class Case:
    def __init__(self, name, program, settings=None, arguments=()):
        self.name, self.program, self.settings = name, program, settings
        self.arguments = list(arguments)
        self.reset()

    def reset(self):
        self.map_ms, self.frame_ms, self.rss_kib, self.web_engine = [], [], [], []

    def prepare(self, folder):
        """Lays out a fresh folder; returns the program to start there."""
        if self.settings is None:
            return self.program
        program = game_folder(self.program, folder)
        with open(os.path.join(folder, SETTINGS_NAME), "wb") as f:
            f.write(self.settings)
        return program


def run_once(watcher, case, title):
    with tempfile.TemporaryDirectory(prefix="wv-bench-") as folder:
        program = case.prepare(folder)
        time_output = os.path.join(folder, "time.txt")
        watcher.drain()
        start = time.time()
        timer = subprocess.Popen(["/usr/bin/time", "-v", "-o", time_output, program]
                                 + case.arguments,
                                 cwd=folder, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        try:
            window, map_time, frame_time = watcher.wait(timer, TIMEOUT_SECONDS)
            shown = watcher.title(window)
            if shown != title:
                raise RuntimeError("%s: the window shown is %r, not %r" % (case.name, shown, title))
            time.sleep(SETTLE_SECONDS)
            pids = children(timer.pid)
            if not pids:
                raise RuntimeError("%s ended by itself" % case.name)
            case.web_engine.append(web_engine_state(pids[0]))
            os.kill(pids[0], signal.SIGTERM)
            timer.wait(TIMEOUT_SECONDS)
        finally:
            if timer.poll() is None:
                for pid in children(timer.pid):
                    os.kill(pid, signal.SIGKILL)
                timer.wait()
        case.map_ms.append((map_time - start) * 1000)
        case.frame_ms.append((frame_time - start) * 1000)
        case.rss_kib.append(max_rss_kib(time_output))


def template_settings(launcher):
    """The settings file the launcher writes into a new game folder."""
    with tempfile.TemporaryDirectory(prefix="wv-bench-") as folder:
        program = game_folder(launcher, folder)
        process = subprocess.Popen([program], cwd=folder, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        path = os.path.join(folder, SETTINGS_NAME)
        deadline = time.monotonic() + TIMEOUT_SECONDS
        while not os.path.exists(path) and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(0.2)
        process.terminate()
        process.wait()
        with open(path, "rb") as f:
            return f.read()


def with_monitoring(settings, url):
    key = b"MonitoringURL="
    if key not in settings:
        raise RuntimeError("the settings template has no MonitoringURL key")
    return settings.replace(key, key + url.encode(), 1)


def ratio(a, b):
    return statistics.median(a) / statistics.median(b)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--minimal", required=True)
    parser.add_argument("--runs", type=int, default=25)
    args = parser.parse_args()

    settings = template_settings(args.launcher)
    minimal = Case("minimal window (one line of text)", args.minimal)
    blank = Case("blank window (no text)", args.minimal, arguments=["--blank"])
    plain = Case("launcher", args.launcher, settings)
    # Served by nobody: the tab is never opened during the measurement.
    monitored = Case("launcher with MonitoringURL", args.launcher,
                     with_monitoring(settings, "http://127.0.0.1:9/status"))
    titles = {minimal: "Minimal Window", blank: "Minimal Window", plain: "Wreckvale Launcher",
              monitored: "Wreckvale Launcher"}

    watcher = WindowWatcher()
    for case, title in titles.items():  # warm the file cache; not counted
        run_once(watcher, case, title)
        case.reset()
    order = list(titles.items())
    for n in range(args.runs):
        # Each case starts a round in turn, so that none always follows the
        # same one: a window that has just ended leaves the X server and the
        # system work that the next start would otherwise always pay.
        turn = n % len(order)
        for case, title in order[turn:] + order[:turn]:
            run_once(watcher, case, title)
        print("run %d/%d done" % (n + 1, args.runs), file=sys.stderr)

    median = statistics.median
    print("| program | mapped (ms) | first frame (ms) | peak RSS (MiB) |"
          " web engine mapped / process |")
    print("|---|---:|---:|---:|---|")
    for case in titles:
        engine = "%d of %d / %d of %d" % (
            sum(m for m, _ in case.web_engine), len(case.web_engine),
            sum(r for _, r in case.web_engine), len(case.web_engine))
        print("| %s | %.1f | %.1f | %.1f | %s |" % (
            case.name, median(case.map_ms), median(case.frame_ms),
            median(case.rss_kib) / 1024, engine))
    print()
    for base, cases in ((minimal, (plain, monitored)), (blank, (minimal, plain, monitored))):
        print("| ratio to the %s | mapped | first frame | peak RSS |" % base.name)
        print("|---|---:|---:|---:|")
        for case in cases:
            print("| %s | %.3f | %.3f | %.3f |" % (
                case.name, ratio(case.map_ms, base.map_ms),
                ratio(case.frame_ms, base.frame_ms), ratio(case.rss_kib, base.rss_kib)))
        print()
    print("Medians of %d runs each, after one warm-up run of each; each round"
          " starts with the next case in turn." % args.runs)


if __name__ == "__main__":
    main()
