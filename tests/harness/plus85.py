# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's +85 text encoding, for the scripts that look at what it
stores: every character's code raised by 85, in the saved readings and in
the names and values of its settings. A character the shift would take out
of 0..255 is dropped, as the program drops it.

As a module: encode(text), decode(text). As a command:

    plus85.py reading NUMBER...   the bytes of a saved reading of these
                                  numbers, as spaced upper-case hex
"""
import sys


def encode(text):
    return ''.join(chr(ord(c) + 85) for c in text if 0 <= ord(c) + 85 <= 255)


def decode(text):
    return ''.join(chr(ord(c) - 85) for c in text if 0 <= ord(c) - 85 <= 255)


def reading(numbers):
    """A saved reading: each number a line of its own, ending in CR LF."""
    return ''.join(encode(n) + '\r\n' for n in numbers).encode('latin-1')


def main(argv):
    if len(argv) >= 2 and argv[0] == 'reading':
        print(' '.join('%02X' % b for b in reading(argv[1:])))
        return 0
    print('usage: plus85.py reading NUMBER...', file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
