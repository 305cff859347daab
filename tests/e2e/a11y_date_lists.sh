#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a screen reader finds in the three birth-date lists of the real
# program, read over AT-SPI: each says which part of the date it holds and
# which entry is chosen, and a choice made with the keyboard is what the list
# then reads and announces.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
# shellcheck source=accessibility_bus.sh
. "$(dirname "$0")/accessibility_bus.sh"
HERE=$(cd "$(dirname "$0")" && pwd)

start_display

start_accessibility_bus

step "first start"
start_and_wait_main

# Debian's own Python, where python3-pyatspi installs, whatever else is first
# on the PATH.
PYTHON=/usr/bin/python3
# read_lists: what atspi_lists.py reads, into LISTS; fails the test when it cannot.
read_lists() {
    LISTS=$(timeout 60 "$PYTHON" "$HERE/atspi_lists.py" read "$APP_PID" 2>"$E2E_TMP/atspi.err") ||
        fail "reading over AT-SPI failed: $(cat "$E2E_TMP/atspi.err")"
}
# expect WHAT ACTUAL EXPECTED
expect() { [ "$2" = "$3" ] || fail "$1: expected
$3
found
$2"; }

step "the three lists as a screen reader finds them"
# Name (the part of the date), text (the entry chosen), and the labels that
# name the list: the group's caption alone, which a screen reader reads as
# the place, not as the list's name.
TAB=$'\t'
read_lists
expect "lists at the start" "$LISTS" "Birth Day: day${TAB}1${TAB}Personal Details
Birth Day: month${TAB}January${TAB}Personal Details
Birth Day: year${TAB}1900${TAB}Personal Details"

step "March chosen with the keyboard is announced"
focus_window "$MAIN"
keys Tab
# Each step is announced as the focus on the new entry of the list the box
# drops down, up to March.
announced=$(timeout 60 "$PYTHON" "$HERE/atspi_lists.py" watch "$APP_PID" March 20 \
    xdotool key --clearmodifiers --delay 100 Down Down 2>"$E2E_TMP/atspi.err") ||
    fail "no announcement of March over AT-SPI; heard: '$announced' $(cat "$E2E_TMP/atspi.err")"
# A step may be announced twice, never a wrong one.
expect "names announced while moving down the month list" "$(uniq <<<"$announced")" "February
March"

step "and read back"
read_lists
expect "lists after choosing March" "$LISTS" "Birth Day: day${TAB}1${TAB}Personal Details
Birth Day: month${TAB}March${TAB}Personal Details
Birth Day: year${TAB}1900${TAB}Personal Details"

step "the year list follows too"
keys Tab Tab
repeat_key Down 80
# The keys are sent; the program may still be working through them.
want="Birth Day: year${TAB}1980${TAB}Personal Details"
for _ in $(seq 40); do
    read_lists
    [ "$(sed -n 3p <<<"$LISTS")" = "$want" ] && break
    sleep 0.25
done
expect "lists after choosing 1980" "$(sed -n 3p <<<"$LISTS")" "$want"

echo "ok"
