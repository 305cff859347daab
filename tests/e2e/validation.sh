#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The checks before a reading: an empty name, then 31 April.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main

step "empty name is refused"
keys alt+g
wait_window "Pallastro" "" 5 >/dev/null || fail "no message for an empty name"
keys Return
wait_gone "Pallastro" "" 5 || fail "the message did not close"
windows_named "$TITLE" "$MAIN_WIDTH" | grep -q . || fail "the main window went away"

step "31 April is refused"
focus_window "$MAIN"
enter_reading "Anna" 3 31 1980
keys alt+g
wait_window "Pallastro" "" 5 >/dev/null || fail "no message for 31 April"
keys Return
wait_gone "Pallastro" "" 5 || fail "the message did not close"
[ -z "$(windows_named "$TITLE" "$RESULT_WIDTH")" ] || fail "a reading started for 31 April"

step "30 April passes"
focus_window "$MAIN"
keys shift+Tab Up
keys alt+g
wait_window "$TITLE" "$RESULT_WIDTH" 10 >/dev/null || fail "30 April was refused"
echo "ok"
