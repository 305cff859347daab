#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca said, read from its debug log: one utterance a line.

    orca_said.py LOG [LINE]

Reads LOG after its first LINE lines (0: all of it). An utterance is:
- `SPEECH OUTPUT: '...'` followed by the voice (`{...}`, `[{...}]`) or by
  `None`, which is how flat review's lines are logged, their voice unset;
- a piece of say-all, `... SAY ALL: [obj] '...' (0-52, current: 0)`, which
  is spoken without a SPEECH OUTPUT line of its own.

Orca writes a text of several lines (a message box, a dialog's warning, a
paragraph of say-all) as one entry whose following lines are indented by
18 spaces; they are joined here with a space, so that an utterance stays
one line. An entry still being written, its end not yet in the log, is left
out: it is printed once it is whole.
"""

import re
import sys

ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - (.*)$")
CONTINUATION = " " * 18
# The voice is a dict (with string keys) or a list of one; flat review
# passes none, and the log then shows "None" right after the quote.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?:None|\s*\[?\{(?:'.*)?\}\]?)\s*", re.S)
SAY_ALL = re.compile(r"(?:\w+ )?SAY ALL: .*? '(.*)' \(-?\d+--?\d+, current: -?\d+\)\s*", re.S)


def utterance(entry):
    for pattern in (SPEECH, SAY_ALL):
        found = pattern.fullmatch(entry)
        if found:
            return found.group(1)
    return None


def is_speech(entry):
    return entry.startswith("SPEECH OUTPUT: '") or re.match(r"(?:\w+ )?SAY ALL: ", entry) is not None


def utterances(lines):
    entry = None
    for line in lines:
        line = line.rstrip("\n")
        start = ENTRY.match(line)
        if entry is not None and not start and line.startswith(CONTINUATION) \
                and utterance(entry) is None:
            entry += "\n" + line[len(CONTINUATION):]
            continue
        if entry is not None:
            said = utterance(entry)
            if said is not None:
                yield said
        entry = start.group(1) if start and is_speech(start.group(1)) else None
    if entry is not None:
        said = utterance(entry)
        if said is not None:
            yield said


def one_line(text):
    return " ".join(part.strip() for part in text.split("\n") if part.strip())


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    skip = int(argv[2]) if len(argv) == 3 else 0
    with open(argv[1], encoding="utf-8", errors="replace") as log:
        lines = log.readlines()[skip:]
    for said in utterances(lines):
        print(one_line(said))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
