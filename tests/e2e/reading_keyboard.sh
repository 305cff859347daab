#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A whole reading with the keyboard only: name, Tab through month, day, year,
# Alt+F then G; the result window replaces the main window; stepping with the
# buttons; Back brings an empty main window, where Enter on the focused Get
# button starts the same reading again.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main

step "John Smith, 15 March 1980, by the File menu"
keyboard_reading
kill -0 "$APP_PID" || fail "the process ended on the switch"

step "Destiny 8 has two gods: >> once moves, >> again reaches the end"
# Tab order from Back: txtLP, >> LP, << LP, << D, >> D.
keys Tab Tab Tab Tab Tab
destiny_to_the_end
wait_window "Pallastro" "" 5 >/dev/null || fail "no last-record message on the Destiny side"
dismiss_message

step "Back brings a fresh main window"
back_to_main
wait_gone "$TITLE" "$RESULT_WIDTH" 5 || fail "the result window stayed open"
keys alt+f g
wait_window "Pallastro" "" 5 >/dev/null || fail "the new main window kept the old name"
keys Return

step "The same reading again, with Enter on the focused Get button"
focus_window "$MAIN"
enter_reading "John Smith" 2 15 1980
get_reading_with_enter
kill -0 "$APP_PID" || fail "the process ended on the switch"

step "E&xit ends the process with status 0 and no lock left"
keys alt+f x
ends_cleanly "$APP_PID" "File, Exit"
echo "ok"
