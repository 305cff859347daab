#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every command the README files and the Makefiles' headers name still works,
as a newcomer would type it:

- each `make` target exists and does something: `make bench` runs for real
  with a short run count and must print its comparison; the others, which
  take minutes or start a window, are dry runs (`make -n`) that must have
  commands to run;
- each `ctest -R` or `-L` pattern selects at least one test, and so does
  each alternative of a pattern (`a|b`), so that a dead one shows;
- each path into the tree (or into the build folder, `build/...`) exists.

    documented_commands.py SOURCE BUILD CTEST
"""

import glob
import os
import re
import shlex
import subprocess
import sys
import tempfile

# Targets run for real rather than dry: the variables they get, and what
# their output must show.
REAL_RUNS = {
    "bench": (["BENCH_RUNS=3"],
              ["Start-up: medians", "Switch: medians", "ratio Pallastro/min."]),
}

failures = []


def fail(where, message):
    failures.append(f"{where}: {message}")


def documents(source):
    """The README files and the Makefiles, with whatever lies in build
    folders or the repository left out."""
    found = []
    for pattern in ("**/README.md", "Makefile", "**/*.mk"):
        for path in glob.glob(pattern, root_dir=source, recursive=True):
            if not re.match(r"(build[^/]*|\.git)/", path):
                found.append(path)
    return sorted(set(found))


def markdown_code(text):
    """(line number, code) of a README: indented code blocks whole, and the
    code spans of every other line."""
    for number, line in enumerate(text.splitlines(), 1):
        if line.startswith("    ") or line.startswith("\t"):
            yield number, line.strip()
        else:
            for span in re.findall(r"`([^`]+)`", line):
                yield number, span


def makefile_header(text):
    """(line number, code) of a Makefile's header comment: the lines that
    name a command (`#   make package   what it does`), and the code spans."""
    for number, line in enumerate(text.splitlines(), 1):
        if not line.startswith("#"):
            break
        command = re.match(r"#\s+(make\s+\S+)", line)
        if command:
            yield number, command.group(1)
        for span in re.findall(r"`([^`]+)`", line):
            yield number, span


def words(code):
    try:
        return shlex.split(code, comments=True)
    except ValueError:
        return code.split("#")[0].split()


def make_targets(code):
    """The targets of each `make` command in a line of code."""
    tokens = words(code)
    for i, token in enumerate(tokens):
        if token != "make":
            continue
        rest = tokens[i + 1:]
        while rest:
            word = rest.pop(0)
            if word in ("&&", "||", ";", "|"):
                break
            if word == "-C":
                rest = rest[1:]
            elif re.fullmatch(r"[a-z][a-z0-9-]*", word):
                yield word
            elif "=" in word or word.startswith("-"):
                continue
            else:
                break


def ctest_patterns(code):
    """(option, pattern) of each `ctest -R/-L` in a line of code."""
    tokens = words(code)
    for i, token in enumerate(tokens):
        if token != "ctest":
            continue
        rest = tokens[i + 1:]
        for j, word in enumerate(rest):
            if word in ("&&", "||", ";", "|"):
                break
            if word in ("-R", "-L") and j + 1 < len(rest):
                yield word, rest[j + 1]


def paths(code, source):
    """The paths into the tree a line of code names, with where they should
    be: relative to the top of the tree when they start with one of its
    top-level entries, in the build folder when they start with build/."""
    # Build folders beside the tree (build-windows, build-package) exist only
    # once someone built there; what they hold depends on that, not on the tree.
    tops = {entry for entry in os.listdir(source) if not entry.startswith("build")}
    for token in re.split(r"[\s()\[\]]+", code):
        token = token.strip("'\",.;:")
        if token.startswith("./"):
            token = token[2:]
        if "/" not in token or token.startswith("/") or re.search(r"[<>$%*~:]", token):
            continue
        first = token.split("/")[0]
        if first == "build":
            yield token, "build"
        elif first in tops:
            yield token, ""


def dry_run(source, build, target, env):
    run = subprocess.run(["make", "-C", source, "-n", target, f"BUILD={build}"],
                         capture_output=True, text=True, env=env)
    output = run.stdout + run.stderr
    if run.returncode != 0:
        return f"`make -n {target}` fails: {output.strip()[-400:]}"
    if re.search(r"Nothing to be done|is up to date", output) or not run.stdout.strip():
        return f"`make {target}` does nothing: {output.strip()[-200:]}"
    return None


def real_run(source, build, target, env):
    variables, expected = REAL_RUNS[target]
    with tempfile.TemporaryDirectory(prefix=f"pallastro-make-{target}-") as record:
        run = subprocess.run(["make", "-C", source, target, f"BUILD={build}", "JOBS=1",
                              f"BENCH_RECORD={record}"] + variables,
                             capture_output=True, text=True, env=env, timeout=600)
    output = run.stdout + run.stderr
    print(f"== make {target} {' '.join(variables)}\n{run.stdout}")
    if run.returncode != 0:
        return f"`make {target}` fails: {output.strip()[-600:]}"
    if "Nothing to be done" in output:
        return f"`make {target}` does nothing"
    missing = [line for line in expected if line not in run.stdout]
    if missing:
        return f"`make {target}` prints no {', '.join(repr(m) for m in missing)}"
    return None


def selected(build, ctest, option, pattern):
    run = subprocess.run([ctest, "-N", option, pattern], cwd=build,
                         capture_output=True, text=True)
    total = re.search(r"Total Tests: (\d+)", run.stdout)
    return int(total.group(1)) if total else 0


def alternatives(pattern):
    """The top-level alternatives of a regular expression (a|b|c)."""
    parts, depth, current, escaped = [], 0, "", False
    for c in pattern:
        if escaped:
            current += c
            escaped = False
        elif c == "\\":
            current += c
            escaped = True
        elif c in "([":
            depth += 1
            current += c
        elif c in ")]":
            depth -= 1
            current += c
        elif c == "|" and depth == 0:
            parts.append(current)
            current = ""
        else:
            current += c
    return parts + [current]


def main():
    source, build, ctest = (os.path.abspath(a) for a in sys.argv[1:4])
    # The child makes are the newcomer's, not the test's own caller's.
    env = {k: v for k, v in os.environ.items()
           if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL", "MAKEOVERRIDES")}

    targets, patterns, named = {}, {}, {}
    for doc in documents(source):
        with open(os.path.join(source, doc), encoding="utf-8") as f:
            text = f.read()
        code = markdown_code(text) if doc.endswith(".md") else makefile_header(text)
        for number, line in code:
            where = f"{doc}:{number}"
            for target in make_targets(line):
                targets.setdefault(target, where)
            for option, pattern in ctest_patterns(line):
                patterns.setdefault((option, pattern), where)
            for path, base in paths(line, source):
                named.setdefault((path, base), where)
        if doc.endswith(".md"):
            # Links and pictures are relative to the document.
            for number, line in enumerate(text.splitlines(), 1):
                for link in re.findall(r"\]\(([^)#:]+)\)", line):
                    named.setdefault((os.path.join(os.path.dirname(doc), link), ""),
                                     f"{doc}:{number}")

    for target, where in sorted(targets.items()):
        check = real_run if target in REAL_RUNS else dry_run
        problem = check(source, build, target, env)
        print(f"make {target}: {problem or 'ok'}  ({where})")
        if problem:
            fail(where, problem)

    for (option, pattern), where in sorted(patterns.items()):
        count = selected(build, ctest, option, pattern)
        print(f"ctest {option} '{pattern}': {count} tests  ({where})")
        if count == 0:
            fail(where, f"`ctest {option} '{pattern}'` selects no test")
            continue
        parts = alternatives(pattern)
        for part in parts if len(parts) > 1 else []:
            if selected(build, ctest, option, part) == 0:
                fail(where, f"'{part}' in `ctest {option} '{pattern}'` selects no test")

    for (path, base), where in sorted(named.items()):
        folder = build if base == "build" else source
        relative = path.split("/", 1)[1] if base == "build" else path
        if not os.path.exists(os.path.join(folder, relative)):
            fail(where, f"{path} does not exist")
    print(f"{len(named)} paths named")

    if not targets or not patterns or not named:
        fail("documents", "found no make target, ctest pattern or path: is the parsing broken?")
    for line in failures:
        print("FAIL " + line)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
