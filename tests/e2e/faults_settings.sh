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

step "the settings folder cannot be created (a file stands in its place)"
printf 'not a folder' >"$store"
for round in 1 2; do
    start_app
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "round $round: the main window did not appear"
    stays_absent "Pallastro" 1 || fail "round $round: a question was asked"
    focus_window "$MAIN"
    typetext "Anna"
    keys alt+g
    wait_window "$TITLE" "$RESULT_WIDTH" 10 >/dev/null || fail "round $round: no reading"
    wmctrl -c "$TITLE"
    wait_exit "$APP_PID" 10 || fail "round $round: the program did not end"
    [ "$EXIT_STATUS" = 0 ] || fail "round $round: exit status $EXIT_STATUS"
done
rm -f "$store"

step "the settings file is garbage"
mkdir -p "$store"
head -c 20000 /dev/urandom >"$store/pallastro.conf"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "garbage settings: the main window did not appear"
stays_absent "Pallastro" 1 || fail "garbage settings: a question was asked"
focus_window "$MAIN"
typetext "Anna"
keys alt+g
wait_window "$TITLE" "$RESULT_WIDTH" 10 >/dev/null || fail "garbage settings: no reading"
echo "ok"
