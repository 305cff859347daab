#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The About window opens over the main window and closes with Esc.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main

step "Help, About Software"
keys alt+h a
ABOUT=$(wait_window "$TITLE" "$ABOUT_WIDTH" 10) || fail "the About window did not open"
focus_window "$ABOUT"
keys Escape
wait_gone "$TITLE" "$ABOUT_WIDTH" 5 || fail "Esc did not close the About window"
kill -0 "$APP_PID" || fail "closing About ended the program"
windows_named "$TITLE" "$MAIN_WIDTH" | grep -q . || fail "the main window went away"

step "a second opening, closed with Enter"
focus_window "$MAIN"
keys alt+h a
ABOUT=$(wait_window "$TITLE" "$ABOUT_WIDTH" 10) || fail "the About window did not open again"
focus_window "$ABOUT"
keys Return
wait_gone "$TITLE" "$ABOUT_WIDTH" 5 || fail "Enter did not close the About window"
echo "ok"
