#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A reading named on the command line, as a file manager starts the program:
# straight to that reading; a file Open refuses gets its message, then the
# main window; a second start with a file hands it to the copy that runs,
# which shows it in front while the new copy ends without a word, also for a
# file whose name holds a line break, and says so for a file Open refuses,
# as often as it comes; a signal while the start-up message waits ends the
# program at once; a wrong number of arguments is told on the terminal.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
folder=$E2E_TMP/readings
mkdir -p "$folder"
python3 "$HARNESS_DIR/plus85.py" write "$folder/seven.grn" 7 3
python3 "$HARNESS_DIR/plus85.py" write "$folder/two.grn" 2 4
echo notes >"$folder/notes.txt"
broken_name=$folder/$'two\nlines.grn'
cp "$folder/seven.grn" "$broken_name"

# shows_reading LIFE-PATH DESTINY: saved through the real dialog, the result
# window's reading has those numbers.
saves=0
shows_reading() {
    local file=$folder/shown-$((saves += 1)).grn
    focus_window "$RESULT"
    file_dialog save alt+s "$file"
    wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
    wait_bytes "$file" "$(reading_bytes "$1" "$2")" 5 || fail "the reading shown is not $1 and $2: $(hexbytes "$file")"
}

step "two files: the usage line on standard error, status 2, no window"
status=0
timeout 10 "$APP" "$folder/seven.grn" "$folder/two.grn" >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
[ "$status" = 2 ] || fail "status $status"
[ "$(cat "$E2E_TMP/err")" = "Usage: $(basename "$APP") [FILE]" ] || fail "said '$(cat "$E2E_TMP/err")'"
[ ! -s "$E2E_TMP/out" ] || fail "wrote to standard output"
stays_absent "$TITLE" 1 || fail "showed a window"

step "a file Open refuses: its message, then the main window"
start_app_with "$folder/notes.txt"
MSG=$(wait_window "Pallastro" "" 20) || fail "no message for a file Open refuses"
no_window "$TITLE" "" || fail "a window showed before the message was answered"
focus_window "$MSG"
dismiss_message
wait_window "$TITLE" "$MAIN_WIDTH" 10 >/dev/null || fail "no main window after the message"
kill "$APP_PID"
ends_cleanly "$APP_PID" "SIGTERM"

step "a signal while the start-up message waits: the program ends at once"
start_app_with "$folder/notes.txt"
wait_window "Pallastro" "" 20 >/dev/null || fail "no message for a file Open refuses"
kill -TERM "$APP_PID"
ends_cleanly "$APP_PID" "SIGTERM under the message" 1
no_window "Pallastro" "" || fail "the message stayed"

step "a reading: straight to the result window"
start_app_with "$folder/seven.grn"
first=$APP_PID
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 20) || fail "the result window did not open"
no_window "$TITLE" "$MAIN_WIDTH" || fail "the main window showed too"
shows_reading 7 3

step "a second start with a file hands it to the first copy"
xdotool windowminimize --sync "$RESULT"
# No window to wait for: the second copy should never show one.
launch "$APP" "$folder/two.grn"
second=$APP_PID
wait_exit "$second" 10 || fail "the second copy kept running"
[ "$EXIT_STATUS" = 0 ] || fail "second copy exit status $EXIT_STATUS"
[ ! -s "$E2E_TMP/app$((${#APP_PIDS[@]} - 1)).log" ] || fail "the second copy said: $(cat "$E2E_TMP/app$((${#APP_PIDS[@]} - 1)).log")"
stays_absent "Pallastro" 1 || fail "a message showed"
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "the first copy did not show the reading"
[ "$(windows_named "$TITLE" | wc -l)" = 1 ] || fail "more than one window"
poll 5 eval '[ "$(xdotool getactivewindow 2>/dev/null)" = "$RESULT" ]' || fail "the reading did not come to the front"
shows_reading 2 4
kill -0 "$first" || fail "the first copy ended"

step "a second start with a bad file, six times: the first copy says so each time, the reading stays"
for _ in 1 2 3 4 5 6; do
    launch "$APP" "$folder/notes.txt"
    wait_exit "$APP_PID" 10 || fail "the second copy kept running"
    MSG=$(WINDOW_PID=$first wait_window "Pallastro" "" 10) || fail "no message for the bad file"
    focus_window "$MSG"
    dismiss_message
    kill -0 "$first" || fail "the first copy ended"
done
shows_reading 2 4

step "a second start with a file whose name holds a line break"
launch "$APP" "$broken_name"
wait_exit "$APP_PID" 10 || fail "the second copy kept running"
stays_absent "Pallastro" 1 || fail "a message showed"
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "the first copy shows no reading"
shows_reading 7 3
kill -0 "$first" || fail "the first copy ended"
echo "ok"
