#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the Debian package's copyright file (machine-readable, DEP-5) from
the licence data of the source tree as `reuse spdx` reads it: the headers of
the files, .reuse/dep5 and the texts under LICENSES/. The tree is the one
place where licences are stated; the package only repeats it.

    copyright.py --root SOURCE --name NAME --contact CONTACT --source URL OUTPUT
"""

import argparse
import collections
import fnmatch
import os
import subprocess
import sys

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"

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

# The tag reuse puts in front of a copyright line taken from a file header;
# spelled in two pieces so that reuse does not take it for this file's own.
HEADER_TAG = "SPDX-" + "FileCopyrightText:"


def read_spdx(root):
    """Each file of the tree with its licences and copyright lines."""
    document = subprocess.run(["reuse", "--root", root, "spdx"], check=True,
                              capture_output=True, text=True).stdout
    files = []
    current = None
    text = None  # lines of a <text> value that spans several lines
    for line in document.splitlines():
        if text is not None:
            text.append(line)
            if line.endswith("</text>"):
                current["holders"] = holders_of("\n".join(text))
                text = None
            continue
        key, _, value = line.partition(": ")
        if key == "FileName":
            current = {"path": value.removeprefix("./"), "licences": [], "holders": []}
            files.append(current)
        elif current is None:
            continue
        elif key == "LicenseInfoInFile" and value != "NONE":
            current["licences"].append(value)
        elif key == "FileCopyrightText" and value.startswith("<text>"):
            if value.endswith("</text>"):
                current["holders"] = holders_of(value)
            else:
                text = [value]
    return files


def holders_of(value):
    value = value.removeprefix("<text>").removesuffix("</text>")
    lines = (line.strip().removeprefix(HEADER_TAG).strip() for line in value.splitlines())
    return sorted({line for line in lines if line})


def dep5_licence(expressions):
    """The file's licence in DEP-5 terms: SPDX operators in lower case."""
    words = " and ".join(sorted(set(expressions))).split()
    return " ".join(w.lower() if w in ("AND", "OR", "WITH") else w for w in words)


def patterns_for(group, everything):
    """File patterns naming exactly the files of a group: a folder whose files
    all belong to it becomes folder/*, the highest such folder being taken."""
    members = set(group)
    patterns = set()
    for path in group:
        parts = path.split("/")
        pattern = path
        for depth in range(1, len(parts)):
            folder = "/".join(parts[:depth]) + "/"
            if all(p in members for p in everything if p.startswith(folder)):
                pattern = folder + "*"
                break
        patterns.add(pattern)
    return sorted(patterns)


def licence_paragraph(licence, root):
    lines = ["License: " + licence]
    if licence in COMMON_LICENCES:
        name, grant = COMMON_LICENCES[licence]
        body = (grant + "\n\nOn Debian systems, the complete text of this licence can be\n"
                "found in \"/usr/share/common-licenses/" + name + "\".")
    else:
        with open(os.path.join(root, "LICENSES", licence + ".txt"), encoding="utf-8") as text:
            body = text.read().strip("\n")
    for line in body.splitlines():
        line = line.rstrip()
        lines.append(" " + line if line else " .")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--name", required=True)
    parser.add_argument("--contact", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("output")
    args = parser.parse_args()

    files = read_spdx(args.root)
    unlicensed = [f["path"] for f in files if not f["licences"] or not f["holders"]]
    if unlicensed:
        sys.exit("copyright.py: no licence or copyright for: " + " ".join(unlicensed)
                 + " (see `reuse lint`)")
    odd = [f["path"] for f in files if any(c in f["path"] for c in " \t*?[]")]
    if odd:
        sys.exit("copyright.py: file names a copyright file cannot match: " + " ".join(odd))

    groups = collections.defaultdict(list)
    for f in files:
        groups[(dep5_licence(f["licences"]), tuple(f["holders"]))].append(f["path"])
    everything = [f["path"] for f in files]
    # The licence most files are under covers the rest as "*"; the others
    # follow, since in DEP-5 the last paragraph that matches a file counts.
    default = max(groups, key=lambda key: (len(groups[key]), key))
    stanzas = [(["*"], default)]
    for key in sorted(groups):
        if key != default:
            stanzas.append((patterns_for(groups[key], everything), key))

    # The file must say what the tree says, for every file of it.
    for f in files:
        matching = [key for patterns, key in stanzas
                    if any(fnmatch.fnmatchcase(f["path"], p) for p in patterns)]
        if matching[-1] != (dep5_licence(f["licences"]), tuple(f["holders"])):
            sys.exit("copyright.py: the patterns misstate " + f["path"])

    out = ["Format: " + FORMAT,
           "Upstream-Name: " + args.name,
           "Upstream-Contact: " + args.contact,
           "Source: " + args.source]
    for patterns, (licence, holders) in stanzas:
        out.append("")
        out.append("Files: " + "\n ".join(patterns))
        out.append("Copyright: " + "\n ".join(holders))
        out.append("License: " + licence)
    named = {word for f in files for expression in f["licences"]
             for word in expression.replace("(", " ").replace(")", " ").split()}
    for licence in sorted(named - {"AND", "OR", "WITH"}):
        out.append("")
        out.append(licence_paragraph(licence, args.root))

    with open(args.output, "w", encoding="utf-8") as output:
        output.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
