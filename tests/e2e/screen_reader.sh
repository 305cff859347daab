#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A blind user makes a reading with Orca, Debian's screen reader, and the
# keyboard alone, and hears it: the date lists say what they hold and every
# change of entry, a menu stays open, the result window says the reading as
# it opens, the mythology boxes name their god and are read whole, a step
# says where it led, each file dialog and the print dialog say what they
# are for, the selected Name box is read whole, and a reading printed is
# heard as printed. Orca's review commands read what is on the screen: flat
# review of the date row says the date chosen, and where-am-I in a mythology
# box says the god and the line there. What Orca said is read from its own
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

step "the date lists"
start_and_wait_main
typetext "John Smith"
hear Tab
expect_heard "the month list on focus" "^Birth Day: month combo box" "^January"
hear Down
expect_heard "Down on the closed month list" "^February"
hear Up
expect_heard "Up" "^January"
hear End
expect_heard "End" "^December"
hear Home
expect_heard "Home" "^January"
hear m
expect_heard "a typed letter" "^March"
hear Tab
expect_heard "the day list on focus" "^Birth Day: day combo box" "^1\.?$"
hear 1 5
expect_heard "a typed day" "^15"
hear Tab
expect_heard "the year list on focus" "^Birth Day: year combo box" "^1900"
hear 1 9 8 0
expect_heard "a typed year" "^1980"

step "flat review of the date row"
# Orca's review keys sit on the keypad with NumLock off, as Xvfb starts:
# KP_Up (8) reads the line the focus is on, KP_Subtract leaves the review.
hear KP_Up
expect_heard "the date row in flat review" "March 15 1980"
refuse_heard "the date row in flat review" "Birth Day: (month|day|year)"
hear KP_Subtract
expect_heard "leaving flat review" "^Leaving flat review"

step "the result window opens, from the menu"
# The menu stays open under a screen reader: Return reaches its first entry,
# not the year list below.
hear alt+f
expect_heard "the File menu" "^Get My Greek Numerology Reading"
hear Return
expect_heard "the reading as the window opens" "^Back push button" "Life Path 9, Aphrodite\. Destiny 8, Apollo\."

step "flat review of the result window"
# Each text once, in the order of the screen: a side's description, only
# the lines in view, then its interpretation, then its step buttons.
review_window
# review_line PATTERN: LINE is the number of the one line of the review
# that matches.
review_line() {
    local count
    count=$(grep -cE -- "$1" <<<"$REVIEW" || true)
    [ "$count" = 1 ] || fail "flat review of the result window read /$1/ $count times:
$REVIEW"
    LINE=$(grep -nE -- "$1" <<<"$REVIEW" | cut -d: -f1)
}
review_line "^Aphrodite is the Goddess of love"; lp_description=$LINE
review_line "^You will not be worried about your future"; lp_interpretation=$LINE
review_line "^Previous Life Path god Next Life Path god$"; lp_steps=$LINE
review_line "^Apollo is the son of Zeus"; d_description=$LINE
review_line "^You can foresee events"; d_interpretation=$LINE
review_line "^Previous Destiny god Next Destiny god$"; d_steps=$LINE
[ "$lp_description" -lt "$lp_interpretation" ] && [ $((lp_interpretation + 1)) = "$lp_steps" ] &&
    [ "$lp_steps" -lt "$d_description" ] && [ "$d_description" -lt "$d_interpretation" ] &&
    [ $((d_interpretation + 1)) = "$d_steps" ] ||
    fail "flat review of the result window out of the screen's order:
$REVIEW"

step "the Life Path side"
hear Tab
expect_heard "the Life Path mythology box" "^Life Path god: Aphrodite read only text"
# Where am I (KP_Enter) names the box and reads the line at the caret, and
# any text selected around it: none is.
hear KP_Enter
expect_heard "where am I in the Life Path mythology box" "^Life Path god: Aphrodite read only text" \
    "^Aphrodite is the Goddess of love and beauty"
