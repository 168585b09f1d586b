"""A clipboard manager for the tests, on the X display in $DISPLAY.

    clipboard_manager.py --answers    a manager that saves
    clipboard_manager.py --silent     one that owns CLIPBOARD_MANAGER and
                                      never answers anything

Owns CLIPBOARD_MANAGER. Asked to save (the SAVE_TARGETS target, sent by a
program as it ends), it copies the text of the clipboard, which that program
must still own, takes CLIPBOARD over and serves the text until it is
stopped. Prints "ready" once it owns CLIPBOARD_MANAGER and "saved" after
each handover that worked.

Run with the system's Python, which has python3-xlib.
"""
import sys

from Xlib import X, Xatom, display
from Xlib.protocol import event


class Manager:
    def __init__(self):
        self.display = display.Display()
        atom = self.display.intern_atom
        self.clipboard = atom("CLIPBOARD")
        self.manager = atom("CLIPBOARD_MANAGER")
        self.save_targets = atom("SAVE_TARGETS")
        self.targets = atom("TARGETS")
        self.utf8 = atom("UTF8_STRING")
        self.text_target = atom("TEXT")
        self.null = atom("NULL")
        self.incoming = atom("_WV_INCOMING")
        self.window = self.display.screen().root.create_window(
            0, 0, 1, 1, 0, X.CopyFromParent, event_mask=X.PropertyChangeMask)
        self.text = None

    def next_of(self, kind):
        """The next event of that kind; the others before it are dropped."""
        while True:
            found = self.display.next_event()
            if found.type == kind:
                return found

    def server_time(self):
        """Now, in the server's time: owning a selection at CurrentTime is
        refused by careful clients."""
        self.window.change_property(self.incoming, Xatom.STRING, 8, b"", X.PropModeAppend)
        return self.next_of(X.PropertyNotify).time

    def own(self, selection, owner=X.NONE):
        """Takes selection over, if owner still has it."""
        time = self.server_time()
        if self.display.get_selection_owner(selection) != owner:
            return False
        self.window.set_selection_owner(selection, time)
        return self.display.get_selection_owner(selection) == self.window

    def fetch(self, target, time):
        """The clipboard owner's data for target, or None when it refuses."""
        self.window.convert_selection(self.clipboard, target, self.incoming, time)
        if self.next_of(X.SelectionNotify).property == X.NONE:
            return None
        reply = self.window.get_full_property(self.incoming, X.AnyPropertyType)
        self.window.delete_property(self.incoming)
        return reply.value if reply is not None else None

    def answer(self, request, prop):
        request.requestor.send_event(event.SelectionNotify(
            time=request.time, requestor=request.requestor, selection=request.selection,
            target=request.target, property=prop))
        self.display.flush()

    def save(self, request):
        targets = self.fetch(self.targets, request.time)
        text = None
        if targets is not None and self.utf8 in targets:
            text = self.fetch(self.utf8, request.time)
        # Taken over only from the program that asked: text another program
        # took the clipboard with meanwhile is not what the asker leaves.
        if text is None or not self.own(self.clipboard, request.requestor):
            self.answer(request, X.NONE)
            return
        self.text = bytes(text)
        # A side-effect target: the answer is an empty property of type NULL.
        request.requestor.change_property(request.property, self.null, 32, [])
        self.answer(request, request.property)
        print("saved", flush=True)

    def serve(self, request):
        prop = request.property or request.target  # obsolete clients name none
        requestor = request.requestor
        if request.target == self.targets:
            offered = [self.targets, self.utf8, Xatom.STRING, self.text_target]
            requestor.change_property(prop, Xatom.ATOM, 32, offered)
        elif request.target in (self.utf8, self.text_target):
            requestor.change_property(prop, self.utf8, 8, self.text)
        elif request.target == Xatom.STRING:
            latin1 = self.text.decode("utf-8", "replace").encode("latin-1", "replace")
            requestor.change_property(prop, Xatom.STRING, 8, latin1)
        else:
            prop = X.NONE
        self.answer(request, prop)

    def run(self, silent):
        if not self.own(self.manager):
            sys.exit("another clipboard manager runs")
        print("ready", flush=True)
        while silent:
            self.display.next_event()
        while True:
            found = self.display.next_event()
            if found.type == X.SelectionClear and found.atom == self.clipboard:
                self.text = None
            elif found.type != X.SelectionRequest:
                continue
            elif found.selection == self.manager and found.target == self.save_targets:
                self.save(found)
            elif found.selection == self.clipboard and self.text is not None:
                self.serve(found)
            else:
                self.answer(found, X.NONE)


if __name__ == "__main__":
    Manager().run(sys.argv[1:] == ["--silent"])  # SIGTERM ends it, as Python leaves that signal alone
