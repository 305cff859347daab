#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real pallastro.exe under Wine, from the folder a user unpacks, so that
# the folder is proved complete: first start, a reading typed with the
# keyboard only, the first- and last-record messages, Save to a .grn file
# and Open it again, a second copy refused, E&xit with status 0, and the
# update reminder 15 days later.
#
#   tests/wine/program.sh PATH-TO-DIST-FOLDER/pallastro.exe
APP=${1:?usage: program.sh PATH-TO-pallastro.exe}
. "$(dirname "$0")/lib.sh"
start_windows
readings=$E2E_TMP/readings
mkdir -p "$readings"

step "first start asks nothing and shows the main window"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "the main window did not appear"
stays_absent "Pallastro" 1 || fail "a question was asked on the first start"
first=$APP_PID
focus_window "$MAIN"

step "John Smith, 15 March 1980, with the keyboard only"
keyboard_reading 15
focus_window "$RESULT"

step "<< on the first Life Path god, >> twice on the Destiny side (8: two gods)"
# Tab order from Back: the Life Path text, >> and << of Life Path, << and >>
# of Destiny.
keys Tab Tab Tab
keys space
expect_message "You are at the first record"
keys Return
wait_gone "Pallastro" "" 5 || fail "the message did not close"
focus_window "$RESULT"
keys Tab Tab
destiny_to_the_end
expect_message "You are at the last record"
keys Return
wait_gone "Pallastro" "" 5 || fail "the message did not close"

step "Save: Life Path 9 and Destiny 8, each digit stored as its code + 85"
focus_window "$RESULT"
keys alt+s
DIALOG=$(wait_window "Pallastro" "" 15) || fail "the save dialog did not open"
focus_window "$DIALOG"
typetext "$(wine_path "$readings/john")"
keys Return
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
wait_bytes "$readings/john.grn" "8E 0D 0A 8D 0D 0A" ||
    fail "john.grn holds '$(hexbytes "$readings/john.grn" 2>/dev/null)'; in the folder: $(ls -A "$readings")"

step "Back, then Open the saved reading"
focus_window "$RESULT"
keys alt+b
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 10) || fail "Back did not bring the main window"
wait_gone "$TITLE" "$RESULT_WIDTH" 5 || fail "the result window stayed open"
focus_window "$MAIN"
keys alt+o
DIALOG=$(wait_window "Pallastro" "" 15) || fail "the open dialog did not open"
focus_window "$DIALOG"
typetext "$(wine_path "$readings/john.grn")"
keys Return
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "opening did not show the result window"
wait_gone "$TITLE" "$MAIN_WIDTH" 5 || fail "the main window stayed open after Open"

step "a second copy is refused and ends with status 0; the first keeps running"
start_app
second=$APP_PID
expect_message "Application is already running" 60
[ "$(windows_named "$TITLE" | wc -l)" = 1 ] || fail "the second copy showed a window"
keys Return
wait_exit "$second" 15 || fail "the second copy kept running"
[ "$EXIT_STATUS" = 0 ] || fail "second copy exit status $EXIT_STATUS"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

step "Back, then E&xit ends the process with status 0"
focus_window "$RESULT"
keys alt+b
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 10) || fail "Back did not bring the main window"
focus_window "$MAIN"
keys alt+f x
wait_exit "$first" 15 || fail "Exit did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
wait_gone "$TITLE" "" 5 || fail "a window stayed after Exit"

step "15 days later the reminder asks before the main window"
"$WINE_LIB_DIR/settings.sh" move-reminder-back 15 || fail "the stored reminder date could not be moved back"
start_app
expect_message "There maybe an update to this software available" 60
[ -z "$(windows_named "$TITLE")" ] || fail "the main window came before the question"
keys Escape
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 15) || fail "no main window after the answer"
wmctrl -i -c "$MAIN"
wait_exit "$APP_PID" 15 || fail "the title-bar close did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo "ok"
