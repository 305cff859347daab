#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every quoted #include of the program's own code must name a header of its
# own folder or of a layer below it:
#   core, assets            (the bottom)
#   platform -> core
#   widgets  -> assets
#   windows  -> widgets, platform, core, assets
#   app      -> everything
# A header that lies in no layer (Qt's, the system's) is not checked.
# Usage: layers.sh SOURCE_DIR
set -eu
src=${1:?source folder}
cd "$src"

allowed() {
    case $1 in
        core) echo "core" ;;
        assets) echo "assets" ;;
        platform) echo "platform core" ;;
        widgets) echo "widgets assets" ;;
        windows) echo "windows widgets platform core assets" ;;
        app) echo "app windows widgets platform core assets" ;;
    esac
}

# Which layer each header belongs to, indexed once; Identity.h is generated
# from core's template.
index=$(mktemp)
trap 'rm -f "$index"' EXIT
echo "Identity.h core" > "$index"
for layer in core assets platform widgets windows app; do
    find "$layer" -name '*.h' -exec basename {} \; | sed "s/\$/ $layer/" >> "$index"
done
layer_of() { awk -v name="$1" '$1 == name { print $2; exit }' "$index"; }

bad=0
checked=0
for layer in core assets platform widgets windows app; do
    for file in $(find "$layer" -name '*.cpp' -o -name '*.h' -o -name '*.h.in'); do
        for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
            name=$(basename "$header")
            target=$(layer_of "$name")
            [ -n "$target" ] || continue
            checked=$((checked + 1))
            case " $(allowed "$layer") " in
                *" $target "*) ;;
                *) echo "$file includes $name from $target, which lies above or beside $layer"; bad=1 ;;
            esac
        done
    done
done

# A check that found nothing to check would pass for the wrong reason.
if [ "$checked" -lt 50 ]; then
    echo "only $checked includes checked; the folders have moved?"
    exit 1
fi
echo "$checked includes checked"
exit $bad
