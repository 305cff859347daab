#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Lays out the folder a Windows user gets (pallastro.exe and exactly the DLLs
# it loads, stripped), zips it and builds the per-user installer from it.
# Called by the `windows-dist` target, which knows where every file is:
#
#   dist.sh --folder DIR --zip FILE --setup FILE --product NAME --version X.Y.Z \
#           --icon ICO --script NSI -- NAME=SOURCE ...
#
# NAME is the path inside the folder (platforms/qwindows.dll). STRIP,
# MAKENSIS and ZIP_PROGRAM name the tools (zip itself reads options from ZIP).
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
        --) shift; break ;;
        *) echo "dist.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
: "${STRIP:?}" "${MAKENSIS:?}" "${ZIP_PROGRAM:?}"

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
done

# The zip holds one folder, named after the program, that runs from wherever it is unpacked.
rm -f "$zipfile"
parent=$(dirname "$folder")
(unset ZIP ZIPOPT; cd "$parent" && "$ZIP_PROGRAM" -q -X -r -9 "$zipfile" "$(basename "$folder")")

# The installer installs and the uninstaller removes exactly these files, and
# nothing else: whatever else is in the folder then belongs to the user.
list=$(dirname "$folder")/files.nsh
{
    echo "!macro PALLASTRO_INSTALL_FILES"
    (cd "$folder" && find . -type d | sort) | while read -r d; do
        d=${d#./}; [ "$d" = . ] && d=
        win=$(printf '%s' "$d" | tr / '\\')
        echo "  SetOutPath \"\$INSTDIR${win:+\\$win}\""
        (cd "$folder" && find "./$d" -maxdepth 1 -type f | sort) | while read -r f; do
            f=${f#./}; f=${f#/}
            echo "  File \"$folder/$f\""
        done
    done
    echo "!macroend"
    echo "!macro PALLASTRO_REMOVE_FILES"
    (cd "$folder" && find . -type f | sort) | while read -r f; do
        echo "  Delete \"\$INSTDIR\\$(printf '%s' "${f#./}" | tr / '\\')\""
    done
    (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while read -r d; do
        echo "  RMDir \"\$INSTDIR\\$(printf '%s' "${d#./}" | tr / '\\')\""
    done
    echo "!macroend"
} >"$list"

size_kb=$(du -sk "$folder" | cut -f1)
rm -f "$setup"
"$MAKENSIS" -V2 -NOCD \
    "-DPRODUCT=$product" "-DVERSION=$version" "-DOUTFILE=$setup" "-DICON=$icon" \
    "-DFILES=$list" "-DSIZE_KB=$size_kb" "$script"

echo "$folder: $(du -sh "$folder" | cut -f1)"
echo "$zipfile: $(du -h "$zipfile" | cut -f1)"
echo "$setup: $(du -h "$setup" | cut -f1)"
