#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out the folder a Windows user gets (pallastro.exe and exactly the DLLs
# it loads, stripped), zips it and builds the per-user installer from it.
# Called by the `windows-dist` target, which knows where every file is:
#
#   dist.sh --folder DIR --zip FILE --setup FILE --product NAME --version X.Y.Z \
#           --icon ICO --script NSI --licences DIR --date EPOCH --commit TEXT \
#           -- NAME=SOURCE ...
#
# NAME is the path inside the folder (platforms/qwindows.dll). The licences
# folder is what licences.py gathered; its texts go into the folder under
# LICENSES with a NOTICE.txt that says what each file is. EPOCH is the date
# every file and archive member gets (the last commit's), so that two builds
# of one commit give the same zip and installer. STRIP, MAKENSIS, ZIP_PROGRAM
# and PYTHON name the tools (zip itself reads options from ZIP).
set -eu

while [ $# -gt 0 ]; do
    case $1 in
        --folder) folder=$2; shift 2 ;;
        --zip) zipfile=$2; shift 2 ;;
        --setup) setup=$2; shift 2 ;;
        --product) product=$2; shift 2 ;;
        --version) version=$2; shift 2 ;;
        --icon) icon=$2; shift 2 ;;
        --script) script=$2; shift 2 ;;
        --licences) licences=$2; shift 2 ;;
        --date) date=$2; shift 2 ;;
        --commit) commit=$2; shift 2 ;;
        --) shift; break ;;
        *) echo "dist.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
: "${STRIP:?}" "${MAKENSIS:?}" "${ZIP_PROGRAM:?}" "${PYTHON:?}"
here=$(cd "$(dirname "$0")" && pwd)
# One order for every list of files, whatever the builder's language.
export LC_ALL=C
# strip writes the time into the PE header of what it strips, or this date.
export SOURCE_DATE_EPOCH="$date"

# A fresh folder each time, so nothing from an earlier layout stays in it.
rm -rf "$folder"
mkdir -p "$folder"
for entry in "$@"; do
    name=${entry%%=*}
    source=${entry#*=}
    [ -f "$source" ] || { echo "dist.sh: $source is missing" >&2; exit 1; }
    mkdir -p "$folder/$(dirname "$name")"
    cp "$source" "$folder/$name"
    chmod 644 "$folder/$name"
    "$STRIP" --strip-unneeded "$folder/$name"
    names="${names:-} $name"
done

# The licences, and the notice that says which text goes with which file.
cp -R "$licences/LICENSES" "$folder/LICENSES"
# shellcheck disable=SC2086
"$PYTHON" "$here/licences.py" notice --components "$licences/components.json" \
    --product "$product" --version "$version" --commit "$commit" \
    --out "$folder/NOTICE.txt" --files $names

# Nothing of when or by whom it was built: one date, one set of permissions.
chmod -R u=rwX,go=rX "$folder"
find "$folder" -exec touch -h -d "@$date" {} +

# The zip holds one folder, named after the program, that runs from wherever it is unpacked.
# Members in one order, with the date in UTC (zip stores local time), no
# owners or Unix times (-X) and no folder entries (-D).
rm -f "$zipfile"
parent=$(dirname "$folder")
(unset ZIP ZIPOPT; cd "$parent" && find "$(basename "$folder")" -type f | sort |
    TZ=UTC "$ZIP_PROGRAM" -q -X -D -9 "$zipfile" -@)

# The installer installs and the uninstaller removes exactly these files, and
# nothing else: whatever else is in the folder then belongs to the user.
# printf, not echo: a Windows path like LICENSES\Qt\third-party holds "\t".
list=$(dirname "$folder")/files.nsh
{
    echo "!macro PALLASTRO_INSTALL_FILES"
    (cd "$folder" && find . -type d | sort) | while read -r d; do
        d=${d#./}; [ "$d" = . ] && d=
        win=$(printf '%s' "$d" | tr / '\\')
        printf '  SetOutPath "$INSTDIR%s"\n' "${win:+\\$win}"
        (cd "$folder" && find "./$d" -maxdepth 1 -type f | sort) | while read -r f; do
            f=${f#./}; f=${f#/}
            printf '  File "%s"\n' "$folder/$f"
        done
    done
    echo "!macroend"
    echo "!macro PALLASTRO_REMOVE_FILES"
    (cd "$folder" && find . -type f | sort) | while read -r f; do
        printf '  Delete "$INSTDIR\\%s"\n' "$(printf '%s' "${f#./}" | tr / '\\')"
    done
    (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
        printf '  RMDir "$INSTDIR\\%s"\n' "$(printf '%s' "${d#./}" | tr / '\\')"
    done
    echo "!macroend"
} >"$list"

# The installer's licence page shows the GPL with Windows line ends.
licence_page=$(dirname "$folder")/licence-page.txt
sed 's/$/\r/' "$folder/LICENSES/Pallastro/GPL-3.0-or-later.txt" >"$licence_page"

# makensis stores each file's time, and nothing else of the moment it runs.
# The size the uninstall entry shows: the files' own, not the blocks a file
# system happens to give them.
size_kb=$(find "$folder" -type f -printf '%s\n' | awk '{ s += $1 } END { printf "%d", (s + 1023) / 1024 }')
rm -f "$setup"
"$MAKENSIS" -V2 -NOCD \
    "-DPRODUCT=$product" "-DVERSION=$version" "-DOUTFILE=$setup" "-DICON=$icon" \
    "-DFILES=$list" "-DSIZE_KB=$size_kb" "-DLICENSE=$licence_page" \
    "-DLEGAL_COPYRIGHT=$(sed -n 's/^Installer: //p' "$here/notices")" "$script"

echo "$folder: $(du -sh "$folder" | cut -f1)"
echo "$zipfile: $(du -h "$zipfile" | cut -f1)"
echo "$setup: $(du -h "$setup" | cut -f1)"
