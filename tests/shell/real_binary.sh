#!/bin/bash
# The single-instance rule with the real program on an X server of its own.
# Every copy gets a fresh home, config and runtime folder, so the user's own
# settings and locks are never touched.
#   real_binary.sh PROGRAM [SCREENSHOT_DIR]
# With SCREENSHOT_DIR it also takes about-main.png and about-result.png.
set -u
program=$1
shots=${2:-}

sandbox=$(mktemp -d)
export HOME=$sandbox/home XDG_CONFIG_HOME=$sandbox/home/.config XDG_RUNTIME_DIR=$sandbox/run
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_ACCESSIBILITY=0
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pids=()
failures=0

# shellcheck source=../e2e/display.sh
. "$(dirname "$0")/../e2e/display.sh"
DISPLAY_WORK=$sandbox

cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
    stop_display
    rm -rf "$sandbox"
}
trap cleanup EXIT

# The server is waited for: a copy started before it serves would abort.
start_x -screen 0 1024x768x24 || { echo "FAIL: no X server"; exit 1; }

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# wait_window PID TITLE-REGEX: prints the window id once it is mapped
wait_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
        if [ -n "$id" ]; then echo "$id"; return 0; fi
        sleep 0.1
    done
    return 1
}

start() {
    "$program" >/dev/null 2>&1 &
    last=$!
    pids+=("$last")
}

alive() { kill -0 "$1" 2>/dev/null; }

# 1. A first copy shows its main window; a second shows the message once and ends.
start; first=$last
wait_window "$first" '^Pallastro v1\.0$' >/dev/null || fail "first copy shows no main window"
start; second=$last
box=$(wait_window "$second" '^Pallastro$') || fail "second copy shows no message"
if xdotool search --all --onlyvisible --pid "$second" --name '^Pallastro v1\.0$' >/dev/null 2>&1; then
    fail "second copy shows a main window"
fi
[ -n "${box:-}" ] && xdotool windowfocus --sync "$box" 2>/dev/null; sleep 0.3
[ -n "${box:-}" ] && xdotool key --window "$box" Return 2>/dev/null
for _ in $(seq 1 50); do alive "$second" || break; sleep 0.1; done
alive "$second" && fail "second copy still running after its message"
alive "$first" || fail "first copy did not survive the second start"

# 2. A copy killed outright leaves a lock that does not block the next start.
kill -9 "$first"; wait "$first" 2>/dev/null
ls "$XDG_RUNTIME_DIR"/*.lock >/dev/null 2>&1 || fail "killed copy left no lock file (test set-up)"
start; third=$last
wait_window "$third" '^Pallastro v1\.0$' >/dev/null || fail "start after a killed copy is blocked"
kill -9 "$third"; wait "$third" 2>/dev/null

# 3. An empty lock file from long ago does not block either.
for lock in "$XDG_RUNTIME_DIR"/*.lock; do : >"$lock"; touch -d '1 minute ago' "$lock"; done
start; fourth=$last
wait_window "$fourth" '^Pallastro v1\.0$' >/dev/null || fail "an empty old lock file blocks the start"

# The About window over each top-level window.
shoot() {   # shoot OUTPUT: the About window together with the window under it
    local about main
    about=$(wait_window "$fourth" '^Pallastro v1\.0$' | head -1)
    sleep 0.8
    local ids
    ids=$(xdotool search --all --onlyvisible --pid "$fourth" --name '^Pallastro v1\.0$')
    local x0=100000 y0=100000 x1=0 y1=0
    for id in $ids; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$X" -lt "$x0" ] && x0=$X; [ "$Y" -lt "$y0" ] && y0=$Y
        [ $((X + WIDTH)) -gt "$x1" ] && x1=$((X + WIDTH)); [ $((Y + HEIGHT)) -gt "$y1" ] && y1=$((Y + HEIGHT))
    done
    # Room above for the title bars a window manager adds.
    y0=$((y0 - 32)); [ "$y0" -lt 0 ] && y0=0
    x0=$((x0 - 8)); [ "$x0" -lt 0 ] && x0=0
    import -window root -crop "$((x1 - x0 + 8))x$((y1 - y0 + 8))+$x0+$y0" +repage "$1"
}

open_about() {   # open_about WINDOW
    xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3
    xdotool key --clearmodifiers alt+h; sleep 0.4
    xdotool key a; sleep 0.8
}

if [ -n "$shots" ] && command -v import >/dev/null; then
    mkdir -p "$shots"
    # A window manager, where there is one, draws the title bars.
    if command -v openbox >/dev/null; then
        start_wm || fail "no window manager"
    fi
    main=$(wait_window "$fourth" '^Pallastro v1\.0$')
    open_about "$main"
    shoot "$shots/about-main.png"
    xdotool key Escape; sleep 0.5
    # A reading: type a name, then Proceed from the File menu.
    xdotool windowfocus --sync "$main" 2>/dev/null
    xdotool type --delay 50 "Ariadne"; sleep 0.2
    xdotool key alt+g; sleep 1.5
    result=$(wait_window "$fourth" '.') || fail "no result window"
    open_about "$result"
    shoot "$shots/about-result.png"
    xdotool key Return; sleep 0.5
fi
alive "$fourth" || fail "program ended while the About window was used"

if [ "$failures" -ne 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "all real-binary checks passed"
