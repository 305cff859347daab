#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out the folder a Windows user gets (pallastro.exe and exactly the DLLs
# it loads, stripped, with NOTICE.txt and the LICENSES that licences.py
# gathered), zips it and builds the per-user installer from it. Called by
# the `windows-dist` target, which knows where every file is:
#
#   dist.sh NAME=SOURCE ...
#
# NAME is the path inside the folder (platforms/qwindows.dll). The rest comes
# in the environment: FOLDER, the folder to lay out; ZIP_FILE and SETUP, the
# packages; PRODUCT, VERSION and COMMIT; ICON and SCRIPT, the installer's;
# LICENCES, what licences.py gathered; SOURCE_DATE_EPOCH, the date of every
# file and archive member, so that two builds of one commit give the same
# zip and installer; the tools STRIP, MAKENSIS, ZIP_PROGRAM and PYTHON (zip
# itself reads options from ZIP).
set -eu
: "${FOLDER:?}" "${ZIP_FILE:?}" "${SETUP:?}" "${PRODUCT:?}" "${VERSION:?}" "${COMMIT:?}"
: "${ICON:?}" "${SCRIPT:?}" "${LICENCES:?}" "${SOURCE_DATE_EPOCH:?}"
: "${STRIP:?}" "${MAKENSIS:?}" "${ZIP_PROGRAM:?}" "${PYTHON:?}"
here=$(cd "$(dirname "$0")" && pwd)
parent=$(dirname "$FOLDER")
# One order for every list of files, whatever the builder's language.
export LC_ALL=C
# strip writes the time into the PE header of what it strips, or this date.
export SOURCE_DATE_EPOCH
# printf, not echo: a Windows path like LICENSES\Qt\third-party holds "\t".
win() { printf '%s' "$1" | tr / '\\'; }

# A fresh folder each time, so nothing from an earlier layout stays in it.
rm -rf "$FOLDER"
names=
for entry in "$@"; do
    name=${entry%%=*}
    install -D -m 644 "${entry#*=}" "$FOLDER/$name"
    "$STRIP" --strip-unneeded "$FOLDER/$name"
    names="$names $name"
done
cp -R "$LICENCES/LICENSES" "$FOLDER/LICENSES"
# shellcheck disable=SC2086
"$PYTHON" "$here/licences.py" notice --components "$LICENCES/components.json" \
    --product "$PRODUCT" --version "$VERSION" --commit "$COMMIT" \
    --out "$FOLDER/NOTICE.txt" --files $names

# Nothing of when or by whom it was built: one date, one set of permissions.
chmod -R u=rwX,go=rX "$FOLDER"
find "$FOLDER" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

# One folder, named after the program, that runs wherever it is unpacked.
# Members in one order, dated in UTC (zip stores local time), with no owners
# or Unix times (-X) and no folder entries (-D).
rm -f "$ZIP_FILE"
(unset ZIP ZIPOPT; cd "$parent" && find "$(basename "$FOLDER")" -type f | sort |
    TZ=UTC "$ZIP_PROGRAM" -q -X -D -9 "$ZIP_FILE" -@)

# The installer installs and the uninstaller removes exactly these files, and
# nothing else: whatever else is in the folder then belongs to the user.
(
    cd "$FOLDER"
    echo "!macro PALLASTRO_INSTALL_FILES"
    find . -type d | sort | while read -r d; do
        printf '  SetOutPath "$INSTDIR%s"\n' "$(win "${d#.}")"
        find "$d" -maxdepth 1 -type f | sort | while read -r f; do
            printf '  File "%s"\n' "$FOLDER/${f#./}"
        done
    done
    echo "!macroend"
    echo "!macro PALLASTRO_REMOVE_FILES"
    find . -type f | sort | while read -r f; do
        printf '  Delete "$INSTDIR\\%s"\n' "$(win "${f#./}")"
    done
    find . -mindepth 1 -type d | sort -r | while read -r d; do
        printf '  RMDir "$INSTDIR\\%s"\n' "$(win "${d#./}")"
    done
    echo "!macroend"
) >"$parent/files.nsh"

# The installer's licence page shows the GPL with Windows line ends.
sed 's/$/\r/' "$FOLDER/LICENSES/Pallastro/GPL-3.0-or-later.txt" >"$parent/licence-page.txt"

# makensis stores each file's time, and nothing else of the moment it runs.
# The size the uninstall entry shows is the files' own, not the blocks a file
# system happens to give them.
size_kb=$(find "$FOLDER" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", (s + 1023) / 1024 }')
rm -f "$SETUP"
"$MAKENSIS" -V2 -NOCD \
    "-DPRODUCT=$PRODUCT" "-DVERSION=$VERSION" "-DOUTFILE=$SETUP" "-DICON=$ICON" \
    "-DFILES=$parent/files.nsh" "-DSIZE_KB=$size_kb" "-DLICENSE=$parent/licence-page.txt" \
    "-DLEGAL_COPYRIGHT=$(sed -n 's/^Installer: //p' "$here/notices")" "$SCRIPT"

du -sh "$FOLDER" "$ZIP_FILE" "$SETUP"
