#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The licences of everything the Windows folder bundles, and its notice.

    licences.py gather --dsc FILE --build-qt SCRIPT --own-licences DIR
                       --runtime DLL... --out DIR --archive FILE
        Collects under OUT/LICENSES the licence texts of Qt and of the
        third-party code in its shipped DLLs (from the Qt source package FILE,
        unpacked and patched by dpkg-source), of the MinGW runtime (its Debian
        packages' copyright files) and Pallastro's own; what the notice says
        of them goes into OUT/components.json, the source package into the
        tar ARCHIVE.

    licences.py notice --components FILE --product NAME --version X.Y.Z
                       --commit TEXT --out FILE --files NAME...
        Writes NOTICE.txt: what each program file NAME of the folder
        (platforms/qwindows.dll) is, under which licence, where its texts are,
        and where the Qt source is.
"""

import argparse
import fnmatch
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile
import textwrap

from debian.deb822 import Deb822, Dsc

# Other holders' words (FreeType's credit, Qt's and Pallastro's copyright
# lines) live beside this file; notices.license gives their licence.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "notices"),
          encoding="utf-8") as f:
    NOTICES = {key: " ".join(value.split()) for key, value in Deb822(f).items()}

# Every entry of qtbase's qt_attribution.json files is decided on here, so
# that a new Qt source with new third-party code stops the build until
# someone has looked at where that code goes. Read off the Qt build's own
# sources and link lines. Qt6PrintSupport holds no third-party code.
SHIPPED_IN = {
    "Qt6Core.dll": "doubleconversion zlib pcre2 pcre2-sljit md4 md5 sha1 sha3_endian"
                   " sha3_keccak blake2 rfc6234 siphash easing tinycbor"
                   " unicode-character-database unicode-cldr",
    # FreeType with its gzip, BDF and PCF modules; MD4C as markdown is on;
    # the sRGB profile and the glyph list as the pdf feature is.
    "Qt6Gui.dll": "freetype freetype-zlib freetype-bdf freetype-pcf harfbuzz-ng libpng"
                  " grayraster smooth-scaling-algorithm xserverhelper md4c webgradients"
                  " icc-sRGB-color-profile aglfn",
    "imageformats\\qjpeg.dll": "libjpeg",
    # The top-level-domain check: its code and the public suffix list.
    "Qt6Network.dll": "libpsl psl",
}
SHIPPED = {ident: dll for dll, idents in SHIPPED_IN.items() for ident in idents.split()}

# Not in anything shipped, and why.
NOT_SHIPPED = {
    "build system only": "extra-cmake-modules kwin",
    "Vulkan is off": "VulkanMemoryAllocator vulkan-*",
    "Android only": "android-native-style android-gradle-wrapper",
    "Unix only": "forkfd",
    "ARM only": "pixman",
    "WebAssembly only": "vera_font dejayvu",
    "X11 only": "xcb-xinput",
    "macOS only": "qeventdispatcher_cf cocoa-platform-plugin",
    "Qt D-Bus, not built": "libdbus-1-headers",
    "OpenGL is off; headers only": "opengl-headers opengl-es2-headers",
    "Qt Test, not shipped": "valgrind cycle linuxperf",
    "Qt's own tests": "catch2",
}
NOT_SHIPPED_PATTERNS = " ".join(NOT_SHIPPED.values()).split()

# Texts FreeType's licence refers to without Qt naming them, and the credit
# it asks for in the documentation.
EXTRA_FILES = {"freetype": ["docs/FTL.TXT", "docs/GPLv2.TXT"]}
EXTRA_NOTES = {"freetype": NOTICES["FreeType"]}

# qtbase's files carry "LGPL-3.0-only OR GPL-2.0-only OR GPL-3.0-only".
QT_LICENCES = ["LGPL-3.0-only.txt", "GPL-2.0-only.txt", "GPL-3.0-only.txt"]
OWN_LICENCES = ["GPL-3.0-or-later.txt", "CC-BY-SA-4.0.txt"]


def fail(message):
    sys.exit(f"licences.py: {message}")


def run(*command):
    return subprocess.run(command, stdout=subprocess.PIPE, text=True, check=True).stdout.strip()


def copy_text(source, target):
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(source, target)


def one_line(text):
    return " ".join(str(text).split())


def copyright_lines(text):
    """One line per holder: a line that does not start a new notice continues
    the one before it."""
    lines = []
    for line in filter(None, map(one_line, str(text).splitlines())):
        if lines and not re.match(r"(Copyright|\(C\)|©)", line, re.IGNORECASE):
            lines[-1] += " " + line
        else:
            lines.append(line)
    return lines


def attributions(root):
    """Every qt_attribution.json entry of the source, with its folder."""
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        if "qt_attribution.json" in files:
            with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
                data = json.loads(f.read(), strict=False)  # line breaks inside strings
            for entry in data if isinstance(data, list) else [data]:
                yield folder, entry


def gather(args):
    out = os.path.abspath(args.out)
    licences = os.path.join(out, "LICENSES")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(licences)
    with open(args.dsc, "rb") as f:
        package_files = [(os.path.basename(args.dsc), hashlib.file_digest(f, "sha256").hexdigest())]
        f.seek(0)
        package_files += [(entry["name"], entry["sha256"]) for entry in Dsc(f)["Checksums-Sha256"]]

    with tempfile.TemporaryDirectory(prefix="pallastro-qt-source-") as tmp:
        src = os.path.join(tmp, "src")
        # The signature is not checked: that needs Debian's keyring.
        subprocess.run(["dpkg-source", "-q", "-x", args.dsc, src], check=True,
                       stdout=subprocess.DEVNULL)
        components = qt_texts(src, licences)
        qt = qt_source_facts(src, package_files, args.build_qt)
    mingw = mingw_texts(args.runtime, licences)
    for name in OWN_LICENCES:
        copy_text(os.path.join(args.own_licences, name), os.path.join(licences, "Pallastro", name))

    with open(os.path.join(out, "components.json"), "w", encoding="utf-8") as f:
        json.dump({"qt": qt, "third_party": components, "mingw": mingw}, f,
                  indent=1, sort_keys=True)
        f.write("\n")
    write_archive(args.archive, os.path.dirname(args.dsc), [name for name, _ in package_files],
                  qt["date"])


def qt_texts(src, licences):
    for name in QT_LICENCES:
        copy_text(os.path.join(src, "LICENSES", name), os.path.join(licences, "Qt", name))
    copy_text(os.path.join(src, "debian", "copyright"),
              os.path.join(licences, "Qt", "debian-copyright.txt"))

    components = []
    for folder, entry in attributions(src):
        ident = entry.get("Id")
        if any(fnmatch.fnmatchcase(ident, pattern) for pattern in NOT_SHIPPED_PATTERNS):
            continue
        if ident not in SHIPPED:
            fail(f"{os.path.relpath(folder, src)}/qt_attribution.json names '{ident}', "
                 "which licences.py does not know: decide whether it is shipped")
        names = entry.get("LicenseFiles") or [entry.get("LicenseFile")]
        names = [n for n in names + [entry.get("CopyrightFile")] if n]
        names += EXTRA_FILES.get(ident, [])
        # Windows opens a .txt with a double click.
        folder_texts = os.path.join("Qt", "third-party", ident)
        texts = [os.path.join(folder_texts, n if n.lower().endswith(".txt") else n + ".txt")
                 for n in map(os.path.basename, names)]
        for name, text in zip(names, texts):
            copy_text(os.path.normpath(os.path.join(folder, name)), os.path.join(licences, text))
        if not texts:
            # Public-domain code: the statement is all there is.
            texts = [os.path.join(folder_texts, "STATEMENT.txt")]
            os.makedirs(os.path.dirname(os.path.join(licences, texts[0])), exist_ok=True)
            with open(os.path.join(licences, texts[0]), "w", encoding="utf-8") as f:
                f.write(f"{entry.get('Name', ident)}\n\nLicence: {entry.get('License', '')}\n\n"
                        f"{entry.get('Copyright', '').strip()}\n")
        components.append({
            "id": ident,
            "name": one_line(entry.get("Name", ident)),
            "version": one_line(entry.get("Version", "")),
            "licence": one_line(entry.get("LicenseId") or entry.get("License", "")),
            "copyright": copyright_lines(entry.get("Copyright", "")),
            "in": SHIPPED[ident],
            "texts": texts,
            "note": EXTRA_NOTES.get(ident, ""),
        })
    missing = sorted(set(SHIPPED) - {c["id"] for c in components})
    if missing:
        fail(f"the Qt source has no attribution for {', '.join(missing)}")
    return sorted(components, key=lambda c: c["name"].lower())


def qt_source_facts(src, package_files, build_qt):
    changelog = Deb822(run("dpkg-parsechangelog", "-l", os.path.join(src, "debian", "changelog")))
    with open(os.path.join(src, "debian", "patches", "series"), encoding="utf-8") as f:
        patches = re.findall(r"^[ \t]*([^#\s]+)", f.read(), re.MULTILINE)
    with open(os.path.join(src, ".cmake.conf"), encoding="utf-8") as f:
        upstream = re.search(r'QT_REPO_MODULE_VERSION\s+"([0-9.]+)"', f.read())
    if not upstream:
        fail("the Qt source does not say its version in .cmake.conf")
    return {
        "package": changelog["Source"],
        "version": changelog["Version"],
        "upstream": upstream.group(1),
        "date": int(changelog["Timestamp"]),
        "files": [{"name": n, "sha256": d} for n, d in package_files],
        "dsc": package_files[0][0],
        "patches": patches,
        "options": run(build_qt, "--options").split(),
    }


def mingw_texts(dlls, licences):
    """The runtime DLLs by the Debian package that holds them, with its
    copyright file."""
    by_package = {}
    for dll in dlls:
        package = run("dpkg-query", "-S", os.path.realpath(dll)).split(":", 1)[0]
        if package not in by_package:
            version, source, source_version = run(
                "dpkg-query", "-W", "-f", "${Version}\t${source:Package}\t${source:Version}",
                package).split("\t")
            text = os.path.join("MinGW", f"{package}.txt")
            copy_text(f"/usr/share/doc/{package}/copyright", os.path.join(licences, text))
            by_package[package] = {"package": package, "version": version, "source": source,
                                   "source_version": source_version, "files": [], "texts": [text]}
        by_package[package]["files"].append(os.path.basename(dll))
    # GCC's copyright file gives the GPL by reference to Debian's copy.
    copy_text("/usr/share/common-licenses/GPL-3", os.path.join(licences, "MinGW", "GPL-3.txt"))
    return sorted(by_package.values(), key=lambda e: e["package"])


def write_archive(archive, folder, names, date):
    """The source package files as fetched, in one tar whose every byte
    follows from them (dated by the package's changelog)."""
    with tarfile.open(archive + ".partial", "w", format=tarfile.USTAR_FORMAT) as tar:
        for name in names:
            info = tar.gettarinfo(os.path.join(folder, name), arcname=name)
            info.mtime, info.mode, info.uid, info.gid = date, 0o644, 0, 0
            info.uname = info.gname = "root"
            with open(os.path.join(folder, name), "rb") as f:
                tar.addfile(info, f)
    os.replace(archive + ".partial", archive)


def wrap(text, indent=""):
    """TEXT as lines of at most 78 characters; its own line breaks and runs of
    spaces count as one space."""
    return textwrap.fill(one_line(text), 78, initial_indent=indent, subsequent_indent=indent,
                         break_long_words=False, break_on_hyphens=False)


def win(path):
    return path.replace("/", "\\")


def heading(title):
    return f"{title}\n{'-' * len(title)}"


def listing(lines):
    return "\n".join("  " + line for line in lines)


def notice(args):
    with open(args.components, encoding="utf-8") as f:
        data = json.load(f)
    qt, mingw, product = data["qt"], data["mingw"], args.product
    runtime = {f for m in mingw for f in m["files"]}
    if "pallastro.exe" not in args.files or not runtime <= set(args.files):
        fail("the folder's files are not those the notice was gathered for")
    qt_files = sorted(set(args.files) - runtime - {"pallastro.exe"},
                      key=lambda f: (f.count("/"), f.lower()))
    for f in qt_files:
        if not re.fullmatch(r"Qt6\w+\.dll|(platforms|imageformats|styles)/q\w+\.dll", f):
            fail(f"{f} is neither Pallastro's, nor Qt's, nor the MinGW runtime's")
    qt_dlls = ", ".join(map(win, qt_files[:-1])) + " and " + win(qt_files[-1])
    package, version, upstream = qt["package"], qt["version"], qt["upstream"]
    snapshot = f"https://snapshot.debian.org/package/{package}/{version.replace('+', '%2B')}/"
    pool = f"https://deb.debian.org/debian/pool/main/{package[0]}/{package}/"

    # Paragraphs are wrapped; headings and listings are kept as they are.
    blocks = [
        f"{product} {args.version} for 64-bit Windows",
        wrap(NOTICES["Pallastro"]),
        wrap(f"""{product} is free software: you can redistribute it and/or modify it under the
             terms of the GNU General Public License as published by the Free Software Foundation,
             either version 3 of the License, or (at your option) any later version
             (LICENSES\\Pallastro\\GPL-3.0-or-later.txt). Its portraits, icon and pointers are under
             the Creative Commons Attribution-ShareAlike 4.0 International licence
             (LICENSES\\Pallastro\\CC-BY-SA-4.0.txt)."""),
        wrap(f"""{product} is distributed in the hope that it will be useful, but WITHOUT ANY
             WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A
             PARTICULAR PURPOSE. See the GNU General Public License for more details."""),
        wrap(f"pallastro.exe was built from the {product} source, commit {args.commit}."),
        heading("Qt"),
        wrap(f"""{qt_dlls} are Qt {upstream} (its qtbase module), {NOTICES['Qt']}, used under the
             GNU Lesser General Public License version 3 (LICENSES\\Qt\\LGPL-3.0-only.txt, which
             adds to the GNU General Public License version 3 in LICENSES\\Qt\\GPL-3.0-only.txt).
             Qt is also offered under the GNU General Public License version 2
             (LICENSES\\Qt\\GPL-2.0-only.txt) or 3. Debian's record of every copyright holder and
             licence in the Qt source is LICENSES\\Qt\\debian-copyright.txt."""),
        wrap(f"""They are separate DLLs that pallastro.exe loads at run time: you may replace them
             with a Qt {upstream} of your own build, from this source changed as you like."""),
        wrap(f"""They were built, unchanged, from Debian's source package {package}, version
             {version}:"""),
        listing(f"{f['name']}\n    SHA-256 {f['sha256']}" for f in qt["files"]),
        wrap("""with Debian's patches applied in this order (the package's debian/patches/series;
             dpkg-source -x applies them):"""),
        listing(f"{i}. {name}" for i, name in enumerate(qt["patches"], 1)),
        wrap(f"""and configured for Windows with the MinGW-w64 cross compiler (GCC) and these
             options, by {product}'s packaging/win64/build-qt.sh:"""),
        listing(qt["options"]),
        wrap(f"""Those files, exactly as Debian publishes them, are distributed beside this package
             in {package}_{version}-source.tar. Debian keeps them at {snapshot} (or, while
             current, in {pool}). Unpack them with "dpkg-source -x {qt['dsc']}"."""),
        heading("Third-party code in Qt"),
        wrap("""Qt's DLLs hold the following code of others, as Qt's qt_attribution.json files
             record it. The texts are under LICENSES\\Qt\\third-party."""),
    ]
    for c in data["third_party"]:
        lines = [f"In: {c['in']}", f"Licence: {c['licence']}", *c["copyright"], c["note"],
                 "Texts: " + ", ".join(win(os.path.join("LICENSES", t)) for t in c["texts"])]
        title = c["name"] + (f", version {c['version']}" if c["version"] else "")
        blocks.append("\n".join([f"* {title}"] + [wrap(line, "    ") for line in lines if line]))
    blocks.append(heading("MinGW-w64 runtime"))
    for m in mingw:
        blocks.append(wrap(f"""{', '.join(m['files'])}: from Debian's package {m['package']}
                           {m['version']}, built from the source package {m['source']}
                           {m['source_version']}. Its copyright and licence terms:
                           {win(os.path.join('LICENSES', m['texts'][0]))}."""))
    blocks.append(wrap("""The GCC runtime libraries (libstdc++ and libgcc) are under the GNU General
        Public License version 3 or later with the GCC Runtime Library Exception 3.1, whose text is
        in the copyright file named above; the GPL's text is LICENSES\\MinGW\\GPL-3.txt.
        pallastro.exe and the Qt DLLs also hold start-up code of the MinGW-w64 C runtime and of
        libgcc, under the same terms."""))
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("\n\n".join(blocks) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    options = {"gather": ["dsc", "build-qt", "own-licences", "runtime+", "out", "archive"],
               "notice": ["components", "product", "version", "commit", "out", "files+"]}
    for command, names in options.items():
        sub = commands.add_parser(command)
        for name in names:
            sub.add_argument("--" + name.rstrip("+"), required=True,
                             nargs="+" if name.endswith("+") else None)
    args = parser.parse_args()
    gather(args) if args.command == "gather" else notice(args)


if __name__ == "__main__":
    main()
