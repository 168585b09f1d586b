#!/usr/bin/python3
"""The Windows launcher end to end under Wine, as a player works it: the
behaviours the Linux end-to-end tests check, grouped into tables. Run by
scripts/cross-check inside its display and prefix; prints one line per
scenario and "N passed, N failed".

  scenarios.py --bin BUILD/bin --launcher dist/wreckvale-launcher.exe \
      --first-frame WIN32-BUILD/bin/wreckvale-first-frame.exe [-k WORD]
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wine_session import (BACKUP, DEFAULT_ARGUMENTS, INI, LOADER, TIMEOUT, TITLE, VERSION,  # noqa: E402
                          windows_path,
                          Failure, check, clipboard_text, current_settings, offer_clipboard,
                          parse_arguments, run_all, wait_for, window_picture, xdotool)

# --- Finding the launcher's controls in the inspector's report ---

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def control_ids():
    """Role (the view state's object name) -> control id, as win/control_ids.h
    numbers them: 100 on, in the order of the Control enumeration."""
    with open(os.path.join(ROOT, "core", "view_state.h")) as f:
        text = f.read()
    body = text[text.index("enum class Control {"):]
    body = body[body.index("{") + 1:body.index("Count")]
    names = [line.split("//")[0].strip().rstrip(",") for line in body.splitlines()]
    names = [n for n in names if n]
    return {n[0].lower() + n[1:]: 100 + i for i, n in enumerate(names)}


def by_id(number):
    return lambda snapshot: snapshot.control(id=str(number), visible="1")


def by_text(class_name, text):
    return lambda snapshot: snapshot.control(**{"class": class_name, "text": text,
                                                "visible": "1"})


ROLES = {role: by_id(number) for role, number in control_ids().items()}
ROLES["openInBrowser"] = by_text("Button", "Open in the browser")


def is_focused(session, role):
    snapshot = session.snapshot()
    focus, row = snapshot.focus(), ROLES[role](snapshot)
    return focus is not None and row is not None and focus["hwnd"] == row["hwnd"]


def current_tab(session):
    rows = session.snapshot().of("msaa", **{"class": "WvTabRow"})
    return rows[0]["name"] if rows else None


def switch_tab(session, name):
    """Ctrl+Tab until the tab row says `name` is the current tab."""
    for _ in range(6):
        before = current_tab(session)
        if before == name:
            return
        session.keys("ctrl+Tab")
        wait_for(lambda: current_tab(session) != before, "the next tab")
    raise Failure("no %s tab" % name)


# --- Start-up: what the folder holds decides what the start does ---

OLD_FILE = b"[Application]\r\nVersion=1.0\r\nConsole=No\r\n; the player's own\r\n"
STARTS = [
    # name, engine in the folder, settings file before, what follows
    ("template on first start", True, None, "window"),
    ("outdated file kept as a backup, its values carried over", True, OLD_FILE, "carry"),
    ("outdated file kept as a backup, the template kept", True, OLD_FILE, "keep"),
    ("wrong folder", False, None, "message"),
]


def start_scenario(engine, before, outcome):
    def scenario(runner):
        session = runner.session(engine=engine)
        try:
            if before is not None:
                session.write(INI, before)
            session.start()
            if outcome == "message":
                box = session.dismiss_box()
                check("You must run this launcher from" in box["text"], box["text"])
                check(wait_for(lambda: not session.running(), "the launcher to end") and
                      session.process.returncode == 0, "ended with %s" % session.process.returncode)
            elif outcome in ("carry", "keep"):
                # Yes is the default button; Tab moves to No.
                box = session.dismiss_box(*(() if outcome == "carry" else ("Tab", "Return")))
                check("version 1.0" in box["text"] and ".ini.bak" in box["text"], box["text"])
                session.window()
            else:
                session.window()
            check(os.path.exists(session.path(INI)), "no settings file")
            written = session.read(INI)
            console = b"Console=No" if outcome == "carry" else b"Console=Yes"
            check(written.startswith(b"[Application]\r\n" + console), "not the template")
            check(("Version=%s" % VERSION).encode() in written, "not this version's template")
            if before is None:
                check(not os.path.exists(session.path(BACKUP)), "a backup of nothing")
            else:
                check(session.read(BACKUP) == before, "the backup does not hold the old file")
        finally:
            session.end()
    return scenario


# --- Texts: language and version ---

def russian_by_the_language_key(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings("Language=RU\r\n"))
        session.start()
        session.window()
        wait_for(lambda: {"Создание сервера", "Создать сервер"} <= {
            n.strip() for n in session.snapshot().msaa_names()}, "the tab and button in Russian")
    finally:
        session.end()


def about_version(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()
        switch_tab(session, "About")
        row = wait_for(lambda: ROLES["versionLabel"](session.snapshot()), "the version text")
        check(VERSION in row["text"], row["text"])
    finally:
        session.end()


# The window draws its first frame itself and makes its controls after it;
# they must draw the same picture. The variant launcher keeps its first frame.
FIRST_FRAMES = [
    # name, settings lines
    ("first frame as the controls draw it", ""),
    ("first frame as the controls draw it, in Russian", "Language=RU\r\n"),
]


def first_frame_scenario(lines):
    def scenario(runner):
        xdotool("mousemove", "0", "0")  # nothing drawn as under the pointer
        made = runner.session()
        try:
            made.write(INI, current_settings(lines))
            made.start()
            made.window()
            expected = window_picture(made.x_window(TITLE))
        finally:
            made.end()
        first = runner.session()
        try:
            first.write(INI, current_settings(lines))
            first.start(program=runner.first_frame_launcher)
            shown = first.x_window(TITLE)
            wait_for(lambda: window_picture(shown) == expected,
                     "the first frame to show what the controls draw")
        finally:
            first.end()
    return scenario


# --- The create tab: each mode's menus by the command they start ---

FOUNDRY = "[MAP_Foundry]\r\nVisible=Yes\r\n"
MODES = [
    # name, settings sections, mode entry, campaign entry (0: left), the map started
    ("co-op: campaigns 2 of 4", "", 1, 2, "wrv_smalltown01_caves"),
    ("versus: hidden campaigns skipped", "", 2, 2, "wrv_vs_farm01_hilltop"),
    ("custom maps: an extra map", FOUNDRY, 3, 0, "wrv_foundry"),
]


def mode_scenario(sections, mode, campaign, started_map):
    def scenario(runner):
        session = runner.session()
        try:
            session.write(INI, current_settings("", sections))
            session.start()
            session.window()
            first_mark = session.menu_check_mark("modeBox")
            session.choose("modeBox", mode)
            mark = session.menu_check_mark("modeBox")
            check(first_mark is not None and mark is not None, "no check mark in the mode menu")
            check((mark > first_mark + 4) == (mode > 1), "the check mark did not follow")
            if campaign:
                session.choose("campaignBox", campaign)
            arguments = session.press_action()
            check("+map" in arguments and arguments[arguments.index("+map") + 1] == started_map,
                  " ".join(arguments))
        finally:
            session.end()
    return scenario


# --- The command the press starts, by the settings ---

COMMANDS = [
    # name, [Application] lines, the stand-in's argv after its program
    ("defaults", "", DEFAULT_ARGUMENTS),
    ("run parameters", "USERunParametres=Yes\r\nRunParametres= +exec mine.cfg\r\n",
     DEFAULT_ARGUMENTS + ["+exec", "mine.cfg"]),
    ("run prefix", "USEPrefix=Yes\r\nRunPrefix=wrapper.exe\r\nRunPrefixParam=-w 1\r\n",
     ["-w", "1", "qr7.exe"] + DEFAULT_ARGUMENTS),
]


def command_scenario(lines, expected):
    def scenario(runner):
        session = runner.session()
        try:
            session.write(INI, current_settings(lines))
            with open(runner.engine, "rb") as f:
                session.write("wrapper.exe", f.read())
            session.start()
            session.window()
            arguments = session.press_action()
            check(arguments == expected, "started with %r" % arguments)
        finally:
            session.end()
    return scenario


# --- Game folders of any name ---

FOLDERS = [
    # name, the game folder's path below a fresh one, whether the game starts there
    ("named outside the code page", "wg_日本", True),
    ("Cyrillic name", "Игры Wreckvale", True),
    # Wine starts no program from a path that long, not even by its short name.
    ("path over 260 characters", "/".join(c * 90 for c in "abc"), False),
]


def folder_scenario(name, starts):
    def scenario(runner):
        session = runner.session(name=name)
        try:
            settings = current_settings()
            session.write(INI, settings)
            session.start()
            session.window()
            # The version was read: the player's file is this version's.
            check(session.read(INI) == settings, "the settings file was replaced")
            check(not os.path.exists(session.path(BACKUP)), "the settings file was moved")
            if starts:
                arguments = session.press_action()
                check(arguments == DEFAULT_ARGUMENTS, "started with %r" % arguments)
                check(session.working_folder() == windows_path(session.folder),
                      "worked in %r" % session.working_folder())
            else:
                session.click("actionButton")
                text = session.dismiss_box()["text"]
                # The program's path is outside text, cut where it would
                # not fit the screen.
                program = "%s\\qr7.exe" % windows_path(session.folder)
                check(text.startswith("Can not start the game (%s…: " % program[:119]), text)
                check(text.endswith(": path longer than 260 characters)"), text)
            # The caption menu's second entry shows the folder itself, under
            # its short name where the path is too long for the shell. Opened
            # by the keyboard, the menu stands at its first entry.
            # The keys go to the launcher once Windows, too, has it active:
            # the game just started may have taken the activation back, so
            # it is asked for until it holds.
            main = session.window()["hwnd"]

            def active():
                xdotool("windowactivate", "--sync", session.x_window(TITLE))
                return (session.snapshot().focus() or {}).get("active") == main
            wait_for(active, "the launcher to be active")
            session.keys("ctrl+comma")
            session.popup_appears()
            session.keys("Down", "Return")
            own = os.path.basename(session.folder)
            session.foreign_window("^(%s|%s~.*)$" % (own, own[:4].upper()))
        finally:
            session.end()
    return scenario


def exit_after_run(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings("ExitAfterRun=Yes\r\n"))
        session.start()
        session.window()
        check(session.press_action() == DEFAULT_ARGUMENTS, "not the default command")
        wait_for(lambda: not session.running(), "the launcher to end after the start")
        check(session.process.returncode == 0, "ended with %s" % session.process.returncode)
    finally:
        session.end()


def failed_start_says_why(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.write("qr7.exe", b"not a program")
        session.start()
        session.window()
        main = session.x_window(TITLE)
        session.click("actionButton")
        # The box takes the keyboard from the window that owns it.
        box = session.box()
        wait_for(lambda: session.x_focus() not in (None, main), "the box to take the keyboard")
        box = session.dismiss_box()
        check(box["text"].startswith("Can not start the game"), box["text"])
        check("qr7.exe" in box["text"], "no program named: " + box["text"])
        # Windows runs Windows programs: no wrapper is the way out.
        check("RunPrefix" not in box["text"], "a wrapper offered: " + box["text"])
        check(not os.path.exists(session.record), "something was started")
        check(session.running(), "the launcher ended")
    finally:
        session.end()


def rest_after_a_start(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()

        def described():
            return [r.get("description") for r in session.snapshot().of(
                "msaa", id=str(control_ids()["actionButton"]))]

        # Told to screen readers while it rests (1.5 s), then not; a press
        # after the rest starts again. That presses during the rest are
        # ignored is the controller's, tested there.
        session.forget_record()
        session.click("actionButton")
        wait_for(lambda: "Game started" in described(), "the rest")
        check(session.arguments() == DEFAULT_ARGUMENTS, "not the default command")
        wait_for(lambda: "Game started" not in described(), "the rest's end")
        check(session.press_action() == DEFAULT_ARGUMENTS, "no start after the rest")
    finally:
        session.end()


def password_dialog(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()
        session.choose("passwordBox", 2)  # remove, then set
        box = wait_for(lambda: [w for w in session.snapshot().of("window")
                                if w["text"] == "Setup password"], "the password dialog")[0]
        session.x_window(box["text"])
        session.type("hunter2")
        session.keys("Return")
        wait_for(lambda: not any(w["text"] == "Setup password" for w in
                                 session.snapshot().of("window")), "the dialog to close")
        arguments = session.press_action()
        check(arguments[arguments.index("+sv_password") + 1] == "hunter2", " ".join(arguments))
    finally:
        session.end()


# --- The join tab ---

def on_the_join_tab(session):
    """A launcher with current settings on its join tab, the focus in the
    address box."""
    session.write(INI, current_settings())
    session.start()
    session.window()
    switch_tab(session, "Join game")
    wait_for(lambda: is_focused(session, "joinAddress"), "the focus in the address box")

def join_split_and_focus(runner):
    session = runner.session()
    try:
        on_the_join_tab(session)
        session.type("10.0.0.5:")
        wait_for(lambda: is_focused(session, "joinPort"), "the focus in the port box")
        session.type("27016")
        # Non-ASCII comes through the X clipboard: xdotool drops what it
        # has no key for. The box keeps it whole through the controller.
        session.click("joinPassword")
        wait_for(lambda: is_focused(session, "joinPassword"), "the focus in the password box")
        session.paste("пароль")
        wait_for(lambda: ROLES["joinPassword"](session.snapshot())["text"] == "пароль",
                 "the pasted password in its box")
        arguments = session.press_action()
        check(arguments[arguments.index("+connect") + 1] == "10.0.0.5:27016", " ".join(arguments))
        check("+password" in arguments, " ".join(arguments))
    finally:
        session.end()


JOIN_PASTES = [
    # name, pasted into the empty address box, then address, port and password boxes
    ("two lines: the second stays in sight", "1.2.3.4:27015\n+exec evil.cfg",
     "1.2.3.4", "27015+exec evil.cfg", ""),
    ("password command on the next line", "10.0.0.5:27017\npassword hunter2",
     "10.0.0.5", "27017", "hunter2"),
]


def join_paste_scenario(pasted, address, port, password):
    """A paste goes whole through the join rules, as on Linux: the one-line box
    alone would keep only its first line."""
    def scenario(runner):
        session = runner.session()
        try:
            on_the_join_tab(session)
            session.paste(pasted)

            def boxes():
                snapshot = session.snapshot()
                return tuple(ROLES[role](snapshot)["text"]
                             for role in ("joinAddress", "joinPort", "joinPassword"))
            wait_for(lambda: boxes()[0] != "", "the pasted text in the boxes")
            wait_for(lambda: boxes() == (address, port, password),
                     "%r, %r, %r in the boxes (now %r)" % (address, port, password, boxes()))
        finally:
            session.end()
    return scenario


def join_link_at_start(runner):
    """Started with a join link: the join tab filled, the focus in the password
    box, and no game before the press."""
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start(arguments=["wreckvale://join/10.0.0.5:27017?password=leaked"])
        session.window()
        wait_for(lambda: is_focused(session, "joinPassword"), "the focus in the password box")
        check(current_tab(session) == "Join game", current_tab(session))
        snapshot = session.snapshot()
        check(ROLES["joinAddress"](snapshot)["text"] == "10.0.0.5", "address box")
        check(ROLES["joinPassword"](snapshot)["text"] == "", "password box")
        check(not os.path.exists(session.record), "a link started the game")
        arguments = session.press_action()
        check(arguments[arguments.index("+connect") + 1] == "10.0.0.5:27017", " ".join(arguments))
        check("+password" not in arguments, " ".join(arguments))
    finally:
        session.end()


def join_links_registered_when_asked(runner):
    """The caption menu's third entry points join links at this launcher under
    HKCU, with the exe and "%1"; chosen again, it takes the key away."""
    key = r"HKCU\Software\Classes\wreckvale"

    def registered():
        result = subprocess.run([LOADER, "reg", "query", key + r"\shell\open\command"],
                                capture_output=True, text=True, env=os.environ)
        return result.stdout if result.returncode == 0 else None

    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()
        check(registered() is None, "registered before the player asked")
        for written in (True, False):
            xdotool("windowactivate", "--sync", session.x_window(TITLE))
            session.keys("ctrl+comma")
            session.popup_appears()
            session.keys("Down", "Down", "Return")
            if written:
                command = wait_for(registered, "the join-link key written")
                check('wreckvale-launcher.exe" "%1"' in command, command)
            else:
                wait_for(lambda: registered() is None, "the join-link key removed")
    finally:
        session.end()


CLIPBOARD = [
    # name, [Application] lines, the X clipboard after the press
    ("English", "", "Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, "
                    "Chapter: Apartmens, Slots: 14"),
    ("Russian", "Language=RU\r\n", None),  # non-ASCII: only that it is Cyrillic
]


def clipboard_scenario(lines, expected):
    def scenario(runner):
        session = runner.session()
        try:
            session.write(INI, current_settings(lines))
            session.start()
            session.window()
            session.clipboard_servers.append(offer_clipboard(""))
            session.click("clipboardButton")
            text = wait_for(clipboard_text, "text on the X clipboard")
            if expected is not None:
                check(text == expected, repr(text))
            else:
                check(any("\u0400" <= c <= "\u04ff" for c in text), repr(text))
            # The system keeps what a program put there after it ends.
            session.end()
            check(clipboard_text() == text, "the summary after the launcher ended")
        finally:
            session.end()
    return scenario


# --- Keyboard alone: versus chosen and started without the mouse ---

def no_tooltip_over_a_menu(runner):
    """A tooltip whose delay began as the menu dropped keeps away from its
    entries ("Choose your character" over the first character)."""
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()

        def tooltips():
            return [w["text"] for w in session.snapshot().of("window", **{
                "class": "tooltips_class32"})]

        for _ in range(3):
            xdotool("mousemove", "0", "0")
            session.click("characterButton")
            session.popup_appears()
            # Watched past the tooltips' delay of half a second.
            deadline = time.monotonic() + 2
            while time.monotonic() < deadline:
                shown = tooltips()
                check(not shown, "a tooltip over the menu: %r" % shown)
            session.keys("Escape")
            wait_for(lambda: not session.snapshot().popup_menus(), "the menu to close")
    finally:
        session.end()


def keyboard_only(runner):
    session = runner.session()
    try:
        session.write(INI, current_settings())
        session.start()
        session.window()
        wait_for(lambda: is_focused(session, "modeBox") or
                 session.snapshot().focus() is not None, "the first focus")
        # Opened by the keyboard, the menu stands at the current choice, CO-OP:
        # one Down is versus.
        session.keys("space")
        session.popup_appears()
        session.keys("Down", "Return")
        wait_for(lambda: not session.snapshot().popup_menus(), "the menu to close")
        for _ in range(30):
            if is_focused(session, "actionButton"):
                break
            session.keys("Tab")
        check(is_focused(session, "actionButton"), "Tab never reached the action button")
        session.forget_record()
        session.keys("space")
        arguments = session.arguments()
        check("wrv_vs_hospital01_apartment" in arguments, " ".join(arguments))
    finally:
        session.end()


# --- The monitoring tab where Wine has no HTML engine ---

MONITORING_URLS = [
    # name, MonitoringURL from the engine's Windows path, whether the browser gets it
    ("web page", lambda engine: "http://127.0.0.1:9/status?servers=all", True),
    ("program by its path", lambda engine: engine, False),
    ("program as a file address", lambda engine: "file:///" + engine.replace("\\", "/"), False),
]


def monitoring_scenario(url, opens):
    """Without an HTML engine the tab offers the browser; only a web address
    goes there, and nothing else is ever started: the stand-in engine records
    any start."""
    def scenario(runner):
        opened = os.path.join(runner.tools, "opened")
        xdg_open = os.path.join(runner.tools, "xdg-open")
        with open(xdg_open, "w") as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$@" > "%s.part" && mv "%s.part" "%s"\n'
                    % (opened, opened, opened))
        os.chmod(xdg_open, 0o755)
        if os.path.exists(opened):
            os.remove(opened)
        session = runner.session()
        setting = url(windows_path(session.path("qr7.exe")))
        try:
            session.write(INI, current_settings("MonitoringURL=%s\r\n" % setting))
            session.start(path_first=runner.tools)
            session.window()
            switch_tab(session, "Monitoring")
            reason = wait_for(lambda: session.snapshot().control(
                **{"class": "Static", "visible": "1",
                   "text": "Monitoring page unavailable: this system offers no built-in web view\n"
                           + setting}),
                "the reason on the tab", timeout=TIMEOUT)
            check(reason is not None, "no reason")
            session.forget_record()
            session.click("openInBrowser")
            if opens:
                handed = wait_for(lambda: os.path.exists(opened) and open(opened).read().strip(),
                                  "the browser bridge to hand over the page")
                check(handed == setting, handed)
                return
            # The press is behind us once a later key has moved the tabs on.
            # A start by it began before the game's own, and its record of no
            # arguments would be the one found first.
            switch_tab(session, "Create server")
            session.click("actionButton")
            arguments = session.arguments()
            check(not os.path.exists(opened), "handed to the browser: %s" % setting)
            check("-novid" in arguments, "something else started: %r" % arguments)
        finally:
            session.end()
    return scenario


SCENARIOS = (
    [("start", name, start_scenario(engine, before, outcome))
     for name, engine, before, outcome in STARTS] +
    [("texts", "Russian by the language key", russian_by_the_language_key),
     ("texts", "about version", about_version)] +
    [("texts", name, first_frame_scenario(lines)) for name, lines in FIRST_FRAMES] +
    [("modes", name, mode_scenario(*row)) for name, *row in MODES] +
    [("command", name, command_scenario(lines, expected)) for name, lines, expected in COMMANDS] +
    [("folder", name, folder_scenario(path, starts)) for name, path, starts in FOLDERS] +
    [("command", "exit after run", exit_after_run),
     ("command", "failed start says why", failed_start_says_why),
     ("command", "rest after a start", rest_after_a_start),
     ("command", "password dialog", password_dialog),
     ("join", "split and focus", join_split_and_focus),
     ("join", "started with a join link", join_link_at_start),
     ("join", "links registered when asked", join_links_registered_when_asked)] +
    [("join", "paste: " + name, join_paste_scenario(*row)) for name, *row in JOIN_PASTES] +
    [("clipboard", name, clipboard_scenario(lines, expected))
     for name, lines, expected in CLIPBOARD] +
    [("keyboard", "versus started by keys alone", keyboard_only),
     ("keyboard", "no tooltip over a menu", no_tooltip_over_a_menu)] +
    [("monitoring", "fallback to the browser: " + name, monitoring_scenario(url, opens))
     for name, url, opens in MONITORING_URLS]
)

if __name__ == "__main__":
    sys.exit(0 if run_all(SCENARIOS, parse_arguments(), ROLES) else 1)
