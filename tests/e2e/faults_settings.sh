#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A settings store that cannot be written, or that holds garbage, never stops
# the program and never brings a question it should not ask.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
store=$XDG_CONFIG_HOME/pallastro

# reading_despite WHAT: the program starts, asks nothing and makes a reading.
reading_despite() {
    start_app
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "$1: the main window did not appear"
    stays_absent "Pallastro" 1 || fail "$1: a question was asked"
    focus_window "$MAIN"
    typetext "Anna"
    keys alt+g
    wait_window "$TITLE" "$RESULT_WIDTH" 10 >/dev/null || fail "$1: no reading"
}

step "the settings folder cannot be created (a file stands in its place)"
printf 'not a folder' >"$store"
for round in 1 2; do
    reading_despite "round $round"
    wmctrl -c "$TITLE"
    wait_exit "$APP_PID" 10 || fail "round $round: the program did not end"
    [ "$EXIT_STATUS" = 0 ] || fail "round $round: exit status $EXIT_STATUS"
done
rm -f "$store"

step "the settings file is garbage"
mkdir -p "$store"
head -c 20000 /dev/urandom >"$store/pallastro.conf"
reading_despite "garbage settings"
echo "ok"
