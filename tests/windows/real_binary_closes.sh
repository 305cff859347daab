#!/usr/bin/env bash
# Starts the real program on an X server of its own with a fresh home, waits for
# its window "Pallastro v1.0", goes to a reading and Back again (switches,
# during which for a moment no window is open, must not end the program),
# then closes the window with File, Exit; the process must then end by itself.
set -euo pipefail

APP=${1:?usage: real_binary_closes.sh PATH-TO-PALLASTRO}

TMP=$(mktemp -d /tmp/pallastro-close.XXXXXX)
PID=
# shellcheck source=../e2e/display.sh
. "$(dirname "$0")/../e2e/display.sh"
DISPLAY_WORK=$TMP
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null || true
    stop_display
    rm -rf "$TMP"
}
trap cleanup EXIT

export HOME=$TMP/home XDG_CONFIG_HOME=$TMP/home/.config XDG_DATA_HOME=$TMP/home/.local/share
export XDG_CACHE_HOME=$TMP/home/.cache XDG_RUNTIME_DIR=$TMP/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME || true
export BROWSER=/bin/false

fail() { echo "FAIL: $*" >&2; exit 1; }

# The program starts only once the server serves; before, it would abort.
start_x -screen 0 1024x768x24 || fail "no X server"

"$APP" &
PID=$!

# wait_window WIDTH: the visible "Pallastro v1.0" window of that width (the
# two windows share their caption).
wait_window() {
    local wid w
    for _ in $(seq 200); do
        for wid in $(xdotool search --onlyvisible --name '^Pallastro v1\.0$' 2>/dev/null); do
            w=$(xwininfo -id "$wid" | sed -n 's/^ *Width: *//p')
            if [ "$w" = "$1" ]; then echo "$wid"; return 0; fi
        done
        kill -0 "$PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
# No window manager here: give the window the keyboard directly.
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }

MAIN=$(wait_window 488) || fail "no window captioned \"Pallastro v1.0\" appeared"
[ "$(xdotool getwindowname "$MAIN")" = "Pallastro v1.0" ] || fail "wrong caption"

focus "$MAIN"
xdotool type --delay 30 "Ann"
xdotool key --delay 80 alt+f g
RESULT=$(wait_window 615) || fail "the reading did not open the result window"
focus "$RESULT"
xdotool key --delay 80 alt+b
MAIN=$(wait_window 488) || fail "Back did not bring the main window (program running: $(kill -0 "$PID" 2>/dev/null && echo yes || echo no))"

focus "$MAIN"
xdotool key --delay 80 alt+f x

for _ in $(seq 100); do
    if ! kill -0 "$PID" 2>/dev/null; then
        wait "$PID" && status=0 || status=$?
        PID=
        [ "$status" = 0 ] || fail "the program ended with status $status"
        echo "ok: the window appeared and closing it ended the program"
        exit 0
    fi
    sleep 0.1
done
fail "the program kept running after its window was closed"
