#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out the folder a Windows user gets (pallastro.exe and exactly the DLLs
# it loads, stripped, with NOTICE.txt and the LICENSES that licences.py
# gathered), zips it and builds the per-user installer from it. Called by
# the `windows-dist` target, which knows where every file is:
#
#   dist.sh --folder DIR --zip FILE --setup FILE --product NAME --version X.Y.Z \
#           --icon ICO --script NSI --licences DIR --date EPOCH --commit TEXT \
#           -- NAME=SOURCE ...
#
# NAME is the path inside the folder (platforms/qwindows.dll). EPOCH dates
# every file and archive member, so that two builds of one commit give the
# same zip and installer. STRIP, MAKENSIS, ZIP_PROGRAM and PYTHON name the
# tools (zip itself reads options from ZIP).
set -eu

while [ "$1" != -- ]; do
    case $1 in
        --folder | --zip | --setup | --product | --version | --icon | --script | --licences | \
        --date | --commit)
            eval "${1#--}=\$2"; shift 2 ;;
        *) echo "dist.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
shift
: "${STRIP:?}" "${MAKENSIS:?}" "${ZIP_PROGRAM:?}" "${PYTHON:?}"
here=$(cd "$(dirname "$0")" && pwd)
parent=$(dirname "$folder")
# One order for every list of files, whatever the builder's language.
export LC_ALL=C
# strip writes the time into the PE header of what it strips, or this date.
export SOURCE_DATE_EPOCH="$date"
# printf, not echo: a Windows path like LICENSES\Qt\third-party holds "\t".
win() { printf '%s' "$1" | tr / '\\'; }

# A fresh folder each time, so nothing from an earlier layout stays in it.
rm -rf "$folder"
names=
for entry in "$@"; do
    name=${entry%%=*}
    install -D -m 644 "${entry#*=}" "$folder/$name"
    "$STRIP" --strip-unneeded "$folder/$name"
    names="$names $name"
done
cp -R "$licences/LICENSES" "$folder/LICENSES"
# shellcheck disable=SC2086
"$PYTHON" "$here/licences.py" notice --components "$licences/components.json" \
    --product "$product" --version "$version" --commit "$commit" \
    --out "$folder/NOTICE.txt" --files $names

# Nothing of when or by whom it was built: one date, one set of permissions.
chmod -R u=rwX,go=rX "$folder"
find "$folder" -exec touch -h -d "@$date" {} +

# One folder, named after the program, that runs wherever it is unpacked.
# Members in one order, dated in UTC (zip stores local time), with no owners
# or Unix times (-X) and no folder entries (-D).
rm -f "$zip"
(unset ZIP ZIPOPT; cd "$parent" && find "$(basename "$folder")" -type f | sort |
    TZ=UTC "$ZIP_PROGRAM" -q -X -D -9 "$zip" -@)

# The installer installs and the uninstaller removes exactly these files, and
# nothing else: whatever else is in the folder then belongs to the user.
(
    cd "$folder"
    echo "!macro PALLASTRO_INSTALL_FILES"
    find . -type d | sort | while read -r d; do
        printf '  SetOutPath "$INSTDIR%s"\n' "$(win "${d#.}")"
        find "$d" -maxdepth 1 -type f | sort | while read -r f; do
            printf '  File "%s"\n' "$folder/${f#./}"
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
sed 's/$/\r/' "$folder/LICENSES/Pallastro/GPL-3.0-or-later.txt" >"$parent/licence-page.txt"

# makensis stores each file's time, and nothing else of the moment it runs.
# The size the uninstall entry shows is the files' own, not the blocks a file
# system happens to give them.
size_kb=$(find "$folder" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", (s + 1023) / 1024 }')
rm -f "$setup"
"$MAKENSIS" -V2 -NOCD \
    "-DPRODUCT=$product" "-DVERSION=$version" "-DOUTFILE=$setup" "-DICON=$icon" \
    "-DFILES=$parent/files.nsh" "-DSIZE_KB=$size_kb" "-DLICENSE=$parent/licence-page.txt" \
    "-DLEGAL_COPYRIGHT=$(sed -n 's/^Installer: //p' "$here/notices")" "$script"

du -sh "$folder" "$zip" "$setup"
