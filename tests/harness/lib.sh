# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The base of every script that starts a real program on a screen of its
# own, the Linux program (linux.sh, on top of this) or the Windows one under
# Wine (tests/wine/lib.sh): a work folder, a fresh home, an X server and a
# window manager, the cleanup on exit and the report of a failure. The
# programs are driven only from outside, with the keyboard and the mouse
# (drive.sh).
#
#   HARNESS_TMP=/tmp/name.XXXXXX   # optional: where E2E_TMP is made (mktemp -d)
#   . tests/harness/lib.sh         # E2E_TMP, a fresh home in it, the cleanup trap
#   start_display                  # its own Xvfb (1280x1024) and openbox; or, e.g.,
#                                  #   start_display --no-wm -screen 0 1024x768x24
#   launch COMMAND...              # APP_PID; the output goes to $E2E_TMP/app<N>.log
#
# fail MESSAGE shows what is on the screen, which started program still runs
# and what each printed, runs what at_fail names, then ends the script with
# 1. On exit every started program is killed, what at_exit names is run, the
# last added first, the display ended and E2E_TMP removed; a script with a
# trap of its own calls cleanup from it.

set -euo pipefail

HARNESS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=display.sh
. "$HARNESS_DIR/display.sh"
# shellcheck source=drive.sh
. "$HARNESS_DIR/drive.sh"

E2E_TMP=$(mktemp -d "${HARNESS_TMP:-${TMPDIR:-/tmp}/pallastro-e2e.XXXXXX}")
DISPLAY_WORK=$E2E_TMP

# fresh_home: a new home with its own settings, data, cache and runtime
# folders, exported for the programs started next, so that no earlier run's
# settings or lock take part and the user's own are never touched. Its
# folder is USER_DIR.
fresh_home() {
    USER_DIR=$(mktemp -d "$E2E_TMP/user.XXXXXX")
    export HOME=$USER_DIR/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$USER_DIR/run
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
}
fresh_home

# Our own X server, never the user's, at the size the program was drawn
# for, and not the offscreen platform; no desktop integration that could
# open a browser or a portal.
unset DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS || true
export BROWSER=/bin/false

APP_PIDS=()
# Commands cleanup runs, the last added first, once the programs are killed
# and before the display goes; and those fail runs before the logs.
AT_EXIT=()
AT_FAIL=()
at_exit() { AT_EXIT+=("$*"); }
at_fail() { AT_FAIL+=("$*"); }

cleanup() {
    local pid i
    for pid in "${APP_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    for ((i = ${#AT_EXIT[@]} - 1; i >= 0; i--)); do eval "${AT_EXIT[$i]}" || true; done
    stop_display
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        echo "windows on the screen:" >&2
        wmctrl -lG >&2 2>/dev/null || echo "(no window manager answers)" >&2
        local wid
        for wid in $(xdotool search --name 'Pallastro' 2>/dev/null); do
            echo "window $wid '$(xdotool getwindowname "$wid" 2>/dev/null)': $(xwininfo -id "$wid" 2>/dev/null | grep -E 'Map State' | tr -s ' ')" >&2
        done
        if [ -n "$WM_PID" ] && ! kill -0 "$WM_PID" 2>/dev/null; then echo "the window manager has ended" >&2; fi
        # SHOT_ON_FAIL=FILE keeps a picture of the screen.
        if [ -n "${SHOT_ON_FAIL:-}" ]; then
            import -window root "$SHOT_ON_FAIL" 2>/dev/null && echo "screen saved in $SHOT_ON_FAIL" >&2
        fi
    fi
    local pid hook
    for pid in "${APP_PIDS[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then echo "process $pid still running" >&2
        else echo "process $pid has ended" >&2; fi
    done
    for hook in "${AT_FAIL[@]}"; do eval "$hook" || true; done
    for log in "$E2E_TMP"/app*.log "$E2E_TMP"/xvfb.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

step() { echo "-- $*"; }

# start_display [--no-wm] [Xvfb options...]: an X server of our own, by
# default 1280x1024, with a window manager, so that title-bar closes and
# focus behave as on a desktop. Returns once both serve: a program started
# before would abort.
start_display() {
    local wm=1
    if [ "${1:-}" = --no-wm ]; then wm=; shift; fi
    [ $# -gt 0 ] || set -- -screen 0 1280x1024x24
    start_x "$@" 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
    [ -z "$wm" ] || start_window_manager
}

# start_window_manager: openbox on the display started without one.
start_window_manager() {
    start_wm 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
}

# launch COMMAND...: starts it in the background with its output in
# $E2E_TMP/app<N>.log and sets APP_PID; killed on exit and watched by fail.
launch() {
    "$@" >"$E2E_TMP/app${#APP_PIDS[@]}.log" 2>&1 &
    APP_PID=$!
    APP_PIDS+=("$APP_PID")
}

# end_process PID: asks it to end and waits up to two seconds.
end_process() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 40); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
}

# The clock in milliseconds; deadline SECONDS, then before DEADLINE.
now_ms() { echo $(($(date +%s%N) / 1000000)); }
deadline() { echo $(($(now_ms) + $(awk -v s="$1" 'BEGIN { print int(s * 1000) }'))); }
before() { [ "$(now_ms)" -lt "$1" ]; }

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds. It looks every
# 0.05 s. By default it gives up after that many looks (SECONDS * 20); with
# WAIT_BY_CLOCK set it runs to a deadline on the clock instead, for a caller
# whose single look can take a good part of a second.
poll() {
    local limit=$1 end
    shift
    if [ -n "${WAIT_BY_CLOCK:-}" ]; then
        end=$(deadline "$limit")
        while :; do
            "$@" && return 0
            before "$end" || return 1
            sleep 0.05
        done
    fi
    for _ in $(seq "$(awk -v s="$limit" 'BEGIN { print int(s * 20) }')"); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# The bytes of a file as spaced upper-case hex.
hexbytes() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' | tr 'a-f' 'A-F'; }

# reading_bytes NUMBER...: the bytes, as hexbytes prints them, of a saved
# reading of these numbers: each a line ending in CR LF, its characters
# stored in the program's +85 text encoding.
reading_bytes() { python3 "$HARNESS_DIR/plus85.py" reading "$@"; }

# wait_bytes FILE HEX [SECONDS]: FILE comes to hold exactly HEX; a program
# may write it a moment after its dialog has gone.
wait_bytes() { poll "${3:-10}" holds_bytes "$1" "$2"; }
holds_bytes() { [ -f "$1" ] && [ "$(hexbytes "$1")" = "$2" ]; }
