"""What the Wine scenarios (scenarios.py) stand on: a launcher in a fresh game
folder on the display in $DISPLAY and in the Wine prefix in $WINEPREFIX,
worked with xdotool and xclip and read through the inspector
(window_inspector.exe) in the same prefix; the stand-in engine (qr7.exe)
records the command line it receives. Every wait polls a condition with a
deadline; nothing is retried.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

LOADER = "/usr/lib/wine/wine64"
LAUNCHER_EXE = "wreckvale-launcher.exe"
INI = "wreckvale_launcher.ini"
BACKUP = INI + ".bak"
VERSION = "1.9.0.3"
TITLE = "Wreckvale Launcher"
DEFAULT_ARGUMENTS = ["-game", "wreckvale", "-console", "-novid", "+z_difficulty", "normal",
                     "+maxplayers", "14", "+port", "27015", "+map",
                     "wrv_hospital01_apartment", "+team_desired", "Survivor Arno"]
TIMEOUT = 15.0


class Failure(Exception):
    pass


def wait_for(condition, what, timeout=TIMEOUT):
    """The condition's first true value, polled until the deadline."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("waited %.0f s for %s" % (timeout, what))
        time.sleep(0.05)


def check(condition, what):
    if not condition:
        raise Failure(what)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def current_settings(lines="", sections=""):
    """A settings file of this version: nothing treats it as outdated."""
    return ("[Application]\r\nVersion=%s\r\n%s%s" % (VERSION, lines, sections)).encode()


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


class Snapshot:
    """One report of the inspector: the launcher's windows as Windows sees them."""

    def __init__(self, lines):
        self.rows = []
        for line in lines:
            kind, *fields = line.split("\t")
            row = {"kind": kind}
            for field in fields:
                key, _, value = field.partition("=")
                row[key] = unescape(value)
            self.rows.append(row)

    def of(self, kind, **match):
        return [r for r in self.rows if r["kind"] == kind
                and all(r.get(k) == v for k, v in match.items())]

    def main_window(self):
        found = [w for w in self.of("window") if w["text"] == TITLE and w["class"] != "#32770"]
        return found[0] if found else None

    def boxes(self):
        return self.of("box")

    def popup_menus(self):
        return self.of("window", **{"class": "#32768"})

    def focus(self):
        found = self.of("focus")
        return found[0] if found else None

    def control(self, **match):
        found = self.of("control", **match)
        return found[0] if found else None

    def msaa_names(self):
        return {r["name"] for r in self.of("msaa") if r.get("name")}


class Inspector:
    """window_inspector.exe in serve mode: one report per request."""

    def __init__(self, program):
        self.process = subprocess.Popen([LOADER, program, LAUNCHER_EXE, "--serve"],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def snapshot(self):
        self.process.stdin.write("report\n")
        self.process.stdin.flush()
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise Failure("the inspector ended")
            line = line.rstrip("\n")
            if line == "end":
                return Snapshot(lines)
            lines.append(line)

    def close(self):
        self.process.stdin.close()
        self.process.wait(TIMEOUT)


def check_mark_middle(rect):
    """The height, within the popup menu at `rect` (x,y,w,h on the screen),
    of the middle of the dark marks in its left margin, where the check mark
    goes; None without one. The menu's items cannot be read from another
    process under Wine, but its pixels can."""
    from Xlib import X, display
    x, y, w, h = (int(v) for v in rect.split(","))
    screen = display.Display()
    try:
        margin = min(w, 15)  # the mark's column, left of the entries' texts at 96 dpi
        image = screen.screen().root.get_image(x, y, margin, h, X.ZPixmap, 0xFFFFFFFF)
        data, rows = image.data, []
        for row in range(3, h - 3):
            for column in range(3, margin):
                offset = (row * margin + column) * 4  # 32-bit pixels: blue, green, red, pad
                if max(data[offset], data[offset + 1], data[offset + 2]) < 80:
                    rows.append(row)
                    break
        return (rows[0] + rows[-1]) / 2 if rows else None
    finally:
        screen.close()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def window_picture(window_id):
    """The pixels of an X window as the server holds them."""
    from Xlib import X, display
    screen = display.Display()
    try:
        window = screen.create_resource_object("window", int(window_id))
        size = window.get_geometry()
        return window.get_image(0, 0, size.width, size.height, X.ZPixmap, 0xffffffff).data
    finally:
        screen.close()


def clipboard_text():
    result = subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "UTF8_STRING"],
                            capture_output=True, timeout=5)
    return result.stdout.decode("utf-8", "replace") if result.returncode == 0 else None


