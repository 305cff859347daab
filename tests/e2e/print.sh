#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# File, Print in the real program, with the keyboard only: Qt's print dialog
# opens, "Print to File (PDF)" and a file name are chosen, and the PDF holds
# the whole reading (every god of both sides, the person and the working);
# Cancel leaves the window as it was and writes nothing; a reading opened
# from a saved file prints without a name.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main
folder=$E2E_TMP/printed
mkdir -p "$folder"

# pdf_text FILE: the text of a PDF on one line, single blanks.
pdf_text() { pdftotext -enc UTF-8 "$1" - | tr -s ' \n\f' '  '; }

# print_to FILE: File, Print in the focused result window; in the dialog the
# last printer of the list, Qt's "Print to File (PDF)", and FILE typed into
# its Output file field; Return prints.
print_to() {
    local dialog
    keys alt+f p
    dialog=$(wait_window "Print" "" 15) || fail "File, Print opened no print dialog"
    focus_window "$dialog"
    keys alt+n End
    keys alt+f ctrl+a
    typetext "$1"
    keys Return
    wait_gone "Print" "" 10 || fail "the print dialog stayed open"
    wait_file "$1" 20 || fail "nothing was printed into $1"
    # The file is complete once Poppler can read it.
    poll 10 pdfinfo "$1" >/dev/null 2>&1 || fail "$1 is no PDF"
}

step "John Smith, 15 March 1980; Destiny stepped on to Dionysus"
keyboard_reading
# From Back: the Life Path text, its >> and <<, then Destiny's << and >>.
keys Tab Tab Tab Tab Tab space
stays_absent "Pallastro" 1 || fail "the step to Dionysus showed a message"

step "File, Print, then Cancel: nothing is written and nothing changes"
keys alt+f p
dialog=$(wait_window "Print" "" 15) || fail "File, Print opened no print dialog"
focus_window "$dialog"
keys Escape
wait_gone "Print" "" 10 || fail "Cancel did not close the print dialog"
stays_absent "Pallastro" 1 || fail "a message followed the cancelled print dialog"
[ -z "$(find "$HOME" "$folder" -name '*.pdf')" ] || fail "Cancel wrote $(find "$HOME" "$folder" -name '*.pdf')"
# The focus is back on Destiny's >>, and Destiny still shows its last god.
focus_window "$RESULT"
keys space
MSG=$(wait_window "Pallastro" "" 5) || fail "Destiny's >> after Cancel showed no message"
dismiss_message
focus_window "$RESULT"

step "Print to a PDF file: the whole reading, with the working"
print_to "$folder/john.pdf"
text=$(pdf_text "$folder/john.pdf")
for want in "Pallastro v1.0" "Name John Smith" "Born 15 March 1980" \
    "15 + 3 + 1980 = 1998 → 1+9+9+8 = 27 → 2+7 = 9" "1+6+8+5 + 1+4+9+2+8 = 44 → 4+4 = 8" \
    "Greek Numerology Life Path Number is 9" "Greek Numerology Destiny Number is 8" \
    "Aphrodite is the Goddess of love" "Aphrodite Pandemos" "She is the daughter of Zeus and Dione" \
    "Apollo is the son of Zeus and Leto" "Dionysus" "He is the son of Zeus and Semele" "Page 1 of 1"; do
    grep -qF -- "$want" <<<"$text" || fail "the printed reading lacks '$want': $text"
done
[ "$(pdfimages -list "$folder/john.pdf" | awk 'NR > 2 && $3 == "image"' | wc -l)" = 4 ] ||
    fail "not four portraits: $(pdfimages -list "$folder/john.pdf")"

step "a reading opened from a saved file prints its numbers, without a name"
file_dialog save alt+s "$folder/john"
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
back_to_main
file_dialog open alt+o "$folder/john.grn"
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "opening did not show the result window"
focus_window "$RESULT"
print_to "$folder/opened.pdf"
text=$(pdf_text "$folder/opened.pdf")
grep -qF "opened from a saved file" <<<"$text" || fail "the opened reading does not say where it came from: $text"
grep -qF "Apollo is the son of Zeus" <<<"$text" || fail "the opened reading lacks its gods: $text"
! grep -qF "John Smith" <<<"$text" || fail "the opened reading was printed with the last reading's name"
echo "ok"
