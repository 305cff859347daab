#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the Debian package's copyright file (machine-readable, DEP-5) from
the tree's .reuse/dep5, which holds the licence of the tree as a whole and
every path under another, and from the licence texts under LICENSES/.

    copyright.py --root SOURCE --name NAME --contact CONTACT --source URL OUTPUT
"""

import argparse
import os

from debian.copyright import Copyright

# Licences every Debian system has in /usr/share/common-licenses: the file
# points there rather than repeating the text, as Debian's own packages do.
# Each entry: the file there, and the grant the licence is given under.
COMMON_LICENCES = {
    "GPL-3.0-or-later": (
        "GPL-3",
        "This program is free software: you can redistribute it and/or modify\n"
        "it under the terms of the GNU General Public License as published by\n"
        "the Free Software Foundation, either version 3 of the License, or\n"
        "(at your option) any later version.",
    ),
    "CC0-1.0": (
        "CC0-1.0",
        "To the extent possible under law, the authors have dedicated all\n"
        "copyright and related and neighboring rights to these files to the\n"
        "public domain worldwide, under the CC0 1.0 Universal dedication.",
    ),
}


def files_paragraph(files, holders, licence):
    return "Files: " + "\n ".join(files) + f"\nCopyright: {holders}\nLicense: {licence}"


def licence_paragraph(licence, root):
    if licence in COMMON_LICENCES:
        name, grant = COMMON_LICENCES[licence]
        body = (f"{grant}\n\nOn Debian systems, the complete text of this licence can be\n"
                f"found in \"/usr/share/common-licenses/{name}\".")
    else:
        with open(os.path.join(root, "LICENSES", licence + ".txt"), encoding="utf-8") as text:
            body = text.read().strip("\n")
    lines = (" " + line.rstrip() if line.strip() else " ." for line in body.splitlines())
    return "License: " + licence + "\n" + "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--root", "--name", "--contact", "--source"):
        parser.add_argument(option, required=True)
    parser.add_argument("output")
    args = parser.parse_args()

    with open(os.path.join(args.root, ".reuse", "dep5"), encoding="utf-8") as dep5:
        tree = Copyright(dep5)
    whole = tree.header.license.synopsis
    # Paths under the licence of the whole are already covered by "*"; the
    # others follow, since in DEP-5 the last paragraph that matches counts.
    others = [p for p in tree.all_files_paragraphs() if p.license.synopsis != whole]

    out = [f"Format: {tree.header.format}\nUpstream-Name: {args.name}\n"
           f"Upstream-Contact: {args.contact}\nSource: {args.source}",
           files_paragraph(["*"], tree.header.copyright, whole)]
    out += [files_paragraph(p.files, p.copyright, p.license.synopsis) for p in others]
    out += [licence_paragraph(licence, args.root)
            for licence in sorted({whole} | {p.license.synopsis for p in others})]
    with open(args.output, "w", encoding="utf-8") as output:
        output.write("\n\n".join(out) + "\n")


if __name__ == "__main__":
    main()
