#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The single-instance rule with the real program on an X server of its own.
# The copies share one fresh home, config and runtime folder, so the user's
# own settings and locks are never touched.
#   real_binary.sh PROGRAM [SCREENSHOT_DIR]
# With SCREENSHOT_DIR it also takes about-main.png and about-result.png.

# Without a window manager a focused window needs a moment to take the keyboard.
FOCUS_SETTLE=0.3
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
shots=${2:-}
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_ACCESSIBILITY=0
start_display --no-wm -screen 0 1024x768x24

# main_window_of PID: waits for that copy's main window and prints its id.
main_window_of() { WINDOW_PID=$1 wait_window "$TITLE" "" 10; }

# 1. A first copy shows its main window; a second shows the message once and ends.
start_app; first=$APP_PID
main_window_of "$first" >/dev/null || fail "first copy shows no main window"
start_app; second=$APP_PID
box=$(WINDOW_PID=$second wait_window "Pallastro" "" 10) || fail "second copy shows no message"
[ -z "$(WINDOW_PID=$second windows_named "$TITLE")" ] || fail "second copy shows a main window"
focus_window "$box"
keys Return
wait_exit "$second" 5 || fail "second copy still running after its message"
kill -0 "$first" 2>/dev/null || fail "first copy did not survive the second start"

# 2. A copy killed outright leaves a lock that does not block the next start.
kill -9 "$first"; wait "$first" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/*.lock >/dev/null 2>&1 || fail "killed copy left no lock file (test set-up)"
start_app; third=$APP_PID
main_window_of "$third" >/dev/null || fail "start after a killed copy is blocked"
kill -9 "$third"; wait "$third" 2>/dev/null || true

# 3. An empty lock file from long ago does not block either.
for lock in "$XDG_RUNTIME_DIR"/*.lock; do : >"$lock"; touch -d '1 minute ago' "$lock"; done
start_app; fourth=$APP_PID
main_window_of "$fourth" >/dev/null || fail "an empty old lock file blocks the start"

# The About window over each top-level window.
shoot() {   # shoot OUTPUT: the About window together with the window under it
    main_window_of "$fourth" >/dev/null
    sleep 0.8
    local id x0=100000 y0=100000 x1=0 y1=0 X Y WIDTH HEIGHT SCREEN WINDOW
    for id in $(WINDOW_PID=$fourth windows_named "$TITLE"); do
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
    focus_window "$1"
    keys alt+h; sleep 0.4
    keys a; sleep 0.8
}

if [ -n "$shots" ] && command -v import >/dev/null; then
    mkdir -p "$shots"
    # A window manager, where there is one, draws the title bars.
    if command -v openbox >/dev/null; then start_window_manager; fi
    main=$(WINDOW_PID=$fourth wait_window "$TITLE" "$MAIN_WIDTH" 10) || fail "no main window to take pictures of"
    open_about "$main"
    shoot "$shots/about-main.png"
    keys Escape; sleep 0.5
    # A reading: type a name, then Proceed from the File menu.
    focus_window "$main"
    typetext "Ariadne"; sleep 0.2
    keys alt+g; sleep 1.5
    result=$(WINDOW_PID=$fourth wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "no result window"
    open_about "$result"
    shoot "$shots/about-result.png"
    keys Return; sleep 0.5
fi
kill -0 "$fourth" 2>/dev/null || fail "program ended while the About window was used"
echo "all real-binary checks passed"
