# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Finding the program's windows and typing into them from outside, as a
# person would: the same for the Linux program and the Windows one under
# Wine. Sourced by lib.sh, which gives the waits (poll) and fail.

TITLE='Pallastro v1.0'
# The main, result and About windows share their caption; their widths tell
# them apart.
MAIN_WIDTH=488
RESULT_WIDTH=615
ABOUT_WIDTH=388
# How long a window is given to take the keyboard after it was focused.
FOCUS_SETTLE=${FOCUS_SETTLE:-0.1}

# Visible top-level windows named exactly NAME, optionally WIDTH pixels wide;
# with WINDOW_PID set, only that process's (WINDOW_PID=$pid wait_window ...).
windows_named() {
    local name=$1 width=${2:-} wid w only=()
    [ -z "${WINDOW_PID:-}" ] || only=(--all --pid "$WINDOW_PID")
    for wid in $(xdotool search --onlyvisible "${only[@]}" --name "^${name}\$" 2>/dev/null); do
        if [ -n "$width" ]; then
            w=$(xdotool getwindowgeometry "$wid" 2>/dev/null | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
            [ "$w" = "$width" ] || continue
        fi
        echo "$wid"
    done
}

# The tests poll runs: FOUND is the first such window.
window_shown() { FOUND=$(windows_named "$1" "$2" | head -n 1); [ -n "$FOUND" ]; }
no_window() { [ -z "$(windows_named "$1" "$2")" ]; }
has_ended() { ! kill -0 "$1" 2>/dev/null; }

# wait_window NAME [WIDTH] [SECONDS]: prints the window id once it is visible.
wait_window() {
    poll "${3:-15}" window_shown "$1" "${2:-}" || return 1
    echo "$FOUND"
}

# wait_gone NAME [WIDTH] [SECONDS]
wait_gone() { poll "${3:-10}" no_window "$1" "${2:-}"; }

# stays_absent NAME [SECONDS]: no window named NAME shows up meanwhile.
stays_absent() { ! poll "${2:-1}" window_shown "$1" ""; }

# wait_exit PID [SECONDS]: sets EXIT_STATUS; fails when the process keeps
# running. Called in this shell, not in $(...), so that wait can reap it.
wait_exit() {
    EXIT_STATUS=
    poll "${2:-10}" has_ended "$1" || return 1
    EXIT_STATUS=0
    wait "$1" || EXIT_STATUS=$?
    return 0
}

# wait_file PATH [SECONDS] [PID]: true once PATH exists; false when it does
# not within SECONDS (10), or as soon as PID, if given, has ended without it.
wait_file() {
    poll "${2:-10}" file_or_ended "$1" "${3:-}" && [ -e "$1" ]
}
file_or_ended() { [ -e "$1" ] || { [ -n "$2" ] && has_ended "$2"; }; }

# Keys to the window that has the focus, as a person types them.
keys() { xdotool key --clearmodifiers --delay 30 "$@"; }
typetext() { xdotool type --clearmodifiers --delay 20 "$1"; }

# focus_window WID: makes sure keystrokes reach it, with a window manager
# or without.
focus_window() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" >/dev/null 2>&1 || true
    sleep "$FOCUS_SETTLE"
}

# press_held MODIFIER KEY: KEY pressed while MODIFIER is held the way a
# person holds it, down for a moment first. A screen reader tells a word
# move (ctrl+Left) from a character move by the Control key it saw go down;
# sent together in one instant, the pair often reaches it as Left alone.
press_held() {
    xdotool keydown "$1"
    sleep "${HOLD_PAUSE:-0.4}"
    xdotool key "$2"
    sleep 0.1
    xdotool keyup "$1"
}

repeat_key() {
    local key=$1 count=$2
    [ "$count" -gt 0 ] || return 0
    local args=() i
    for i in $(seq "$count"); do args+=("$key"); done
    xdotool key --clearmodifiers --delay 5 "${args[@]}"
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

# keyboard_reading [SECONDS]: in the focused main window, John Smith, born
# 15 March 1980, typed with the keyboard only and started from the File
# menu; sets RESULT once the result window has taken the main window's place.
keyboard_reading() {
    enter_reading "John Smith" 2 15 1980
    get_reading "${1:-10}"
}

# get_reading [SECONDS]: File, Get in the focused main window; sets RESULT
# once the result window has taken the main window's place, and focuses it.
get_reading() {
    keys alt+f g
    reading_shown "${1:-10}"
}

# get_reading_with_enter [SECONDS]: from the year list of the focused main
# window, Tab to "Get My Greek Numerology Reading" and Enter; then as
# get_reading.
get_reading_with_enter() {
    keys Tab Return
    reading_shown "${1:-10}"
}

# reading_shown SECONDS: sets RESULT once the result window has taken the
# main window's place, and focuses it.
reading_shown() {
    RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" "$1") || fail "the result window did not open"
    wait_gone "$TITLE" "$MAIN_WIDTH" 5 || fail "the main window stayed open"
    focus_window "$RESULT"
}

# back_to_main [SECONDS]: Back in the result window RESULT; sets MAIN to the
# main window it brings, and focuses it.
back_to_main() {
    focus_window "$RESULT"
    keys alt+b
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" "${1:-10}") || fail "Back did not bring the main window"
    focus_window "$MAIN"
}

# file_dialog WHAT KEYS TEXT [SECONDS]: KEYS, to the focused window, open the
# WHAT (save, open) dialog; TEXT is typed into it and Return pressed.
file_dialog() {
    local dialog
    keys "$2"
    dialog=$(wait_window "Pallastro" "" "${4:-10}") || fail "the $1 dialog did not open"
    focus_window "$dialog"
    typetext "$3"
    keys Return
}

# dismiss_message [KEY]: the message box that has the focus closes with KEY
# (Return).
dismiss_message() {
    keys "${1:-Return}"
    wait_gone "Pallastro" "" 5 || fail "the message did not close"
}

# destiny_to_the_end: John Smith's Destiny, 8, has two gods. With the focus
# on Destiny's >>, the first press moves on without a word, the second
# reaches the end; the caller checks the last-record message that follows.
destiny_to_the_end() {
    keys space
    stays_absent "Pallastro" 1 || fail "the first step on the Destiny side showed a message"
    keys space
}
