#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in the drop-down lists of a running program,
read over AT-SPI as Orca reads it.

    atspi_lists.py read PID
        One line per combo box of the program's windows, sorted:
        NAME<TAB>TEXT<TAB>LABELLED-BY, the text being the entry chosen.
    atspi_lists.py watch PID LAST SECONDS COMMAND...
        Runs COMMAND (say, keys sent with xdotool) and prints, one a line,
        the list entries announced, until LAST is or SECONDS have passed
        (exit status 1). A closed list announces its new entry as text
        inserted into it, selected, which is what Orca reads out.

Waits up to 20 seconds for the program to show up on the bus; exits 2 when
it does not.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def application(pid, ready=None, what="and combo boxes ", limit=20.0):
    """The program with process pid on the accessibility bus, once ready(app)
    holds (by default: it shows combo boxes); exits 2 when it does not."""
    ready = ready or combo_boxes
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and ready(app):
                    return app
            except Exception:
                pass  # an application that ends while it is being read
        time.sleep(0.2)
    print(f"no program with process {pid} {what}on the accessibility bus", file=sys.stderr)
    sys.exit(2)


def combo_boxes(node, depth=0):
    found = []
    if node is None or depth > 40:
        return found
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        found.append(node)
        return found  # its pop-up list is not a list of its own
    for i in range(node.childCount):
        found += combo_boxes(node.getChildAtIndex(i), depth + 1)
    return found


def labelled_by(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return ",".join(names)


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", " ")


def text_of(node):
    try:
        text = node.queryText()
    except NotImplementedError:
        return ""
    return text.getText(0, text.characterCount)


def read(pid):
    lines = [[clean(box.name), clean(text_of(box)), clean(labelled_by(box))]
             for box in combo_boxes(application(pid))]
    for line in sorted(lines):
        print("\t".join(line))


def watch(pid, last, seconds, command):
    app = application(pid)
    boxes = combo_boxes(app)
    outcome = {"heard": False}

    def on_event(event):
        if not event.type.startswith("object:text-changed:insert") \
                or event.source.getRole() != pyatspi.ROLE_COMBO_BOX:
            return
        # Whether it was selected cannot be asked afterwards: the next entry
        # may be there by then (tst_textsweep checks the selection).
        name = event.any_data
        if event.detail1 == 0:
            print(clean(name), flush=True)
            if name == last:
                outcome["heard"] = True
                pyatspi.Registry.stop()

    # The whole class of object events: Qt 6.4 matches the names of the
    # events a client listens to against another spelling
    # (Object:StateChanged:Focused) and sends nothing to a client that asks
    # for this one event alone.
    pyatspi.Registry.registerEventListener(on_event, "object")
    # The program learns of the listener from the registry, which tells it
    # before it answers us; one call to the program and back, and the
    # program has heard.
    boxes[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

    def run_command():
        subprocess.run(command, check=True)
        return False

    def give_up():
        pyatspi.Registry.stop()
        return False

    GLib.idle_add(run_command)
    GLib.timeout_add(int(seconds * 1000), give_up)
    pyatspi.Registry.start()
    return 0 if outcome["heard"] else 1


def main(argv):
    if len(argv) >= 3 and argv[1] == "read":
        read(int(argv[2]))
    elif len(argv) >= 6 and argv[1] == "watch":
        return watch(int(argv[2]), argv[3], float(argv[4]), argv[5:])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
