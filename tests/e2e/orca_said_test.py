#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""orca_said.py against lines of Orca 43's own debug log, taken from runs
of the Orca scenarios: each form an utterance takes there is read, and
nothing else is."""

import os
import sys
import unittest

# No __pycache__ left in the source tree, where reuse would find a file
# without a licence.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import orca_said  # noqa: E402

LOG = """\
18:01:47.449348 - SPEECH OUTPUT: 'tab ' {'established': False}
18:01:54.085283 - SPEECH: Last spoke 0.8660 seconds ago
18:01:54.085297 - SPEECH OUTPUT: 'File Help Donate'[{'established': False}]
18:01:54.085928 - SPEECH DISPATCHER: Speaking '<speak><mark name="0:4"/>File <mark name="5:9"/>Help <mark name="10:16"/>Donate</speak>' 
                  ORCA rate 5.0, pitch 5.0, volume 5.0, language en, punctuation: MOST 
                  SD rate 2, pitch 10, volume 100, language en-us
18:08:16.155070 - SPEECH OUTPUT: 'alert Pallastro.'{'established': False}
18:08:16.156779 - SPEECH OUTPUT: 'first reading.grn
                  File not found.
                  Please verify the correct file name was given.'{'established': False}
18:08:16.157873 - SPEECH DISPATCHER: Speaking '<speak><mark name="0:5"/>first <mark name="6:17"/>reading.grn
                  <mark name="18:22"/>File</speak>' 


KEYBOARD_EVENT:  type=ATSPI_KEY_PRESSED_EVENT
                 id=65361
18:02:41.643892 - SPEECH OUTPUT: 'left control ' {'established': False}
18:10:02.000001 - SPEECH OUTPUT: 'Birth Day March 15 1980'None
18:17:01.753495 - DEFAULT SAY ALL: [text | Life Path god: Aphrodite] 'Aphrodite is the Goddess of love and beauty. ' (0-45, current: 0)
18:17:01.754619 - ERROR: Exception scrolling [text | Life Path god: Aphrodite] (0,45) to SCROLL_ANYWHERE.
18:17:01.901658 - DEFAULT SAY ALL: [text | Life Path god: Aphrodite] 'She brings happiness, and her smile settles quarrels into peace and harmony.' (100-176, current: 100)
18:17:02.000001 - SPEECH OUTPUT: 'It's March.' {'established': False}
18:17:03.000001 - SPEECH OUTPUT: 'You are at the
"""

SAID = [
    "tab",
    "File Help Donate",
    "alert Pallastro.",
    "first reading.grn File not found. Please verify the correct file name was given.",
    "left control",
    "Birth Day March 15 1980",
    "Aphrodite is the Goddess of love and beauty.",
    "She brings happiness, and her smile settles quarrels into peace and harmony.",
    "It's March.",
]


def said(lines):
    return [orca_said.one_line(u) for u in orca_said.utterances(lines)]


class OrcaSaid(unittest.TestCase):
    def test_every_form(self):
        # The last entry is still being written: it waits for its end.
        self.assertEqual(said(LOG.splitlines(True)), SAID)

    def test_from_a_line_on(self):
        lines = LOG.splitlines(True)
        # From the middle of a three-line entry: its rest is no utterance.
        start = next(i for i, line in enumerate(lines) if "File not found" in line)
        self.assertEqual(said(lines[start:]), SAID[4:])

    def test_an_entry_completed(self):
        lines = LOG.splitlines(True) + ["                  last record.'{'established': False}\n"]
        self.assertEqual(said(lines)[-1], "You are at the last record.")


if __name__ == "__main__":
    unittest.main()