def offer_clipboard(text):
    """Puts `text` on the X clipboard, served by the xclip returned until it is
    ended or another owner comes. In the foreground (-quiet), so that it can be
    ended by its own id and holds no pipe of ours."""
    server = subprocess.Popen(["xclip", "-quiet", "-i", "-selection", "clipboard"],
                              stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    server.stdin.write(text.encode())
    server.stdin.close()
    return server


class Session:
    """One launcher in one fresh game folder."""

    def __init__(self, runner, engine=True, name=None):
        self.runner = runner
        self.folder = tempfile.mkdtemp(prefix="wv-scenario-", dir=runner.work)
        # The stand-in reads where to record in the ANSI code page.
        self.record = os.path.join(self.folder, "received")
        if name:
            self.folder = os.path.join(self.folder, name)
            os.makedirs(self.folder)
        self.process = None
        self.clipboard_servers = []
        if engine:
            shutil.copy(runner.engine, os.path.join(self.folder, "qr7.exe"))

    def path(self, name):
        return os.path.join(self.folder, name)

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def start(self, env=None, path_first=None, program=None, arguments=()):
        launcher = self.path(LAUNCHER_EXE)
        shutil.copy(program or self.runner.launcher, launcher)
        environment = dict(os.environ, WV_TEST_RECORD=windows_path(self.record))
        if path_first:
            environment["PATH"] = path_first + ":" + environment["PATH"]
        environment.update(env or {})
        self.process = subprocess.Popen([LOADER, launcher, *arguments], cwd=self.folder,
                                        env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def snapshot(self):
        return self.runner.inspector.snapshot()

    def window(self):
        """Waits for the main window with its controls, which it makes once its
        first frame is drawn; its report row."""
        def ready():
            snapshot = self.snapshot()
            window = snapshot.main_window()
            made = window and any(c["parent"] == window["hwnd"] for c in snapshot.of("control"))
            return window if made else None
        return wait_for(ready, "the launcher's window and its controls")

    def x_focus(self):
        """The X window with the keyboard focus, when it is this launcher's."""
        result = subprocess.run(["xdotool", "getwindowfocus", "getwindowpid"],
                                capture_output=True, text=True)
        focus = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True)
        if result.returncode != 0 or result.stdout.strip() != str(self.process.pid):
            return None
        return focus.stdout.strip()

    def foreign_window(self, title):
        """Waits for a window of another program whose title matches `title`
        (the system's folder window, say) and ends that program; its X window."""
        def found():
            ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                                 capture_output=True, text=True).stdout.split()
            return [i for i in ids if subprocess.run(
                ["xdotool", "getwindowpid", i], capture_output=True,
                text=True).stdout.strip() != str(self.process.pid)]
        window = wait_for(found, "a window titled %s" % title)[0]
        pid = xdotool("getwindowpid", window)
        if pid:
            os.kill(int(pid), 9)
        return window

    def box(self):
        return wait_for(lambda: (self.snapshot().boxes() or [None])[0], "a message box")

    def running(self):
        return self.process.poll() is None

    def x_window(self, title):
        """The X window of this launcher with that title."""
        return wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
             "--name", "^%s$" % title], capture_output=True, text=True).stdout.split(),
            "the X window %r" % title)[0]

    def dismiss_box(self, *keys):
        """Answers the box with `keys` (Return: its default button)."""
        box = self.box()
        # The box shares its title with the main window, so it is told apart
        # by Windows' own account of the active window.
        wait_for(lambda: (self.snapshot().focus() or {}).get("active") == box["hwnd"],
                 "the box to be active")
        self.keys(*(keys or ("Return",)))
        wait_for(lambda: not any(b["hwnd"] == box["hwnd"] for b in self.snapshot().boxes()),
                 "the box to close")
        return box

    def find(self, role, snapshot=None):
        snapshot = snapshot or self.snapshot()
        found = self.runner.roles[role](snapshot)
        if found is None:
            raise Failure("no control for %s" % role)
        return found

    def click(self, role, button=1):
        self.click_row(wait_for(lambda: self.runner.roles[role](self.snapshot()), role), button)

    def click_row(self, row, button=1):
        x, y, w, h = (int(v) for v in row["rect"].split(","))
        # No --sync: it waits for a motion that never comes when the pointer
        # is already there.
        xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", str(button))

    def keys(self, *keys):
        xdotool("key", "--delay", "60", *keys)

    def type(self, text):
        """ASCII only: xdotool drops characters it has no key for."""
        xdotool("type", "--delay", "40", text)

    def paste(self, text):
        self.clipboard_servers.append(offer_clipboard(text))
        wait_for(lambda: clipboard_text() == text, "the clipboard to hold the text")
        self.keys("ctrl+v")

    def recorded(self):
        """The stand-in engine's record: the command line, then its argv."""
        data = wait_for(lambda: os.path.exists(self.record) and open(self.record, "rb").read(),
                        "the engine to be started")
        return [f.decode("utf-8", "replace") for f in data.split(b"\0")[:-1]]

    def working_folder(self):
        """Where the stand-in engine worked, as Windows names it."""
        return self.read(self.record + ".folder").decode()

    def arguments(self):
        return self.recorded()[2:]

    def forget_record(self):
        if os.path.exists(self.record):
            os.remove(self.record)

    def press_action(self):
        self.forget_record()
        self.click("actionButton")
        return self.arguments()

    def popup_appears(self):
        return wait_for(lambda: self.snapshot().popup_menus(), "a popup menu")[0]

    def choose(self, arrow, downs):
        """Drops a choice box's menu and takes the entry `downs` below the first."""
        self.click(arrow)
        self.popup_appears()
        self.keys(*(["Down"] * downs), "Return")
        wait_for(lambda: not self.snapshot().popup_menus(), "the popup menu to close")

    def menu_check_mark(self, arrow):
        """Drops the menu, reads where its check mark is and closes it again."""
        self.click(arrow)
        popup = self.popup_appears()
        # Drawn once it is mapped; the mark is there by the next look.
        middle = wait_for(lambda: check_mark_middle(popup["rect"]), "a check mark in the menu")
        self.keys("Escape")
        wait_for(lambda: not self.snapshot().popup_menus(), "the popup menu to close")
        return middle

    def end(self):
        # Wine ignores SIGTERM while its window runs; what the launcher does
        # at its end is not what these scenarios check.
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        for server in self.clipboard_servers:
            server.kill()
            server.wait()
        wait_for(lambda: not self.runner.inspector.snapshot().main_window(),
                 "the window to go")
        shutil.rmtree(os.path.dirname(self.record), ignore_errors=True)


