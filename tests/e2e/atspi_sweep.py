#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks a running program, over AT-SPI, every question a screen reader asks,
and checks that each answer comes at once and is true.

    atspi_sweep.py PID CHECK...

CHECK is one of:
  text   every showing object with a text: the text at, before and after
         every offset from -1 to its length + 1, for every boundary kind,
         and the run of text attributes at each offset, each answered
         within PALLASTRO_ATSPI_TIMEOUT seconds (5) and consistent with the
         text; the runs, walked from one end to the next as Orca walks them
         to split a text by language, reach the text's last character
  focus  exactly one object of the program claims the focus
  lists  the entries of a closed drop-down list are neither focused nor
         showing
  hidden the hidden entry of the menu bar (Make Money Online) and the hidden
         Print button are not showing, and the menu bar counts, as Orca
         counts "Donate. 3 of 3", only the entries it shows
  stacked no two showing objects of one kind lie exactly on top of each
         other: the one beneath is not seen, and flat review would read it

Prints what it asked; each failure goes to standard error, and the exit
status is 1 when there was one. A question left unanswered ends the run at
once with status 3: the program is then stuck and answers nothing more.
Waits up to 20 seconds for the program to show up on the bus; exits 2 when
it does not.
"""

import faulthandler
import os
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

import atspi_lists  # noqa: E402  (beside this script)

TIMEOUT = float(os.environ.get("PALLASTRO_ATSPI_TIMEOUT", "5"))
# The whole run: a stuck D-Bus call that the library's own timeout did not
# end still ends here, with the Python stack of where it was.
WATCHDOG = float(os.environ.get("PALLASTRO_SWEEP_SECONDS", "60"))

BOUNDARIES = [
    ("CHAR", pyatspi.TEXT_BOUNDARY_CHAR),
    ("WORD_START", pyatspi.TEXT_BOUNDARY_WORD_START),
    ("WORD_END", pyatspi.TEXT_BOUNDARY_WORD_END),
    ("SENTENCE_START", pyatspi.TEXT_BOUNDARY_SENTENCE_START),
    ("SENTENCE_END", pyatspi.TEXT_BOUNDARY_SENTENCE_END),
    ("LINE_START", pyatspi.TEXT_BOUNDARY_LINE_START),
    ("LINE_END", pyatspi.TEXT_BOUNDARY_LINE_END),
]
WORDS = ("WORD_START", "WORD_END")
# Children past this many are not walked for the focus: a list's entries
# beyond are of the same kind as those before.
MANY = 400


class Stuck(Exception):
    """The program did not answer a question in time."""


failures = []


def failure(message):
    failures.append(message)
    print("FAIL: " + message, file=sys.stderr, flush=True)


def describe(node):
    try:
        return "[%s | %s]" % (node.getRoleName(), node.name)
    except Exception:
        return "[gone]"


def ask(what, call, *args):
    """call(*args), or Stuck when it is not answered within TIMEOUT."""
    started = time.monotonic()
    try:
        return call(*args)
    except Exception as error:
        waited = time.monotonic() - started
        if waited >= TIMEOUT * 0.9:
            raise Stuck("%s: no answer within %.1f s (%s)" % (what, waited, error)) from None
        raise


def application(pid):
    app = atspi_lists.application(pid, ready=lambda found: found.childCount > 0, what="")
    # States and names as they are now, not as first seen.
    app.setCacheMask(pyatspi.cache.NONE)
    return app


def states(node):
    return node.getState()


def children(node, limit=None):
    count = ask("the children of " + describe(node), lambda: node.childCount)
    if limit is not None:
        count = min(count, limit)
    for i in range(count):
        child = ask("child %d of %s" % (i, describe(node)), node.getChildAtIndex, i)
        if child is not None:
            yield child


def every(node, depth=0):
    """node and all below it, showing or not."""
    if node is None or depth > 40:
        return
    yield node
    for child in children(node, MANY):
        yield from every(child, depth + 1)


def showing(node, depth=0):
    """node and all below it that a user sees."""
    if node is None or depth > 40:
        return
    if not ask("the state of " + describe(node), states, node).contains(pyatspi.STATE_SHOWING):
        return
    yield node
    for child in children(node, MANY):
        yield from showing(child, depth + 1)


def windows(app):
    return [w for w in children(app) if states(w).contains(pyatspi.STATE_SHOWING)]


# The text questions.

def check_piece(where, full, piece):
    """The piece is a piece of the text: its offsets hold its characters."""
    text, start, end = piece
    if text == "":
        return True
    if not (0 <= start < end <= len(full)) or full[start:end] != text:
        failure("%s: answered '%s' (%d-%d), not a piece of the text" % (where, text, start, end))
        return False
    return True


def sweep_text(node, counts):
    try:
        text = node.queryText()
    except NotImplementedError:
        return
    name = describe(node)
    length = ask("the length of the text of " + name, lambda: text.characterCount)
    full = ask("the text of " + name, text.getText, 0, -1)
    if len(full) != length:
        failure("%s: %d characters counted, text '%s' of %d" % (name, length, full, len(full)))
        return
    counts["texts"] += 1
    questions = (
        ("getTextAtOffset", text.getTextAtOffset),
        ("getTextBeforeOffset", text.getTextBeforeOffset),
        ("getTextAfterOffset", text.getTextAfterOffset),
    )
    for offset in range(-1, length + 2):
        inside = 0 <= offset < length
        for kind, boundary in BOUNDARIES:
            for method, call in questions:
                where = "%s '%s' %s(%d, %s)" % (name, full, method, offset, kind)
                piece = ask(where, call, offset, boundary)
                counts["questions"] += 1
                if not check_piece(where, full, piece):
                    continue
                said, start, end = piece
                if method == "getTextAtOffset":
                    # White space between words belongs to no word, and may
                    # be answered with nothing; every other offset inside
                    # the text lies in a piece.
                    gap = kind in WORDS and full[offset].isspace() if inside else False
                    if inside and not said and not gap:
                        failure("%s: answered nothing (%d-%d) inside the text" % (where, start, end))
                    elif inside and said and not start <= offset <= end:
                        failure("%s: answered '%s' (%d-%d), which does not hold the offset"
                                % (where, said, start, end))
                    # One character, or a carriage return and line feed,
                    # which are one to a reader.
                    if inside and kind == "CHAR" and end - start != 1 and said != "\r\n":
                        failure("%s: answered '%s' (%d-%d), not the one character there"
                                % (where, said, start, end))
                elif said and inside and method == "getTextBeforeOffset" and end > offset:
                    failure("%s: answered '%s' (%d-%d), which does not lie before the offset"
                            % (where, said, start, end))
                elif said and inside and method == "getTextAfterOffset" and start <= offset:
                    failure("%s: answered '%s' (%d-%d), which does not lie after the offset"
                            % (where, said, start, end))
                # A word may carry the spaces that follow it (WORD_START)
                # or precede it (WORD_END), and the gap between two words
                # may be a piece of its own; never two words in one.
                if kind in WORDS and any(c.isspace() for c in said.strip()):
                    failure("%s: answered '%s' (%d-%d), more than one word" % (where, said, start, end))
    sweep_attributes(node, text, full, counts)


def sweep_attributes(node, text, full, counts):
    """The runs of text attributes: each holds the offset asked, its end
    one past its last character, and one run after another reaches the end
    of the text. Orca reads a text piece by piece up to each run's end: a run
    that stops short loses the text's last letter."""
    name = describe(node)
    length = len(full)
    for offset in range(0, length + 1):
        where = "%s '%s' getAttributeRun(%d)" % (name, full, offset)
        _, start, end = ask(where, text.getAttributeRun, offset, False)
        counts["questions"] += 1
        # The first wrong run of a text is told; the rest are wrong alike.
        if offset < length and not 0 <= start <= offset < end <= length:
            failure("%s: answered the run %d-%d, which does not hold the character there"
                    % (where, start, end))
            break
        if offset == length and not (0 <= start <= end == length and (start < end or length == 0)):
            failure("%s: answered the run %d-%d, not the last run of the text" % (where, start, end))
    walked = 0
    while walked < length:
        _, _, end = ask("%s '%s' getAttributeRun(%d)" % (name, full, walked), text.getAttributeRun, walked, False)
        if end <= walked:
            break
        walked = end
    if walked != length:
        failure("%s '%s': the runs of text attributes stop at %d of %d characters" % (name, full, walked, length))


