#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders docs/screenshots/main.png and result.png from the real program under
# a private X server: a reading for "John Smith", born 15 March 1980, entered
# with the keyboard only. With a scale factor other than 1 the pictures are
# main@<scale>x.png and result@<scale>x.png, taken on a screen that much larger.
#
#   tools/screenshots.sh [PATH-TO-PALLASTRO] [OUTPUT-FOLDER] [SCALE]
#
# Needs Xvfb, xdotool and ImageMagick's import.

set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
APP=${1:-$ROOT/build/pallastro}
OUT=${2:-$ROOT/docs/screenshots}
SCALE=${3:-1}
SUFFIX=
[ "$SCALE" = 1 ] || SUFFIX="@${SCALE}x"
scaled() { awk -v n="$1" -v s="$SCALE" 'BEGIN { printf "%d", n * s + 0.5 }'; }
[ -x "$APP" ] || { echo "no program at $APP (build it first)" >&2; exit 1; }
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
APP=$(cd "$(dirname "$APP")" && pwd)/$(basename "$APP")

# No window manager: the pictures are of the windows alone, and without one
# a focused window needs a moment longer to take the keyboard.
FOCUS_SETTLE=0.3
# shellcheck source=../tests/harness/linux.sh
. "$ROOT/tests/harness/linux.sh"
start_display --no-wm -screen 0 "$(scaled 1024)x$(scaled 768)x24" -dpi 96
[ "$SCALE" = 1 ] || export QT_SCALE_FACTOR=$SCALE

start_app
MAIN=$(wait_window "$TITLE" "$(scaled "$MAIN_WIDTH")" 10) || fail "the main window did not appear"
focus_window "$MAIN"
enter_reading "John Smith" 2 15 1980
# Back to the name box, so the picture shows the window as the user meets it.
keys shift+Tab shift+Tab shift+Tab
sleep 0.5
import -window "$MAIN" "$OUT/main$SUFFIX.png"

keys alt+f g
RESULT=$(wait_window "$TITLE" "$(scaled "$RESULT_WIDTH")" 10) || fail "the result window did not appear"
# With the keyboard, as the user meets it: the focus ring on Back.
focus_window "$RESULT"
sleep 0.8
import -window "$RESULT" "$OUT/result$SUFFIX.png"
echo "wrote $OUT/main$SUFFIX.png and $OUT/result$SUFFIX.png"
