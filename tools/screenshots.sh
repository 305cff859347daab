#!/usr/bin/env bash
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

# A fresh home, so that no earlier run's settings or lock take part.
TMP=$(mktemp -d /tmp/pallastro-shots.XXXXXX)
PID=
# shellcheck source=../tests/e2e/display.sh
. "$ROOT/tests/e2e/display.sh"
DISPLAY_WORK=$TMP
trap '[ -n "$PID" ] && kill "$PID" 2>/dev/null; stop_display; rm -rf "$TMP"' EXIT
# A private X server, waited for until it serves, so the program cannot
# start before it and abort.
start_x -screen 0 "$(scaled 1024)x$(scaled 768)x24" -dpi 96 || exit 1
export HOME=$TMP/home XDG_CONFIG_HOME=$TMP/home/.config XDG_DATA_HOME=$TMP/home/.local/share
export XDG_CACHE_HOME=$TMP/home/.cache XDG_RUNTIME_DIR=$TMP/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR || true
[ "$SCALE" = 1 ] || export QT_SCALE_FACTOR=$SCALE
export BROWSER=/bin/false

# The visible window of that title and width (the two windows share their caption).
window_of_width() {
    local want=$1 wid w
    for _ in $(seq 100); do
        for wid in $(xdotool search --onlyvisible --name '^Pallastro v1\.0$' 2>/dev/null); do
            w=$(xwininfo -id "$wid" | sed -n 's/^ *Width: *//p')
            if [ "$w" = "$want" ]; then echo "$wid"; return 0; fi
        done
        sleep 0.1
    done
    return 1
}
keys() { xdotool key --delay 40 "$@"; }

"$APP" 2>"$TMP/app.log" &
PID=$!

MAIN=$(window_of_width "$(scaled 488)") || {
    echo "the main window did not appear; the program said:" >&2
    cat "$TMP/app.log" >&2
    exit 1
}
xdotool windowfocus --sync "$MAIN"
sleep 0.3
xdotool type --delay 30 "John Smith"
# Month: March is two down from January; day: 15 is fourteen down from 1; year
# 1980 is eighty down from 1900. The lists are closed, so arrows just select.
keys Tab Down Down
keys Tab $(printf 'Down %.0s' $(seq 14))
keys Tab $(printf 'Down %.0s' $(seq 80))
# Back to the name box, so the picture shows the window as the user meets it.
keys shift+Tab shift+Tab shift+Tab
sleep 0.5
import -window "$MAIN" "$OUT/main$SUFFIX.png"

keys alt+f g
RESULT=$(window_of_width "$(scaled 615)") || { echo "the result window did not appear" >&2; exit 1; }
sleep 0.8
import -window "$RESULT" "$OUT/result$SUFFIX.png"
echo "wrote $OUT/main$SUFFIX.png and $OUT/result$SUFFIX.png"
