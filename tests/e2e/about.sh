#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The About window opens over the main window and closes with Esc.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main

# about_closes_with KEY: Help, About Software opens the About window, and
# KEY closes it.
about_closes_with() {
    keys alt+h a
    ABOUT=$(wait_window "$TITLE" "$ABOUT_WIDTH" 10) || fail "the About window did not open"
    focus_window "$ABOUT"
    keys "$1"
    wait_gone "$TITLE" "$ABOUT_WIDTH" 5 || fail "$1 did not close the About window"
}

step "Help, About Software"
about_closes_with Escape
kill -0 "$APP_PID" || fail "closing About ended the program"
windows_named "$TITLE" "$MAIN_WIDTH" | grep -q . || fail "the main window went away"

step "a second opening, closed with Enter"
focus_window "$MAIN"
about_closes_with Return
echo "ok"
