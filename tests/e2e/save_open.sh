#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Save through the real file dialog, check the bytes, open the file again from
# a new main window, and refuse a malformed file.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main
folder=$E2E_TMP/readings
mkdir -p "$folder"

step "a reading for John Smith, 15 March 1980"
enter_reading "John Smith" 2 15 1980
keys alt+g
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "the result window did not open"
focus_window "$RESULT"

step "Save to a name without extension; the dialog adds .grn"
file_dialog save alt+s "$folder/john"
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
[ -f "$folder/john.grn" ] || fail "no file was written"
bytes=$(hexbytes "$folder/john.grn")
# Life Path 9 and Destiny 8.
[ "$bytes" = "$(reading_bytes 9 8)" ] || fail "saved bytes are '$bytes'"

step "Back, then Open the saved reading"
back_to_main
file_dialog open alt+o "$folder/john.grn"
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "opening did not show the result window"
wait_gone "$TITLE" "$MAIN_WIDTH" 5 || fail "the main window stayed open after Open"

step "a malformed file is refused"
printf '7\r\n3\r\n' >"$folder/plain.grn"
back_to_main
file_dialog open alt+o "$folder/plain.grn"
sleep 0.5
MSG=$(wait_window "Pallastro" "" 5) || fail "no message for a malformed file"
focus_window "$MSG"
dismiss_message
[ -z "$(windows_named "$TITLE" "$RESULT_WIDTH")" ] || fail "a malformed file opened a reading"
windows_named "$TITLE" "$MAIN_WIDTH" | grep -q . || fail "the main window went away"
echo "ok"
