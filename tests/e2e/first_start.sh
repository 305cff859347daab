#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# First start in a fresh home: no reminder question, the main window has the
# focus in the name box, and the title-bar close ends the process cleanly.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display

step "first start asks nothing"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "the main window did not appear"
stays_absent "Pallastro" 1 || fail "a question was asked on the first start"
focus_window "$MAIN"

step "typing goes to the name box"
typetext "Ann"
keys alt+f g
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "typing did not reach the name box (no reading)"

step "title-bar close ends the process with status 0 and no lock left"
wmctrl -i -c "$RESULT"
ends_cleanly "$APP_PID" "the title-bar close of the result window"
echo "ok"
