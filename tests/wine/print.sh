#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# File, Print in the real pallastro.exe under Wine, from the folder a user
# unpacks, driven by the keyboard: without a printer the program says so;
# with one (add_printer.exe gives Wine one, as every Windows has "Microsoft
# Print to PDF") Windows' own print dialog opens, and Cancel leaves the
# reading as it was: the side stepped on stays where it was, no message, no
# dialog left behind, and Save still writes the same numbers.
#
#   tests/wine/print.sh PATH-TO-Pallastro-X.Y.Z-win64.zip PATH-TO-add_printer.exe
ZIP=${1:?usage: print.sh PATH-TO-ZIP PATH-TO-add_printer.exe}
ADD_PRINTER=${2:?usage: print.sh PATH-TO-ZIP PATH-TO-add_printer.exe}
APP=
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"

python3 -m zipfile -e "$ZIP" "$E2E_TMP/unpacked" || fail "the zip does not unpack"
folder=$E2E_TMP/unpacked/Pallastro
APP=$folder/pallastro.exe
cd "$folder"
start_windows
documents=$WIN_USER_DIR/Documents

step "John Smith, 15 March 1980; Destiny stepped on to Dionysus"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "the main window did not appear"
focus_window "$MAIN"
keyboard_reading 15
# From Back: the Life Path text, its >> and <<, then Destiny's << and >>.
keys Tab Tab Tab Tab Tab space
stays_absent "Pallastro" 1 || fail "the step to Dionysus showed a message"

step "File, Print without a printer says so"
keys alt+f p
expect_message "There is no printer to print on. Add one in the system's settings (Windows offers Microsoft Print to PDF), then print again." 15
dismiss_message
focus_window "$RESULT"
keys space
expect_message "You are at the last record"
dismiss_message

step "with a printer, File, Print opens Windows' print dialog"
wine "$ADD_PRINTER" "Pallastro Test Printer" || fail "the test printer could not be added"
focus_window "$RESULT"
keys alt+f p
dialog=$(wait_window "Print" "" 20) || fail "no print dialog"
focus_window "$dialog"

step "Cancel closes it and leaves all as it was"
keys Escape
wait_gone "Print" "" 10 || fail "the print dialog did not close"
stays_absent "Pallastro" 1 || fail "a message followed the cancelled print dialog"
[ -z "$(ls -A "$documents")" ] || fail "something was written into Documents: $(ls -A "$documents")"
windows_named "$TITLE" "$RESULT_WIDTH" | grep -qx "$RESULT" || fail "the result window went away"
# The focus is back on Destiny's >>, and Destiny still at Dionysus, its
# last god: >> says so.
focus_window "$RESULT"
keys space
expect_message "You are at the last record"
dismiss_message
focus_window "$RESULT"
file_dialog save alt+s "john" 15
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
wait_bytes "$documents/john.grn" "$(reading_bytes 9 8)" || fail "Save after the cancelled print did not write 9 and 8"
echo "ok"
