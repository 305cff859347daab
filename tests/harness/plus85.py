# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's +85 text encoding, for the scripts that look at what it
stores: every character's code raised by 85, in the saved readings and in
the names and values of its settings. A character the shift would take out
of 0..255, or that lies above it, is dropped, as the program drops it.

As a module: encode(text), decode(text). As a command:

    plus85.py reading NUMBER...   the bytes of a saved reading of these
                                  numbers, as spaced upper-case hex
    plus85.py write FILE NUMBER...  those bytes written to FILE
"""
import sys


def shifted(text, by):
    # Only the 8-bit code page: a character above it is dropped before the
    # shift, as is one the shift takes out of it.
    return ''.join(chr(ord(c) + by) for c in text
                   if ord(c) <= 255 and 0 <= ord(c) + by <= 255)


def encode(text):
    return shifted(text, 85)


def decode(text):
    return shifted(text, -85)


def reading(numbers):
    """A saved reading: each number a line of its own, ending in CR LF."""
    return ''.join(encode(n) + '\r\n' for n in numbers).encode('latin-1')


def main(argv):
    if len(argv) >= 2 and argv[0] == 'reading':
        print(' '.join('%02X' % b for b in reading(argv[1:])))
        return 0
    if len(argv) >= 3 and argv[0] == 'write':
        with open(argv[1], 'wb') as out:
            out.write(reading(argv[2:]))
        return 0
    print('usage: plus85.py reading NUMBER... | write FILE NUMBER...', file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