def check_text(app):
    counts = {"objects": 0, "texts": 0, "questions": 0}
    started = time.monotonic()
    for window in windows(app):
        for node in showing(window):
            counts["objects"] += 1
            sweep_text(node, counts)
    print("text: %d showing objects, %d with a text, %d questions answered in %.1f s"
          % (counts["objects"], counts["texts"], counts["questions"], time.monotonic() - started))


# Focus and visibility.

def path(node):
    """Where node is: its ancestors below the application, then itself."""
    steps = []
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION and len(steps) < 40:
        steps.append(describe(node))
        node = node.parent
    return " > ".join(reversed(steps))


def check_focus(app):
    focused = [path(n) for n in every(app) if states(n).contains(pyatspi.STATE_FOCUSED)]
    print("focus: %s" % ("; ".join(focused) or "nothing"))
    if len(focused) != 1:
        failure("%d objects claim the focus, not one: %s" % (len(focused), "; ".join(focused)))


def combo_boxes(app):
    return [n for n in every(app) if n.getRole() == pyatspi.ROLE_COMBO_BOX]


def check_lists(app):
    closed = 0
    for box in combo_boxes(app):
        if states(box).contains(pyatspi.STATE_EXPANDED):
            continue
        closed += 1
        entries = [e for e in every(box)
                   if e.getRole() in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_TABLE_CELL)]
        for what, state in (("focused", pyatspi.STATE_FOCUSED), ("showing", pyatspi.STATE_SHOWING)):
            claiming = [e.name for e in entries if states(e).contains(state)]
            if claiming:
                failure("%d entries of the closed list %s claim to be %s: %s"
                        % (len(claiming), describe(box), what, ", ".join(claiming[:5])
                           + (", ..." if len(claiming) > 5 else "")))
    print("lists: %d closed" % closed)


