#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the real program on an X server of its own with a fresh home, waits for
# its window "Pallastro v1.0", goes to a reading and Back again (switches,
# during which for a moment no window is open, must not end the program),
# then closes the window with File, Exit; the process must then end by itself.
#
#   real_binary_closes.sh PATH-TO-PALLASTRO

# No window manager here: focusing gives the window the keyboard directly,
# and a window needs a moment longer to take it.
FOCUS_SETTLE=0.3
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display --no-wm -screen 0 1024x768x24

start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "no window captioned \"$TITLE\" appeared"
[ "$(xdotool getwindowname "$MAIN")" = "$TITLE" ] || fail "wrong caption"

focus_window "$MAIN"
typetext "Ann"
get_reading 20
back_to_main 20
keys alt+f x
ends_cleanly "$APP_PID" "File, Exit"
echo "ok: the window appeared and closing it ended the program"
