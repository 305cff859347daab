#!/usr/bin/env bash
# Runs inside xvfb-run. Starts the real program with a fresh home, waits for
# its window "Pallastro v1.0" and closes it with File, Exit; the process must
# then end by itself.
set -euo pipefail

APP=${1:?usage: real_binary_closes.sh PATH-TO-PALLASTRO}

TMP=$(mktemp -d /tmp/pallastro-close.XXXXXX)
PID=
cleanup() {
    [ -n "$PID" ] && kill -9 "$PID" 2>/dev/null || true
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

"$APP" &
PID=$!

WID=
for _ in $(seq 200); do
    WID=$(xdotool search --onlyvisible --name '^Pallastro v1\.0$' 2>/dev/null | head -n 1 || true)
    [ -n "$WID" ] && break
    kill -0 "$PID" 2>/dev/null || fail "the program ended before showing its window"
    sleep 0.1
done
[ -n "$WID" ] || fail "no window captioned \"Pallastro v1.0\" appeared"
[ "$(xdotool getwindowname "$WID")" = "Pallastro v1.0" ] || fail "wrong caption"

# No window manager here: give the window the keyboard directly, then File, Exit.
xdotool windowfocus --sync "$WID"
sleep 0.3
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
