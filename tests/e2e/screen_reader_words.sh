#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A blind user moves word by word with Orca, Debian's screen reader, in the
# text fields, Ctrl held as a person holds it: in the Name box and in the
# file dialogs' File name field Orca says each word the caret passes, and
# the program keeps answering. Orca asks the program for the word at each
# end of the move, the end of the text included. A file not found is then
# warned of in three lines, all heard. What Orca said is read from its own
# debug log.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
# shellcheck source=accessibility_bus.sh
. "$(dirname "$0")/accessibility_bus.sh"
# shellcheck source=orca.sh
. "$(dirname "$0")/orca.sh"

start_display
start_accessibility_bus
start_orca

# words_back_and_forth WHERE FIRST SECOND: with the caret at the end of
# "FIRST SECOND", two words back and two forth, each heard.
words_back_and_forth() {
    local where=$1 first=$2 second=$3
    hear_held ctrl Left
    expect_heard "ctrl+Left from the end of $where" "^$second\$"
    hear_held ctrl Left
    expect_heard "ctrl+Left to the start of $where" "^$first\$"
    hear_held ctrl Right
    expect_heard "ctrl+Right from the start of $where" "^$first\$"
    hear_held ctrl Right
    expect_heard "ctrl+Right to the end of $where" "^$second\$"
}

step "the Name box"
start_and_wait_main
hear Tab shift+Tab
expect_heard "the Name box" "^Name text"
typetext "Anna Smith"
until_quiet
words_back_and_forth "the Name box" Anna Smith

step "the Open dialog's File name field"
hear shift+Tab space
expect_heard "the Open dialog" "Pallastro: Open a saved reading dialog" "^File name: text"
typetext "first reading"
until_quiet
words_back_and_forth "the Open dialog's File name field" first reading
# The warning is three lines, which Orca logs as one entry of three.
hear Return
expect_heard "the warning for a file not found" \
    "^first reading\.grn File not found\. Please verify the correct file name was given\.$"
hear Return
expect_heard "back in the Open dialog" "^File name: text"
hear Escape
expect_heard "back to the main window" "^Open Previously Saved Reading push button"

step "the Save dialog's File name field"
hear alt+f
expect_heard "the File menu" "^Get My Greek Numerology Reading"
hear Return
expect_heard "the result window" "^Back push button"
# Save comes last in the tab order, just before Back.
hear shift+Tab space
expect_heard "the Save dialog" "Pallastro: Save this reading dialog" "^File name: text"
typetext "second reading"
until_quiet
words_back_and_forth "the Save dialog's File name field" second reading
hear Escape
expect_heard "back to the result window" "^Save push button"

printf '%s' "$TRANSCRIPT"
echo "ok"
