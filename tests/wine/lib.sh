#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the Wine scenarios: the real pallastro.exe under Wine, on an X
# server of the scenario's own with a window manager, in a Windows
# installation (prefix) of its own, driven only from outside with the
# keyboard and the mouse, as tests/e2e does for the Linux program.

set -euo pipefail
WINE_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$WINE_LIB_DIR/wineenv.sh"
# The X server and window manager, and the finding of windows and typing
# into them, are those of the Linux program's scenarios. Wine starts slowly
# and on a loaded machine one look at the windows can take a good part of a
# second: the waits run to a deadline on the clock, not to a number of
# looks, and a window is given longer to take the keyboard.
WAIT_BY_CLOCK=1
FOCUS_SETTLE=0.2
# shellcheck source=../harness/display.sh
. "$WINE_LIB_DIR/../harness/display.sh"
# shellcheck source=../harness/drive.sh
. "$WINE_LIB_DIR/../harness/drive.sh"

E2E_TMP=$(mktemp -d /tmp/pallastro-wine-e2e.XXXXXX)
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
# The Windows program on the Windows desktop: nothing of Qt's Linux set-up.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WINEQT_QPA_PLATFORM WINEPATH || true
export LANG=C.UTF-8

APP_PIDS=()
DISPLAY_WORK=$E2E_TMP

cleanup() {
    local pid
    wine_prefix_end
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
        if [ -n "${SHOT_ON_FAIL:-}" ]; then
            import -window root "$SHOT_ON_FAIL" 2>/dev/null && echo "screen saved in $SHOT_ON_FAIL" >&2
        fi
    fi
    local pid
    for pid in "${APP_PIDS[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then echo "process $pid still running" >&2
        else echo "process $pid has ended" >&2; fi
    done
    for log in "$E2E_TMP"/app*.log; do
        [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
    done
    exit 1
}

step() { echo "-- $*"; }

start_display() {
    start_x -screen 0 1280x1024x24 -dpi 96 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
    start_wm 2>"$E2E_TMP/display.err" || fail "$(cat "$E2E_TMP/display.err")"
}

# start_windows: the display and a booted Windows installation.
start_windows() {
    start_display
    wine_prefix "$E2E_TMP/prefix"
    WIN_USER_DIR=$WINEPREFIX/drive_c/users/$(id -un)
    # Wine links Documents to the home of whoever booted the installation,
    # which every copy of the template would share: each scenario's user
    # gets a Documents folder of its own, empty.
    if [ -L "$WIN_USER_DIR/Documents" ]; then
        rm "$WIN_USER_DIR/Documents"
        mkdir "$WIN_USER_DIR/Documents"
    fi
}

# start_app [EXE]: starts the program (by default the one under test), sets APP_PID.
start_app() {
    local exe=${1:-$APP}
    local log="$E2E_TMP/app${#APP_PIDS[@]}.log"
    wine "$exe" >"$log" 2>&1 &
    APP_PID=$!
    APP_PIDS+=("$APP_PID")
}

# message_text WID: the text of the message box WID. Qt's message boxes on
# Windows copy title, text and buttons with Ctrl+C, as Windows' own do; Wine
# hands the clipboard to the X server, where xclip reads it.
message_text() {
    local wid=$1 end text
    printf '' | xclip -selection clipboard -i 2>/dev/null || true
    focus_window "$wid"
    keys ctrl+c
    end=$(deadline 5)
    while :; do
        text=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
        if [ -n "$text" ]; then printf '%s\n' "$text"; return 0; fi
        before "$end" || return 1
        sleep 0.05
    done
}

# expect_message TEXT [SECONDS]: a message box with TEXT is showing; sets MSG.
expect_message() {
    local want=$1 limit=${2:-10} text
    MSG=$(wait_window "Pallastro" "" "$limit") || fail "no message box (expected \"$want\")"
    text=$(message_text "$MSG") || fail "the message box gave no text (expected \"$want\")"
    grep -qxF -- "$want" <<<"$text" || fail "the message box says: $text (expected \"$want\")"
}

# wait_bytes FILE HEX [SECONDS]: FILE holds exactly HEX; the program writes
# it after its dialog has gone.
wait_bytes() {
    local file=$1 want=$2 end
    end=$(deadline "${3:-10}")
    while :; do
        [ -f "$file" ] && [ "$(hexbytes "$file")" = "$want" ] && return 0
        before "$end" || return 1
        sleep 0.1
    done
}
