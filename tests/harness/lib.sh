#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The harness for every script that starts the real program on a screen of
# its own: the end-to-end scenarios, the single-instance and closing tests,
# the screenshots and the benchmarks. The program is driven only from
# outside, with the keyboard and the mouse.
#
# A script uses it so:
#
#   APP=path/to/pallastro      # or leave APP unset: the script's first argument
#   . tests/harness/lib.sh     # E2E_TMP, a fresh home in it, the cleanup trap
#   start_display              # its own Xvfb (1280x1024) and openbox; or, e.g.,
#                              #   start_display --no-wm -screen 0 1024x768x24
#   start_app                  # APP_PID; the output goes to $E2E_TMP/app<N>.log
#   MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "no main window"
#   fresh_home                 # another fresh home, for the next start
#
# fail MESSAGE shows what is on the screen, where a program still running is
# stuck and what each started program printed, then ends the script with 1.
# On exit everything started here is ended (what at_exit names too) and
# E2E_TMP removed; a script with a trap of its own calls cleanup from it. The window and keyboard
# helpers (wait_window, keys, ...) are in drive.sh.

set -euo pipefail

APP=${APP:-${1:-}}
[ -n "$APP" ] || { echo "usage: $(basename "$0") PATH-TO-PALLASTRO" >&2; exit 2; }

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=display.sh
. "$E2E_LIB_DIR/display.sh"
# shellcheck source=drive.sh
. "$E2E_LIB_DIR/drive.sh"

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-e2e.XXXXXX")
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

# The real desktop, not the offscreen one, on our own X server, never the
# user's, at the size the program was drawn for; no desktop integration that
# could open a browser or a portal.
unset DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_SCALE_FACTOR WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS || true
export BROWSER=/bin/false

APP_PIDS=()
# Commands cleanup runs, the last added first, before the display goes.
AT_EXIT=()
at_exit() { AT_EXIT+=("$*"); }

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

# start_program COMMAND...: starts it in the background with its output in
# $E2E_TMP/app<N>.log, sets APP_PID; ended on exit and watched by fail.
#
# Xvfb (21.1) now and then drops a connection it has just accepted when
# another client goes away at that moment: the program then dies with
# "cannot open a display". The checks here are short-lived X clients, so
# none runs until the program has a window, which it makes only once its
# connection stands; the wait holds a single connection meanwhile.
start_program() {
    local log="$E2E_TMP/app${#APP_PIDS[@]}.log" pid="" _
    "$@" >"$log" 2>&1 &
    APP_PID=$!
    APP_PIDS+=("$APP_PID")
    [ -n "${DISPLAY:-}" ] || return 0
    for _ in $(seq 400); do
        pid=$(program_pid "$APP_PID")
        [ -z "$pid" ] && kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.05
    done
    [ -z "$pid" ] || timeout 20 xdotool search --sync --pid "$pid" >/dev/null 2>&1 || true
}

# program_pid PID: PID itself or the process below it that runs the program
# (APP's file name): a wrapper such as faketime starts it as a child. Empty
# while there is none.
program_pid() {
    local pid
    for pid in "$1" $(pgrep -P "$1") $(pgrep -P "$1" | xargs -r -n 1 pgrep -P); do
        [ "$(basename "$(readlink "/proc/$pid/exe" 2>/dev/null)")" = "$(basename "$APP")" ] && { echo "$pid"; return; }
    done
    # Not there yet is an answer too: under set -e a failing status would
    # end the caller's script in the middle of its wait, without a word.
    return 0
}

# start_app [prefix command...]: starts the program, sets APP_PID.
start_app() { start_program "$@" "$APP"; }

# The first start: a fresh home has no reminder date, so no question is asked.
start_and_wait_main() {
    start_app "$@"
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "the main window did not appear"
    focus_window "$MAIN"
}

# lock_files: the single-instance lock files in the current home's runtime
# folder, one a line.
lock_files() { find "$XDG_RUNTIME_DIR" -maxdepth 1 -name '*.lock' 2>/dev/null; }

# ends_cleanly PID HOW [SECONDS]: the program, just asked to end in the way
# HOW names, ends by itself within SECONDS (10) with status 0 and leaves no
# lock file behind.
ends_cleanly() {
    wait_exit "$1" "${3:-10}" || fail "$2 did not end the process"
    [ "$EXIT_STATUS" = 0 ] || fail "$2 ended the process with status $EXIT_STATUS"
    [ -z "$(lock_files)" ] || fail "$2 left the lock file $(lock_files)"
}

# start_accessibility_bus: a D-Bus session of our own, exported, with the
# accessibility bus started on it, so that the program and a screen reader
# meet there and the user's own session is never touched. Both are ended on
# exit.
start_accessibility_bus() {
    local info launcher
    info=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no D-Bus session"
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$info")
    export DBUS_SESSION_BUS_ADDRESS
    at_exit kill "$(sed -n 2p <<<"$info")"
    # Asking for the accessibility bus starts its launcher, and the answer
    # comes once the bus serves.
    dbus-send --session --print-reply --reply-timeout=20000 --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >"$E2E_TMP/a11y-bus" 2>&1 || fail "no accessibility bus: $(cat "$E2E_TMP/a11y-bus")"
    launcher=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus | sed -n 's/.*uint32 //p')
    # The launcher ends the accessibility bus it started; the session goes
    # after it.
    [ -z "$launcher" ] || at_exit end_process "$launcher"
    # The program speaks AT-SPI only when asked to.
    export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# end_process PID: asks it to end and waits up to two seconds.
end_process() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 40); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.05; done
}