class Runner:
    def __init__(self, args, roles):
        self.work = tempfile.mkdtemp(prefix="wv-scenarios-")
        self.launcher = os.path.abspath(args.launcher)
        self.first_frame_launcher = os.path.abspath(args.first_frame)
        self.engine = os.path.join(args.bin, "qr7.exe")
        self.inspector = Inspector(os.path.join(args.bin, "window_inspector.exe"))
        self.roles = roles
        self.tools = os.path.join(self.work, "tools")
        os.makedirs(self.tools)

    def session(self, engine=True, name=None):
        """`name`: the game folder's own name (or path below a fresh folder)."""
        return Session(self, engine, name)

    def close(self):
        self.inspector.close()
        shutil.rmtree(self.work, ignore_errors=True)


def run_all(scenarios, args, roles):
    runner = Runner(args, roles)
    passed = failed = 0
    started = time.monotonic()
    try:
        for group, name, scenario in scenarios:
            if args.k and args.k not in group + " " + name:
                continue
            began = time.monotonic()
            try:
                scenario(runner)
                passed += 1
                print("PASS  %-12s %s (%.1f s)" % (group, name, time.monotonic() - began))
            except Exception as error:  # every failure is the scenario's, reported and counted
                failed += 1
                print("FAIL  %-12s %s (%.1f s): %s" % (group, name, time.monotonic() - began,
                                                       error))
                if not isinstance(error, Failure):
                    traceback.print_exc()
            sys.stdout.flush()
    finally:
        runner.close()
    print("scenarios took %.0f s" % (time.monotonic() - started))
    print("%d passed, %d failed" % (passed, failed))
    return failed == 0


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="folder of qr7.exe and the inspector")
    parser.add_argument("--launcher", required=True)
    parser.add_argument("--first-frame", required=True,
                        help="the launcher that keeps its first frame (wreckvale-first-frame.exe)")
    parser.add_argument("-k", help="only scenarios whose group or name holds this")
    return parser.parse_args()