refuse_heard "where am I in the Life Path mythology box" "Life Path shows|(^| )selected\.?$"
hear KP_Add
expect_heard "say-all of Aphrodite's description to its end" "harmony\.$"
hear Tab
expect_heard "the Life Path >>" "^Next Life Path god push button" "^Life Path shows Aphrodite"
refuse_heard "the Life Path >>" "Back|Next\.$"
hear space
expect_heard "a step on >>" "^Life Path shows Aphrodite Pandemos"
hear space
expect_heard "a step past the last god" "You are at the last record"
hear space
hear Tab
expect_heard "the Life Path <<" "^Previous Life Path god push button" "^Life Path shows Aphrodite Pandemos"
refuse_heard "the Life Path <<" "Back"
hear space
expect_heard "a step on <<" "^Life Path shows Aphrodite\.?$"

step "the Destiny side"
hear Tab Tab
expect_heard "the Destiny >>" "^Next Destiny god push button" "^Destiny shows Apollo"
hear space
expect_heard "a step on the Destiny side" "^Destiny shows Dionysus"
hear Tab
expect_heard "the Destiny mythology box" "^Destiny god: Dionysus read only text"

step "the print dialog"
# File's first entry is Print; the dialog says what it is for, flat review
# reads the printer chosen, and Cancel brings the focus back where it was.
hear alt+f
expect_heard "the result window's File menu" "^Print"
hear Return
expect_heard "the print dialog" "Pallastro: Print this reading dialog"
hear KP_Up
expect_heard "flat review of the printer line" "^Name: Print to File \\(PDF\\) Properties"
hear Escape
expect_heard "back from the print dialog" "^Destiny god: Dionysus read only text"
refuse_heard "back from the print dialog" "Reading printed"

step "printing to a PDF file"
# Once the pages are written the reading is heard as printed, and where,
# after the focus is back where it was.
hear alt+f
expect_heard "the result window's File menu again" "^Print"
hear Return
expect_heard "the print dialog again" "Pallastro: Print this reading dialog"
keys alt+n End
keys alt+f ctrl+a
typetext "$E2E_TMP/reading.pdf"
# Orca echoes each letter; typed faster than anyone types, they flood its
# queue, and it prunes what comes after them, the news of the print too.
until_quiet >/dev/null
hear Return
expect_heard "the reading printed" "^Destiny god: Dionysus read only text" "Reading printed to reading\.pdf"
back=$(grep -nE "^Destiny god: Dionysus" <<<"$HEARD" | head -n 1 | cut -d: -f1)
printed=$(grep -nE "Reading printed to reading\.pdf" <<<"$HEARD" | tail -n 1 | cut -d: -f1)
[ "$back" -lt "$printed" ] || fail "the reading printed was heard before the focus came back:
$HEARD"
wait_file "$E2E_TMP/reading.pdf" 20 || fail "nothing was printed into $E2E_TMP/reading.pdf"

step "the file dialogs"
hear Tab space
expect_heard "the Save dialog" "Pallastro: Save this reading dialog"
hear Escape
hear Tab space
expect_heard "back to the main window" "^Name text"

step "the Name box, selected"
# Back leaves the Name box empty. Shift+Tab into it selects the name typed
# there, and Orca reads the whole of it, its last letter too.
typetext "John Smith"
until_quiet
hear Tab
expect_heard "the month list again" "^Birth Day: month combo box"
hear shift+Tab
expect_heard "Shift+Tab into the Name box" "^Name text" "(^| )John Smith selected\.?$"
refuse_heard "Shift+Tab into the Name box" "John Smit selected"

step "the Open dialog"
hear shift+Tab space
expect_heard "the Open dialog" "Pallastro: Open a saved reading dialog"
hear Escape

printf '%s' "$TRANSCRIPT"
echo "ok"