def menu_bars(app):
    return [n for n in every(app) if n.getRole() == pyatspi.ROLE_MENU_BAR
            and states(n).contains(pyatspi.STATE_SHOWING)]


def check_hidden(app):
    for node in every(app):
        hidden = (node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == "Make Money Online") or \
                 (node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == "Print")
        if not hidden:
            continue
        if states(node).contains(pyatspi.STATE_SHOWING):
            failure("%s claims to be showing; it is hidden" % describe(node))
        else:
            print("hidden: %s, not showing" % describe(node))
    for bar in menu_bars(app):
        # Orca's count: the entries of the bar but separators and the dead.
        entries = [e for e in children(bar)
                   if e.getRole() not in (pyatspi.ROLE_SEPARATOR, pyatspi.ROLE_TEAROFF_MENU_ITEM)
                   and e.getIndexInParent() != -1
                   and not states(e).contains(pyatspi.STATE_DEFUNCT)]
        shown = [e for e in entries if states(e).contains(pyatspi.STATE_SHOWING)]
        names = [e.name for e in entries]
        print("hidden: the menu bar counts %s" % ", ".join(names))
        for i, entry in enumerate(entries):
            if entry.name == "Donate":
                print("hidden: Orca says \"Donate. %d of %d\"" % (i + 1, len(entries)))
        if len(entries) != len(shown):
            failure("the menu bar counts %d entries (%s), it shows %d (%s)"
                    % (len(entries), ", ".join(names), len(shown), ", ".join(e.name for e in shown)))


def check_stacked(app):
    seen = {}
    count = 0
    for window in windows(app):
        for node in showing(window):
            if node.childCount:
                continue
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            if box.width <= 0 or box.height <= 0:
                continue
            count += 1
            key = (node.getRole(), box.x, box.y, box.width, box.height)
            if key in seen:
                failure("%s and %s both claim to be showing at (%d, %d) %dx%d; one lies beneath the other"
                        % (seen[key], path(node), box.x, box.y, box.width, box.height))
            else:
                seen[key] = path(node)
    print("stacked: %d showing objects with a place of their own" % count)


CHECKS = {"text": check_text, "focus": check_focus, "lists": check_lists, "hidden": check_hidden,
          "stacked": check_stacked}


def main(argv):
    if len(argv) < 3 or any(c not in CHECKS for c in argv[2:]):
        print(__doc__, file=sys.stderr)
        return 2
    faulthandler.dump_traceback_later(WATCHDOG, exit=True)
    Atspi.set_timeout(int(TIMEOUT * 1000), int(TIMEOUT * 1000))
    app = application(int(argv[1]))
    try:
        for check in argv[2:]:
            CHECKS[check](app)
    except Stuck as stuck:
        failure(str(stuck))
        return 3
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
