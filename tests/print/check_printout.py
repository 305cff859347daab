#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks a printed reading, as a PDF, against what tst_printout expects of it.

    check_printout.py READING.pdf READING.json   one reading
    check_printout.py --folder FOLDER            every *.pdf there, each with
                                                 its .json; none is a failure

The suite renders each reading through the code that prints and writes the
PDF with a .json beside it: the texts the pages must hold (and must not),
the pieces of a working no line may break, the number of pages, the paper and the least margin, and how many portraits.
Poppler's tools read the PDF as anyone's would: pdftotext (the text, and
where each word lies), pdfimages (the pictures and their resolution), pdfinfo
(pages and paper) and pdffonts (every font embedded). On Linux the suite runs
this itself, a reading at a time; the Windows build's suite, under Wine,
cannot run Linux's Poppler, so it leaves the files in a folder and this runs
over the folder afterwards, on the same checks.
"""

import json
import re
import subprocess
import sys
from pathlib import Path


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def flat(text):
    """One line, single blanks: where pdftotext breaks a line is no matter."""
    return " ".join(text.split())


def check(pdf, expected):
    problems = []
    info = run("pdfinfo", str(pdf))
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    if pages != expected["pages"]:
        problems.append(f"{pages} pages, not {expected['pages']}")
    size = re.search(r"^Page size:\s+([\d.]+) x ([\d.]+) pts", info, re.M)
    width, height = float(size.group(1)), float(size.group(2))
    want_width, want_height = expected["page_size_pt"]
    if abs(width - want_width) > 1 or abs(height - want_height) > 1:
        problems.append(f"paper {width} x {height} pt, not {want_width} x {want_height}")

    # The foot of each page is taken out before the text is searched, so a
    # paragraph that runs on to the next page reads as one.
    text = run("pdftotext", "-enc", "UTF-8", str(pdf), "-")
    for page in range(1, pages + 1):
        foot = f"Page {page} of {pages}"
        if foot not in text:
            problems.append(f"no '{foot}'")
    body = flat(text).replace(flat(expected["foot"]), " ")
    body = flat(re.sub(r"Page \d+ of \d+", " ", body))
    for wanted in expected["texts"]:
        if flat(wanted) not in body:
            problems.append(f"text missing: {wanted[:80]!r}")
    for unwanted in expected.get("absent", []):
        if flat(unwanted) in body:
            problems.append(f"text that should not be there: {unwanted[:80]!r}")
    # Pieces no line may break (the steps of a working): each whole on a line.
    lines = [flat(line) for line in text.splitlines()]
    for piece in expected.get("unbroken", []):
        if not any(flat(piece) in line for line in lines):
            problems.append(f"broken across lines: {piece!r}")

    # Every word within the margins.
    margin = expected["margin_pt"]
    boxes = run("pdftotext", "-bbox", str(pdf), "-")
    for match in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>',
                             boxes):
        x0, y0, x1, y1 = (float(match.group(i)) for i in range(1, 5))
        if x0 < margin - 1 or y0 < margin - 1 or x1 > width - margin + 1 or y1 > height - margin + 1:
            problems.append(f"'{match.group(5)}' lies in the margin ({x0:.0f},{y0:.0f} to {x1:.0f},{y1:.0f})")
            break

    # Portraits: how many are drawn, and sharp enough for paper.
    listing = run("pdfimages", "-list", str(pdf)).splitlines()[2:]
    images = [row.split() for row in listing if row.split() and row.split()[2] == "image"]
    if len(images) != expected["images"]:
        problems.append(f"{len(images)} pictures, not {expected['images']}")
    for row in images:
        x_ppi, y_ppi = int(row[12]), int(row[13])
        if min(x_ppi, y_ppi) < expected["min_ppi"]:
            problems.append(f"a picture printed at {x_ppi} x {y_ppi} ppi, under {expected['min_ppi']}")
            break

    # Text as text: every font in the file, embedded.
    fonts = run("pdffonts", str(pdf)).splitlines()[2:]
    if not fonts:
        problems.append("no fonts: the text is not text")
    for row in fonts:
        # name, type, encoding, then emb, sub, uni and the object's two numbers.
        if row.split()[-5] != "yes":
            problems.append(f"a font not embedded: {row.strip()}")
    return problems


def main(argv):
    if len(argv) == 3 and argv[1] == "--folder":
        pdfs = sorted(Path(argv[2]).glob("*.pdf"))
        if not pdfs:
            print(f"no printed readings in {argv[2]}")
            return 1
        pairs = [(pdf, pdf.with_suffix(".json")) for pdf in pdfs]
    elif len(argv) == 3:
        pairs = [(Path(argv[1]), Path(argv[2]))]
    else:
        print(__doc__)
        return 2
    failed = 0
    for pdf, expectations in pairs:
        problems = check(pdf, json.loads(expectations.read_text(encoding="utf-8")))
        print(f"{'FAIL' if problems else 'ok  '} {pdf.name}")
        for problem in problems:
            print(f"     {problem}")
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
