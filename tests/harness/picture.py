#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a window shows, checked pixel by pixel, with nothing but Python and
the X library the X server's clients already have.

    picture.py frame SOURCE        the widest frame is whole on its four sides
    picture.py ring SOURCE WIDTH   the focus ring is whole, at least WIDTH
                                   device pixels wide on each side

SOURCE is an X window id (decimal or 0x...), read from the server in
$DISPLAY, or a PNG file. Exits 0 when the check holds, 1 with the reason on
standard error when it does not.
"""

import ctypes
import ctypes.util
import struct
import sys
import zlib

FRAME_GREY = (0x80, 0x80, 0x80)
RING_BLUE = (0x1E, 0x7A, 0xB8)


class Picture:
    def __init__(self, width, height, pixels):
        self.width = width
        self.height = height
        self.pixels = pixels  # rows of (r, g, b)

    def at(self, x, y):
        return self.pixels[y][x]


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ]


class XWindowAttributes(ctypes.Structure):
    # Only the leading fields are read; the rest is room.
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


def from_window(window):
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        raise SystemExit("picture.py: no X display")
    attributes = XWindowAttributes()
    if not x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        raise SystemExit(f"picture.py: no window {window:#x}")
    all_planes, z_pixmap = 0xFFFFFFFF, 2
    image = x11.XGetImage(display, window, 0, 0, attributes.width, attributes.height, all_planes, z_pixmap)
    if not image:
        raise SystemExit(f"picture.py: window {window:#x} gives no picture")
    img = image.contents
    if img.bits_per_pixel != 32 or img.byte_order != 0:
        raise SystemExit(f"picture.py: {img.bits_per_pixel} bits a pixel, byte order {img.byte_order}: not read here")
    raw = ctypes.string_at(img.data, img.bytes_per_line * img.height)
    rows = []
    for y in range(img.height):
        line = raw[y * img.bytes_per_line:y * img.bytes_per_line + 4 * img.width]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, len(line), 4)])
    x11.XCloseDisplay(display)
    return Picture(img.width, img.height, rows)


def from_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"picture.py: {path} is no PNG file")
    at, chunks, header = 8, [], None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or not channels or interlace:
        raise SystemExit(f"picture.py: {path}: only 8-bit RGB or RGBA without interlacing is read here")
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 0xFF
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, channels)])
        previous = line
    return Picture(width, height, rows)


def runs(picture, colour, horizontal, minimum):
    """Maximal runs of `colour` along rows (or columns) at least `minimum` long:
    (line, start, end) with end inclusive."""
    found = []
    lines, length = (picture.height, picture.width) if horizontal else (picture.width, picture.height)
    for line in range(lines):
        start = None
        for i in range(length + 1):
            inside = i < length and (picture.at(i, line) if horizontal else picture.at(line, i)) == colour
            if inside and start is None:
                start = i
            elif not inside and start is not None:
                if i - start >= minimum:
                    found.append((line, start, i - 1))
                start = None
    return found


def bands(lines):
    """Neighbouring line numbers grouped: [[3, 4], [60]] for 3, 4, 60."""
    groups = []
    for line in sorted(lines):
        if groups and line == groups[-1][-1] + 1:
            groups[-1].append(line)
        else:
            groups.append([line])
    return groups


def column_is(picture, x, top, bottom, colour):
    return all(picture.at(x, y) == colour for y in range(top, bottom + 1))


def check_frame(picture):
    # The widest frame's top and bottom are the longest grey lines, over
    # half the window's width; both must be there, the same length, and
    # the sides must join them.
    long_lines = runs(picture, FRAME_GREY, True, picture.width // 2)
    if not long_lines:
        return "no frame line half as wide as the window"
    longest = max(end - start for _, start, end in long_lines)
    widest = [(y, start, end) for y, start, end in long_lines if end - start >= longest - 1]
    groups = bands(y for y, _, _ in widest)
    if len(groups) < 2:
        return f"the widest frame shows one horizontal side only (rows {groups[0]})"
    top, bottom = groups[0][0], groups[-1][-1]
    left = min(start for _, start, _ in widest)
    right = max(end for _, _, end in widest)
    for y, start, end in widest:
        if start != left or end != right:
            return f"the widest frame's sides differ in length: row {y} runs {start}..{end}, not {left}..{right}"
    for x in (left, right):
        if not column_is(picture, x, top, bottom, FRAME_GREY):
            missing = next(y for y in range(top, bottom + 1) if picture.at(x, y) != FRAME_GREY)
            return f"the widest frame's side at x {x} is broken at y {missing} ({left}..{right} by {top}..{bottom})"
    print(f"frame whole: x {left}..{right}, y {top}..{bottom}")
    return None


def check_ring(picture, width):
    points = [(x, y) for y in range(picture.height) for x in range(picture.width) if picture.at(x, y) == RING_BLUE]
    if not points:
        return "no focus ring"
    left = min(x for x, _ in points)
    right = max(x for x, _ in points)
    top = min(y for _, y in points)
    bottom = max(y for _, y in points)
    for i in range(width):
        sides = {
            f"top, row {top + i}": all(picture.at(x, top + i) == RING_BLUE for x in range(left, right + 1)),
            f"bottom, row {bottom - i}": all(picture.at(x, bottom - i) == RING_BLUE for x in range(left, right + 1)),
            f"left, column {left + i}": column_is(picture, left + i, top, bottom, RING_BLUE),
            f"right, column {right - i}": column_is(picture, right - i, top, bottom, RING_BLUE),
        }
        broken = [side for side, whole in sides.items() if not whole]
        if broken:
            return f"the focus ring {left}..{right} by {top}..{bottom} is not {width} pixels wide: {', '.join(broken)}"
    print(f"focus ring whole, {width} pixels or more: x {left}..{right}, y {top}..{bottom}")
    return None


def main(argv):
    if len(argv) < 3 or argv[1] not in ("frame", "ring") or (argv[1] == "ring" and len(argv) < 4):
        print(__doc__, file=sys.stderr)
        return 2
    source = argv[2]
    picture = from_png(source) if source.endswith(".png") else from_window(int(source, 0))
    problem = check_frame(picture) if argv[1] == "frame" else check_ring(picture, int(argv[3]))
    if problem:
        print(f"picture.py: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
