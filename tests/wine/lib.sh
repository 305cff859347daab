#!/usr/bin/env bash
# Shared by the Wine scenarios: the real pallastro.exe under Wine, on an X
# server of the scenario's own with a window manager, in a Windows
# installation (prefix) of its own, driven only from outside with the
# keyboard and the mouse, as tests/e2e does for the Linux program.

set -euo pipefail
WINE_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$WINE_LIB_DIR/wineenv.sh"

TITLE='Pallastro v1.0'
MAIN_WIDTH=488
RESULT_WIDTH=615

E2E_TMP=$(mktemp -d /tmp/pallastro-wine-e2e.XXXXXX)
export HOME=$E2E_TMP/home
mkdir -p "$HOME"
# The Windows program on the Windows desktop: nothing of Qt's Linux set-up.
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME WINEQT_QPA_PLATFORM WINEPATH || true
export LANG=C.UTF-8

APP_PIDS=()
XVFB_PID=
WM_PID=

cleanup() {
    local pid
    wine_prefix_end
    for pid in "${APP_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
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
    local numberfile=$E2E_TMP/display i n=
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$numberfile" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for i in $(seq 200); do
        n=$(head -n 1 "$numberfile" 2>/dev/null || true)
        [ -n "$n" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || fail "the X server did not start: $(cat "$E2E_TMP/xvfb.log")"
        sleep 0.05
    done
    [ -n "$n" ] || fail "the X server did not report its display"
    export DISPLAY=":$n"
    openbox --sm-disable >"$E2E_TMP/wm.log" 2>&1 &
    WM_PID=$!
    for i in $(seq 200); do
        wmctrl -m >/dev/null 2>&1 && return 0
        kill -0 "$WM_PID" 2>/dev/null || break
        sleep 0.05
    done
    fail "window manager did not start: $(cat "$E2E_TMP/wm.log")"
}

# start_windows: the display and a booted Windows installation.
start_windows() {
    start_display
    wine_prefix "$E2E_TMP/prefix"
    WIN_USER_DIR=$WINEPREFIX/drive_c/users/$(id -un)
}

# start_app [EXE]: starts the program (by default the one under test), sets APP_PID.
start_app() {
    local exe=${1:-$APP}
    local log="$E2E_TMP/app${#APP_PIDS[@]}.log"
    wine "$exe" >"$log" 2>&1 &
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

# The waits below run to a deadline on the clock, not to a number of
# tries: on a loaded machine one look at the windows can take a good part
# of a second.
deadline() { echo $(( $(date +%s%N) / 1000000 + $(awk -v s="$1" 'BEGIN { print int(s * 1000) }') )); }
before() { [ $(( $(date +%s%N) / 1000000 )) -lt "$1" ]; }

# wait_window NAME [WIDTH] [SECONDS]: prints the window id once it is visible.
wait_window() {
    local name=$1 width=${2:-} end found
    end=$(deadline "${3:-15}")
    while :; do
        found=$(windows_named "$name" "$width" | head -n 1)
        if [ -n "$found" ]; then echo "$found"; return 0; fi
        before "$end" || return 1
        sleep 0.05
    done
}

# wait_gone NAME [WIDTH] [SECONDS]
wait_gone() {
    local name=$1 width=${2:-} end
    end=$(deadline "${3:-10}")
    while :; do
        [ -z "$(windows_named "$name" "$width")" ] && return 0
        before "$end" || return 1
        sleep 0.05
    done
}

# No window named NAME shows up within SECONDS.
stays_absent() {
    local name=$1 end
    end=$(deadline "${2:-1}")
    while before "$end"; do
        [ -n "$(windows_named "$name")" ] && return 1
        sleep 0.05
    done
    [ -z "$(windows_named "$name")" ]
}

# wait_exit PID [SECONDS]: sets EXIT_STATUS. Called in this shell, so that
# wait can reap the process.
wait_exit() {
    local pid=$1 end
    end=$(deadline "${2:-10}")
    EXIT_STATUS=
    while :; do
        if ! kill -0 "$pid" 2>/dev/null; then
            EXIT_STATUS=0
            wait "$pid" || EXIT_STATUS=$?
            return 0
        fi
        before "$end" || return 1
        sleep 0.05
    done
}

keys() { xdotool key --clearmodifiers --delay 30 "$@"; }
typetext() { xdotool type --clearmodifiers --delay 20 "$1"; }

focus_window() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
    sleep 0.2
}

repeat_key() {
    local key=$1 count=$2
    [ "$count" -gt 0 ] || return 0
    local args=() i
    for i in $(seq "$count"); do args+=("$key"); done
    xdotool key --clearmodifiers --delay 5 "${args[@]}"
}

# enter_reading NAME MONTH-INDEX DAY YEAR, with the keyboard only.
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

hexbytes() { od -An -tx1 -v "$1" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//' | tr 'a-f' 'A-F'; }
