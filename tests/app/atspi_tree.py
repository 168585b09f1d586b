"""The launcher's accessibility tree as a screen reader sees it, over AT-SPI.

    atspi_tree.py dump PID                 one line per node: role, name, description
    atspi_tree.py press PID ROLE NAME      runs the default action of that node
    atspi_tree.py hear PID ROLE NAME       the same, then prints the node's new
                                           description as the bus announces it
                                           (its description now, when none comes)

Run with the system's Python, which has pyatspi (python3-pyatspi).
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def application(pid, seconds=20):
    """The application of process PID once its window is in the tree."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == pid and app.childCount > 0:
                return app
        time.sleep(0.1)
    sys.exit(f"no application of process {pid} on the accessibility bus")


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def find(app, role, name, seconds=20):
    """The node; a busy machine may show the window before all of its tree."""
    end = time.monotonic() + seconds
    while True:
        for node in nodes(app):
            if node.getRoleName() == role and node.name == name:
                return node
        if time.monotonic() >= end:
            sys.exit(f"no {role} named {name!r}")
        time.sleep(0.1)


def main():
    command, pid = sys.argv[1], int(sys.argv[2])
    app = application(pid)
    if command == "dump":
        for node in nodes(app):
            print(f"{node.getRoleName()}\t{node.name}\t{node.description}")
    elif command in ("press", "hear"):
        node = find(app, sys.argv[3], sys.argv[4])
        if command == "press":
            node.queryAction().doAction(0)
            return
        heard = []
        running = []

        # The event names the node; its description is read as it comes.
        def on_change(event):
            if event.source == node and node.description:
                heard.append(node.description)
                if running:
                    pyatspi.Registry.stop()

        pyatspi.Registry.registerEventListener(
            on_change, "object:property-change:accessible-description")
        node.queryAction().doAction(0)
        if not heard:
            running.append(True)
            GLib.timeout_add_seconds(10, pyatspi.Registry.stop)
            pyatspi.Registry.start()
        print(heard[0] if heard else node.description)
    else:
        sys.exit(f"unknown command {command}")


if __name__ == "__main__":
    main()
