# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A private X server, and a window manager on it, each waited for until it
# really serves. Sourced by lib.sh, the harness of every script that starts
# the real program on a screen, and by the Wine scenarios' own.
#
# The caller sets DISPLAY_WORK to a folder of its own and kills X_PID and
# WM_PID when it is done. Both functions print what went wrong and return
# non-zero instead of exiting, so each caller reports in its own way.

X_PID=
WM_PID=

# start_x [Xvfb options...]: starts Xvfb on a display it picks itself and
# exports DISPLAY. Xvfb writes the display number to -displayfd only once it
# accepts connections, unlike a fixed or guessed number (xvfb-run -a), which
# a second test starting at the same moment can take first.
start_x() {
    local numberfile=$DISPLAY_WORK/display n="" _
    : >"$numberfile"
    Xvfb -displayfd 3 -nolisten tcp "$@" 3>"$numberfile" >"$DISPLAY_WORK/xvfb.log" 2>&1 &
    X_PID=$!
    for _ in $(seq 400); do
        # A whole line: the number may be read while it is being written.
        if [ "$(wc -l <"$numberfile")" -ge 1 ]; then
            n=$(head -n 1 "$numberfile")
            break
        fi
        if ! kill -0 "$X_PID" 2>/dev/null; then
            echo "the X server did not start: $(cat "$DISPLAY_WORK/xvfb.log")" >&2
            return 1
        fi
        sleep 0.05
    done
    if [ -z "$n" ]; then
        echo "the X server did not report its display within 20 seconds" >&2
        return 1
    fi
    export DISPLAY=":$n"
}

# start_wm: openbox on $DISPLAY. Openbox announces itself (what `wmctrl -m`
# sees) before it enters its event loop; a window mapped in that gap stays
# unmapped until some other event wakes the manager. The start-up command
# runs only once the loop is about to run, so its file is the real signal.
start_wm() {
    local ready=$DISPLAY_WORK/wm-ready _
    rm -f "$ready"
    openbox --sm-disable --startup "touch $ready" >"$DISPLAY_WORK/wm.log" 2>&1 &
    WM_PID=$!
    for _ in $(seq 400); do
        [ -e "$ready" ] && return 0
        if ! kill -0 "$WM_PID" 2>/dev/null; then
            echo "the window manager ended at start: $(cat "$DISPLAY_WORK/wm.log")" >&2
            echo "X server on $DISPLAY: $(kill -0 "$X_PID" 2>/dev/null && echo running || echo ended); its log: $(cat "$DISPLAY_WORK/xvfb.log")" >&2
            return 1
        fi
        sleep 0.05
    done
    echo "the window manager did not start within 20 seconds: $(cat "$DISPLAY_WORK/wm.log")" >&2
    return 1
}

# stop_display: ends the window manager and the X server started here.
stop_display() {
    if [ -n "$WM_PID" ]; then kill "$WM_PID" 2>/dev/null || true; wait "$WM_PID" 2>/dev/null || true; fi
    if [ -n "$X_PID" ]; then kill "$X_PID" 2>/dev/null || true; wait "$X_PID" 2>/dev/null || true; fi
    WM_PID=""
    X_PID=""
    return 0
}
