#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts Orca from its own launcher script, /usr/bin/orca, for a test.

    orca_launch.py LOG

Two things differ from `orca --debug-file=LOG`:
- Orca writes its log through a block-buffered file, so the end of what it
  said could wait in the buffer for the next event; here the log is opened
  line-buffered and keeps up with the speech.
- Orca looks for other Orcas of the same user, to refuse to start or, with
  --replace, to kill them; this one keeps to its own session and its own
  process name, so that it neither stops nor is stopped by the user's screen
  reader or another test's.
"""

import builtins
import sys

LAUNCHER = "/usr/bin/orca"
log = sys.argv[1]
plain_open = builtins.open


def open_log_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if file == log and "w" in mode:
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)


builtins.open = open_log_line_buffered
sys.argv = ["orca", "--debug-file=" + log]
launcher = {"__name__": "orca_launcher", "__file__": LAUNCHER}
with plain_open(LAUNCHER) as source:
    exec(compile(source.read(), LAUNCHER, "exec"), launcher)
launcher["otherOrcas"] = lambda: []
launcher["setProcessName"] = lambda name: None
sys.exit(launcher["main"]())
