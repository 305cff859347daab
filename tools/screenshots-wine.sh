#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders docs/screenshots/windows-main.png and windows-result.png from the
# Windows program under Wine, on a private X server: a reading for "John
# Smith", born 15 March 1980, entered with the keyboard only. With DPI other
# than 96 the Windows screen has that many dots to the inch (144 is 150 %),
# and the pictures are windows-main@<DPI>dpi.png and windows-result@<DPI>dpi.png.
#
#   tools/screenshots-wine.sh [PATH-TO-pallastro.exe] [OUTPUT-FOLDER] [DPI]
#
# The program is the one from `make windows` (build-windows/dist/Pallastro).
# Needs Wine, Xvfb, openbox, xdotool and ImageMagick's import.
ROOT=$(cd "$(dirname "$0")/.." && pwd)
APP=${1:-$ROOT/build-windows/dist/Pallastro/pallastro.exe}
OUT=${2:-$ROOT/docs/screenshots}
DPI=${3:-96}
SUFFIX=
[ "$DPI" = 96 ] || SUFFIX="@${DPI}dpi"
[ -f "$APP" ] || { echo "no program at $APP (make windows first)" >&2; exit 1; }
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
# shellcheck source=../tests/wine/lib.sh
. "$ROOT/tests/wine/lib.sh"

start_windows
[ "$DPI" = 96 ] || wine_dpi "$DPI"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "the main window did not appear"
focus_window "$MAIN"
enter_reading "John Smith" 2 15 1980
# Back to the name box, so the picture shows the window as the user meets it.
keys shift+Tab shift+Tab shift+Tab
sleep 0.8
import -window "$MAIN" "$OUT/windows-main$SUFFIX.png"

keys alt+f g
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 15) || fail "the result window did not appear"
# With the keyboard, as the user meets it: the focus ring on Back.
focus_window "$RESULT"
sleep 1.2
import -window "$RESULT" "$OUT/windows-result$SUFFIX.png"
echo "wrote $OUT/windows-main$SUFFIX.png and $OUT/windows-result$SUFFIX.png"
wmctrl -i -c "$RESULT"
wait_exit "$APP_PID" 15 || true
