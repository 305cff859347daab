#!/usr/bin/env bash
# Shared by the end-to-end scenarios. Each scenario gets its own X server,
# window manager, home, settings and runtime folders, starts the real binary
# and drives it only from outside, with the keyboard and the mouse.

set -euo pipefail

APP=${1:?usage: scenario.sh PATH-TO-PALLASTRO}
TITLE='Pallastro v1.0'
MAIN_WIDTH=488
RESULT_WIDTH=615
ABOUT_WIDTH=388

E2E_TMP=$(mktemp -d /tmp/pallastro-e2e.XXXXXX)
export HOME=$E2E_TMP/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$E2E_TMP/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# The real desktop, not the offscreen one, on our own X server, never the
# user's; no desktop integration that could open a browser or a portal.
unset DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS || true
export BROWSER=/bin/false

# shellcheck source=display.sh
. "$(dirname "${BASH_SOURCE[0]}")/display.sh"

APP_PIDS=()

cleanup() {
    local pid
    for pid in "${APP_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    stop_display
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        echo "windows on the screen:" >&2
        wmctrl -lG >&2 2>/dev/null || echo "(the window manager does not answer)" >&2
        local wid
        for wid in $(xdotool search --name 'Pallastro' 2>/dev/null); do
            echo "window $wid '$(xdotool getwindowname "$wid" 2>/dev/null)': $(xwininfo -id "$wid" 2>/dev/null | grep -E 'Map State' | tr -s ' ')" >&2
        done
        if [ -n "$WM_PID" ] && ! kill -0 "$WM_PID" 2>/dev/null; then echo "the window manager has ended" >&2; fi
    fi
    local pid
    for pid in "${APP_PIDS[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then
            echo "process $pid still running" >&2
            # Where a program that shows nothing is stuck.
            command -v gdb >/dev/null &&
                timeout 20 gdb -batch -p "$pid" -ex 'thread apply all bt 25' 2>/dev/null |
                grep -E '^(#|Thread)' | head -n 80 >&2
        else
            echo "process $pid has ended" >&2
        fi
    done
    for log in "$E2E_TMP"/app*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

step() { echo "-- $*"; }

# An X server of our own with a window manager, so that title-bar closes and
# focus behave as on a desktop.
start_display() {
    DISPLAY_WORK=$E2E_TMP
    start_x -screen 0 1280x1024x24 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
    start_wm 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
}

# start_app [prefix command...]: starts the program, sets APP_PID.
start_app() {
    local log="$E2E_TMP/app${#APP_PIDS[@]}.log"
    "$@" "$APP" >"$log" 2>&1 &
    APP_PID=$!
    APP_PIDS+=("$APP_PID")
}

# Visible top-level windows named exactly NAME, optionally WIDTH pixels wide.
windows_named() {
    local name=$1 width=${2:-} wid w
    for wid in $(xdotool search --onlyvisible --name "^${name}\$" 2>/dev/null); do
        if [ -n "$width" ]; then
            w=$(xdotool getwindowgeometry "$wid" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            [ "$w" = "$width" ] || continue
        fi
        echo "$wid"
    done
}

# wait_window NAME [WIDTH] [SECONDS]: prints the window id once it is visible.
wait_window() {
    local name=$1 width=${2:-} limit=${3:-15} i found
    for i in $(seq $((limit * 20))); do
        found=$(windows_named "$name" "$width" | head -n 1)
        if [ -n "$found" ]; then echo "$found"; return 0; fi
        sleep 0.05
    done
    return 1
}

# wait_gone NAME [WIDTH] [SECONDS]
wait_gone() {
    local name=$1 width=${2:-} limit=${3:-10} i
    for i in $(seq $((limit * 20))); do
        [ -z "$(windows_named "$name" "$width")" ] && return 0
        sleep 0.05
    done
    return 1
}

# No window named NAME shows up within SECONDS.
stays_absent() {
    local name=$1 limit=${2:-1} i
    for i in $(seq "$(awk -v s="$limit" 'BEGIN { print int(s * 20) }')"); do
        [ -n "$(windows_named "$name")" ] && return 1
        sleep 0.05
    done
    return 0
}

# wait_exit PID [SECONDS]: sets EXIT_STATUS; fails when the process keeps
# running. Called in this shell, not in $(...), so that wait can reap it.
wait_exit() {
    local pid=$1 limit=${2:-10} i
    EXIT_STATUS=
    for i in $(seq $((limit * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            EXIT_STATUS=0
            wait "$pid" || EXIT_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Keys to the window that has the focus, as a person types them.
keys() { xdotool key --clearmodifiers --delay 30 "$@"; }
typetext() { xdotool type --clearmodifiers --delay 20 "$1"; }

# focus_window WID: makes sure keystrokes reach it.
focus_window() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
    sleep 0.1
}

# The first start: a fresh home has no reminder date, so no question is asked.
start_and_wait_main() {
    start_app "$@"
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "the main window did not appear"
    focus_window "$MAIN"
}

# Types a reading with the keyboard only: name, Tab, month, Tab, day, Tab, year.
# enter_reading NAME MONTH-INDEX DAY YEAR
enter_reading() {
    local name=$1 month=$2 day=$3 year=$4
    [ -n "$name" ] && typetext "$name"
    keys Tab
    repeat_key Down "$month"
    keys Tab
    repeat_key Down $((day - 1))
    keys Tab
    repeat_key Down $((year - 1900))
}

repeat_key() {
    local key=$1 count=$2
    [ "$count" -gt 0 ] || return 0
    local args=() i
    for i in $(seq "$count"); do args+=("$key"); done
    xdotool key --clearmodifiers --delay 5 "${args[@]}"
}

# The bytes of a file as spaced upper-case hex.
hexbytes() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' | tr 'a-f' 'A-F'; }
