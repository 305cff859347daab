#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The licences of everything the Windows folder bundles, and its notice.

    licences.py gather --qt-source DIR --build-qt SCRIPT --own-licences DIR
                       --runtime DLL... --out DIR --archive FILE
        Unpacks the Qt source package in DIR (the .dsc with Debian's patches
        applied), takes from it Qt's own licence texts, Debian's copyright
        file and the licence files of the third-party code built into the
        DLLs that are shipped (as Qt's qt_attribution.json files name them);
        takes the copyright files of the Debian packages the MinGW runtime
        DLLs come from, and Pallastro's own texts. Writes them under
        OUT/LICENSES, what the notice needs into OUT/components.json, and the
        source package files as one tar archive, ARCHIVE.

    licences.py notice --components FILE --product NAME --version X.Y.Z
                       --commit TEXT --out FILE --files NAME...
        Writes the notice (NOTICE.txt) that says what each of the folder's
        program files NAME (pallastro.exe, platforms/qwindows.dll) is, under
        which licence, where its texts are, and where the Qt source is.

The .dsc is read with python3-debian; dpkg-source unpacks the source and
checks it against the .dsc.
"""

import argparse
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

# The notices the packages quote (the credit FreeType's licence asks for,
# Qt's and Pallastro's own) are kept in a file of their own, beside this one,
# whose licence reuse reads from notices.license.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "notices"),
          encoding="utf-8") as f:
    NOTICES = {key: " ".join(value.split()) for key, value in Deb822(f).items()}

# Every entry of qtbase's qt_attribution.json files is decided on here, so
# that a new Qt source with new third-party code stops the build until
# someone has looked at where that code goes.
#
# In the DLLs that are shipped, with the file that holds it. Read off the
# Qt build's own sources and link lines: Qt6Core links the bundled zlib and
# PCRE2 (with its JIT on x86-64) and compiles double-conversion, the hashes
# of QCryptographicHash, SipHash, the easing curves, TinyCBOR and the
# Unicode and CLDR tables; Qt6Gui links the bundled FreeType (with its gzip,
# BDF and PCF modules), HarfBuzz and libpng and compiles the gray
# rasteriser, the smooth scaling, QRegion's X server code, MD4C (markdown
# is on), the gradient presets and, since the pdf feature is on, the sRGB
# profile and the Adobe glyph list; the JPEG plugin links libjpeg-turbo.
# Qt6PrintSupport holds no third-party code: no qt_attribution.json names any.
SHIPPED = {
    "doubleconversion": "Qt6Core.dll",
    "zlib": "Qt6Core.dll",
    "pcre2": "Qt6Core.dll",
    "pcre2-sljit": "Qt6Core.dll",
    "md4": "Qt6Core.dll",
    "md5": "Qt6Core.dll",
    "sha1": "Qt6Core.dll",
    "sha3_endian": "Qt6Core.dll",
    "sha3_keccak": "Qt6Core.dll",
    "blake2": "Qt6Core.dll",
    "rfc6234": "Qt6Core.dll",
    "siphash": "Qt6Core.dll",
    "easing": "Qt6Core.dll",
    "tinycbor": "Qt6Core.dll",
    "unicode-character-database": "Qt6Core.dll",
    "unicode-cldr": "Qt6Core.dll",
    "freetype": "Qt6Gui.dll",
    "freetype-zlib": "Qt6Gui.dll",
    "freetype-bdf": "Qt6Gui.dll",
    "freetype-pcf": "Qt6Gui.dll",
    "harfbuzz-ng": "Qt6Gui.dll",
    "libpng": "Qt6Gui.dll",
    "grayraster": "Qt6Gui.dll",
    "smooth-scaling-algorithm": "Qt6Gui.dll",
    "xserverhelper": "Qt6Gui.dll",
    "md4c": "Qt6Gui.dll",
    "webgradients": "Qt6Gui.dll",
    "icc-sRGB-color-profile": "Qt6Gui.dll",
    "aglfn": "Qt6Gui.dll",
    "libjpeg": "imageformats\\qjpeg.dll",
    # Qt Network's top-level-domain check: the lookup code and the public
    # suffix list it reads.
    "libpsl": "Qt6Network.dll",
    "psl": "Qt6Network.dll",
}

# Not in anything shipped, and why.
NOT_SHIPPED = {
    "extra-cmake-modules": "build system only",
    "kwin": "build system only",
    "VulkanMemoryAllocator": "Vulkan is off",
    "android-native-style": "Android only",
    "android-gradle-wrapper": "Android only",
    "forkfd": "Unix only",
    "pixman": "ARM only",
    "vera_font": "WebAssembly only",
    "dejayvu": "WebAssembly only",
    "xcb-xinput": "X11 only",
    "qeventdispatcher_cf": "macOS only",
    "cocoa-platform-plugin": "macOS only",
    "libdbus-1-headers": "Qt D-Bus, not built",
    "opengl-headers": "OpenGL is off; headers only",
    "opengl-es2-headers": "OpenGL is off; headers only",
    "valgrind": "Qt Test, not shipped",
    "cycle": "Qt Test, not shipped",
    "linuxperf": "Qt Test, not shipped",
    "catch2": "Qt's own tests",
}

# Whole families of components left out with a feature, by the start of
# their id (the Vulkan registry's XML, say).
NOT_SHIPPED_FAMILIES = {
    "vulkan-": "Vulkan is off",
}


def not_shipped(ident):
    return ident in NOT_SHIPPED or any(ident.startswith(f) for f in NOT_SHIPPED_FAMILIES)


# Texts a component's licence file refers to without Qt naming them.
EXTRA_FILES = {
    "freetype": ["docs/FTL.TXT", "docs/GPLv2.TXT"],
}

# The credit FreeType's licence asks for in the documentation.
EXTRA_NOTES = {
    "freetype": NOTICES["FreeType"],
}

# Qt itself: qtbase's files carry "LGPL-3.0-only OR GPL-2.0-only OR
# GPL-3.0-only" (besides Qt's commercial licence).
QT_LICENCES = ["LGPL-3.0-only.txt", "GPL-2.0-only.txt", "GPL-3.0-only.txt"]

OWN_LICENCES = ["GPL-3.0-or-later.txt", "CC-BY-SA-4.0.txt"]


def fail(message):
    print(f"licences.py: {message}", file=sys.stderr)
    sys.exit(1)


def text_name(name):
    """The name a text gets in the folder: one Windows opens with a double click."""
    return name if name.lower().endswith(".txt") else name + ".txt"


def copy_text(source, target):
    if not os.path.isfile(source):
        fail(f"{source} is missing")
    os.makedirs(os.path.dirname(target), exist_ok=True)
    shutil.copyfile(source, target)


def attributions(root):
    """Every qt_attribution.json entry of the source, with its folder."""
    entries = []
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        if "qt_attribution.json" not in files:
            continue
        with open(os.path.join(folder, "qt_attribution.json"), encoding="utf-8") as f:
            # Some of them carry line breaks inside strings.
            data = json.loads(f.read(), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            entries.append((folder, entry))
    return entries


def one_line(text):
    return " ".join(str(text).split())


def copyright_lines(text):
    """One line per holder: a line that does not start a new notice continues
    the one before it."""
    lines = []
    for line in str(text).splitlines():
        line = one_line(line)
        if not line:
            continue
        if lines and not re.match(r"(Copyright|\(C\)|©)", line, re.IGNORECASE):
            lines[-1] += " " + line
        else:
            lines.append(line)
    return lines


def debian_package(path):
    """The installed Debian package that holds PATH: name, source and version."""
    out = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True)
    if out.returncode != 0:
        fail(f"no Debian package holds {path}")
    package = out.stdout.split(":", 1)[0].strip()
    fields = subprocess.run(
        ["dpkg-query", "-W", "-f", "${Version}\t${source:Package}\t${source:Version}", package],
        capture_output=True, text=True, check=True).stdout.split("\t")
    return package, fields[0], fields[1], fields[2]


def gather(args):
    out = os.path.abspath(args.out)
    licences = os.path.join(out, "LICENSES")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(licences)

    dscs = sorted(f for f in os.listdir(args.qt_source) if f.endswith(".dsc"))
    if len(dscs) != 1:
        fail(f"expected one .dsc in {args.qt_source}, found {dscs}")
    dsc = os.path.join(args.qt_source, dscs[0])
    with open(dsc, "rb") as f:
        package_files = [(dscs[0], hashlib.file_digest(f, "sha256").hexdigest())]
        f.seek(0)
        package_files += [(entry["name"], entry["sha256"]) for entry in Dsc(f)["Checksums-Sha256"]]

    with tempfile.TemporaryDirectory(prefix="pallastro-qt-source-") as tmp:
        src = os.path.join(tmp, "src")
        # dpkg-source checks every file against the .dsc's checksums; the
        # signature needs Debian's keyring, which a build machine lacks.
        subprocess.run(["dpkg-source", "-q", "-x", dsc, src], check=True,
                       stdout=subprocess.DEVNULL)
        components = qt_texts(src, licences)
        qt = qt_source_facts(src, dscs[0], package_files, args.build_qt)

    mingw = mingw_texts(args.runtime, licences)

    for name in OWN_LICENCES:
        copy_text(os.path.join(args.own_licences, name),
                  os.path.join(licences, "Pallastro", name))

    with open(os.path.join(out, "components.json"), "w", encoding="utf-8") as f:
        json.dump({"qt": qt, "third_party": components, "mingw": mingw}, f,
                  indent=1, sort_keys=True)
        f.write("\n")

    write_archive(args.archive, args.qt_source, [name for name, _ in package_files],
                  qt["date"])


def qt_texts(src, licences):
    for name in QT_LICENCES:
        copy_text(os.path.join(src, "LICENSES", name), os.path.join(licences, "Qt", name))
    copy_text(os.path.join(src, "debian", "copyright"),
              os.path.join(licences, "Qt", "debian-copyright.txt"))

    seen, components = set(), []
    for folder, entry in attributions(src):
        ident = entry.get("Id")
        if not_shipped(ident):
            seen.add(ident)
            continue
        if ident not in SHIPPED:
            fail(f"{os.path.relpath(folder, src)}/qt_attribution.json names '{ident}', "
                 "which licences.py does not know: decide whether it is shipped")
        seen.add(ident)
        names = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
        if entry.get("CopyrightFile"):
            names.append(entry["CopyrightFile"])
        names += EXTRA_FILES.get(ident, [])
        texts = []
        for name in names:
            target = os.path.join("Qt", "third-party", ident, text_name(os.path.basename(name)))
            copy_text(os.path.normpath(os.path.join(folder, name)), os.path.join(licences, target))
            texts.append(target)
        if not texts:
            # Public-domain code: the statement is all there is.
            target = os.path.join("Qt", "third-party", ident, "STATEMENT.txt")
            os.makedirs(os.path.dirname(os.path.join(licences, target)), exist_ok=True)
            with open(os.path.join(licences, target), "w", encoding="utf-8") as f:
                f.write(f"{entry.get('Name', ident)}\n\nLicence: {entry.get('License', '')}\n\n"
                        f"{entry.get('Copyright', '').strip()}\n")
            texts.append(target)
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
    missing = sorted(set(SHIPPED) - seen)
    if missing:
        fail(f"the Qt source has no attribution for {', '.join(missing)}")
    components.sort(key=lambda c: c["name"].lower())
    return components


def qt_source_facts(src, dsc_name, package_files, build_qt):
    changelog = os.path.join(src, "debian", "changelog")

    def parsed(field):
        return subprocess.run(["dpkg-parsechangelog", "-l", changelog, "-S", field],
                              capture_output=True, text=True, check=True).stdout.strip()

    series = os.path.join(src, "debian", "patches", "series")
    patches = []
    if os.path.isfile(series):
        with open(series, encoding="utf-8") as f:
            for line in f:
                line = line.split("#", 1)[0].strip()
                if line:
                    patches.append(line.split()[0])
    options = subprocess.run([build_qt, "--options"], capture_output=True, text=True,
                             check=True).stdout.split()
    with open(os.path.join(src, ".cmake.conf"), encoding="utf-8") as f:
        upstream = re.search(r'QT_REPO_MODULE_VERSION\s+"([0-9.]+)"', f.read())
    if not upstream:
        fail("the Qt source does not say its version in .cmake.conf")
    return {
        "package": parsed("Source"),
        "version": parsed("Version"),
        "upstream": upstream.group(1),
        "date": int(parsed("Timestamp")),
        "files": [{"name": n, "sha256": d} for n, d in package_files],
        "dsc": dsc_name,
        "patches": patches,
        "options": options,
    }


def mingw_texts(dlls, licences):
    by_package = {}
    for dll in dlls:
        path = os.path.realpath(dll)
        package, version, source, source_version = debian_package(path)
        entry = by_package.setdefault(package, {
            "package": package, "version": version, "source": source,
            "source_version": source_version, "files": [],
            "texts": [os.path.join("MinGW", f"{package}.txt")]})
        entry["files"].append(os.path.basename(dll))
        copy_text(f"/usr/share/doc/{package}/copyright", os.path.join(licences, entry["texts"][0]))
    # GCC's copyright file gives the GPL by reference to Debian's copy.
    copy_text("/usr/share/common-licenses/GPL-3", os.path.join(licences, "MinGW", "GPL-3.txt"))
    return sorted(by_package.values(), key=lambda e: e["package"])


def write_archive(archive, folder, names, date):
    """The source package files as they were fetched, in one tar whose every
    byte follows from them (the time is that of the package's changelog)."""
    partial = archive + ".partial"
    with tarfile.open(partial, "w", format=tarfile.USTAR_FORMAT) as tar:
        for name in names:
            info = tar.gettarinfo(os.path.join(folder, name), arcname=name)
            info.mtime, info.mode = date, 0o644
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            with open(os.path.join(folder, name), "rb") as f:
                tar.addfile(info, f)
    os.replace(partial, archive)


def wrap(text, indent=""):
    return textwrap.fill(text, 78, initial_indent=indent, subsequent_indent=indent,
                         break_long_words=False, break_on_hyphens=False)


def win(path):
    return path.replace("/", "\\")


def notice(args):
    with open(args.components, encoding="utf-8") as f:
        data = json.load(f)
    qt, mingw = data["qt"], data["mingw"]
    runtime = {f for m in mingw for f in m["files"]}
    own = [f for f in args.files if f == "pallastro.exe"]
    qt_files = sorted((f for f in args.files if f not in runtime and f not in own),
                      key=lambda f: (f.count("/"), f.lower()))
    for f in qt_files:
        if not re.fullmatch(r"Qt6\w+\.dll|(platforms|imageformats|styles)/q\w+\.dll", f):
            fail(f"{f} is neither Pallastro's, nor Qt's, nor the MinGW runtime's")
    if not own or any(f not in args.files for f in runtime):
        fail("the folder's files are not those the notice was gathered for")
    archive = f"{qt['package']}_{qt['version']}-source.tar"
    p = []

    def para(text, indent=""):
        p.append(wrap(text, indent))
        p.append("")

    p += [f"{args.product} {args.version} for 64-bit Windows", ""]
    para(NOTICES["Pallastro"])
    para(f"{args.product} is free software: you can redistribute it and/or modify it under "
         "the terms of the GNU General Public License as published by the Free Software "
         "Foundation, either version 3 of the License, or (at your option) any later "
         "version (LICENSES\\Pallastro\\GPL-3.0-or-later.txt). Its portraits, icon and "
         "pointers are under the Creative Commons Attribution-ShareAlike 4.0 International "
         "licence (LICENSES\\Pallastro\\CC-BY-SA-4.0.txt).")
    para(f"{args.product} is distributed in the hope that it will be useful, but WITHOUT ANY "
         "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A "
         "PARTICULAR PURPOSE. See the GNU General Public License for more details.")
    para(f"pallastro.exe was built from the {args.product} source, commit {args.commit}.")

    p += ["Qt", "--", ""]
    para(f"{', '.join(win(f) for f in qt_files[:-1])} and {win(qt_files[-1])} are "
         f"Qt {qt['upstream']} "
         f"(its qtbase module), {NOTICES['Qt']}, "
         "used under the GNU Lesser General Public License version 3 "
         "(LICENSES\\Qt\\LGPL-3.0-only.txt, which adds to the GNU General Public License "
         "version 3 in LICENSES\\Qt\\GPL-3.0-only.txt). Qt is also offered under the GNU "
         "General Public License version 2 (LICENSES\\Qt\\GPL-2.0-only.txt) or 3. Debian's "
         "record of every copyright holder and licence in the Qt source is "
         "LICENSES\\Qt\\debian-copyright.txt.")
    para(f"They are separate DLLs that pallastro.exe loads at run time: you may replace them "
         f"with a Qt {qt['upstream']} of your own build, from this source changed as you like.")
    para(f"They were built, unchanged, from Debian's source package {qt['package']}, version "
         f"{qt['version']}:")
    for f in qt["files"]:
        p.append(f"  {f['name']}")
        p.append(f"    SHA-256 {f['sha256']}")
    p.append("")
    if qt["patches"]:
        para("with Debian's patches applied in this order (the package's "
             "debian/patches/series; dpkg-source -x applies them):")
        p += [f"  {i}. {name}" for i, name in enumerate(qt["patches"], 1)]
        p.append("")
    para(f"and configured for Windows with the MinGW-w64 cross compiler (GCC) and these "
         f"options, by {args.product}'s packaging/win64/build-qt.sh:")
    p += [f"  {o}" for o in qt["options"]]
    p.append("")
    para(f"Those files, exactly as Debian publishes them, are distributed beside this package "
         f"in {archive}. Debian keeps them at "
         f"https://snapshot.debian.org/package/{qt['package']}/{qt['version'].replace('+', '%2B')}/ "
         f"(or, while current, in https://deb.debian.org/debian/pool/main/"
         f"{qt['package'][0]}/{qt['package']}/). Unpack them with "
         f"\"dpkg-source -x {qt['dsc']}\".")

    p += ["Third-party code in Qt", "----------------------", ""]
    para("Qt's DLLs hold the following code of others, as Qt's qt_attribution.json files "
         "record it. The texts are under LICENSES\\Qt\\third-party.")
    for c in data["third_party"]:
        title = c["name"] + (f", version {c['version']}" if c["version"] else "")
        p.append(f"* {title}")
        p.append(wrap(f"In: {c['in']}", "    "))
        p.append(wrap(f"Licence: {c['licence']}", "    "))
        for line in c["copyright"]:
            p.append(wrap(line, "    "))
        if c["note"]:
            p.append(wrap(c["note"], "    "))
        p.append(wrap("Texts: " + ", ".join(win(os.path.join("LICENSES", t)) for t in c["texts"]),
                      "    "))
        p.append("")

    p += ["MinGW-w64 runtime", "-----------------", ""]
    for m in mingw:
        para(f"{', '.join(m['files'])}: from Debian's package {m['package']} {m['version']}, "
             f"built from the source package {m['source']} {m['source_version']}. Its "
             f"copyright and licence "
             f"terms: {win(os.path.join('LICENSES', m['texts'][0]))}.")
    para("The GCC runtime libraries (libstdc++ and libgcc) are under the GNU General Public "
         "License version 3 or later with the GCC Runtime Library Exception 3.1, whose text "
         "is in the copyright file named above; the GPL's text is "
         "LICENSES\\MinGW\\GPL-3.txt. pallastro.exe and the Qt DLLs also hold start-up "
         "code of the MinGW-w64 C runtime and of libgcc, under the same terms.")
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("\n".join(p).rstrip("\n") + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    sub = parser.add_subparsers(dest="command", required=True)
    g = sub.add_parser("gather")
    g.add_argument("--qt-source", required=True)
    g.add_argument("--build-qt", required=True)
    g.add_argument("--own-licences", required=True)
    g.add_argument("--runtime", nargs="+", required=True)
    g.add_argument("--out", required=True)
    g.add_argument("--archive", required=True)
    n = sub.add_parser("notice")
    n.add_argument("--components", required=True)
    n.add_argument("--product", required=True)
    n.add_argument("--version", required=True)
    n.add_argument("--commit", required=True)
    n.add_argument("--out", required=True)
    n.add_argument("--files", nargs="+", required=True)
    args = parser.parse_args()
    gather(args) if args.command == "gather" else notice(args)


if __name__ == "__main__":
    main()
