#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every quoted #include of the program's own code names its header from the
# top of the tree, and that header lies in the including file's own layer or
# in one below it:
#   core, assets            (the bottom)
#   platform -> core
#   widgets  -> assets
#   print    -> widgets, core, assets
#   windows  -> print, widgets, platform, core, assets
#   app      -> everything
# Usage: layers.sh SOURCE_DIR
set -eu
src=${1:?source folder}
cd "$src"

layers="core assets platform widgets print windows app"
allowed() {
    case $1 in
        core) echo "core" ;;
        assets) echo "assets" ;;
        platform) echo "platform core" ;;
        widgets) echo "widgets assets" ;;
        print) echo "print widgets core assets" ;;
        windows) echo "windows print widgets platform core assets" ;;
        app) echo "app $layers" ;;
    esac
}

bad=0
checked=0
for layer in $layers; do
    [ -d "$layer" ] || continue
    for file in $(find "$layer" -name '*.cpp' -o -name '*.h' -o -name '*.h.in'); do
        for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
            case $header in *.moc) continue ;; esac
            checked=$((checked + 1))
            # Identity.h is made from core's template in the build folder.
            if [ ! -f "$header" ] && [ ! -f "$header.in" ]; then
                echo "$file includes \"$header\", which is no path from the top of the tree"
                bad=1
                continue
            fi
            target=${header%%/*}
            case " $(allowed "$layer") " in
                *" $target "*) ;;
                *) echo "$file includes $header from $target, which lies above or beside $layer"; bad=1 ;;
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
