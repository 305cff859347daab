#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The update reminder: a stored date 15 days old brings the question at start;
# answered No, the date is renewed and the next start asks nothing.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
# Fifteen days on, by the program's clock only. Under AddressSanitizer the
# faketime library is preloaded ahead of the sanitizer's runtime, which the
# sanitizer must be told to accept.
later=(env FAKETIME_DONT_FAKE_MONOTONIC=1
       "ASAN_OPTIONS=${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}verify_asan_link_order=0"
       faketime -f "+15d")

step "first start stores today's date"
start_and_wait_main
wmctrl -i -c "$MAIN"
ends_cleanly "$APP_PID" "the title-bar close of the main window"

step "15 days later the question comes before the main window"
start_app "${later[@]}"
MSG=$(wait_window "Pallastro" "" 20) || fail "no reminder question 15 days later"
[ -z "$(windows_named "$TITLE")" ] || fail "the main window came before the question"
focus_window "$MSG"
keys Escape
wait_window "$TITLE" "$MAIN_WIDTH" 10 >/dev/null || fail "no main window after the answer"
wmctrl -c "$TITLE"
wait_exit "$APP_PID" 10 || fail "the second start did not end"

step "the next start, the same day, asks nothing"
start_app "${later[@]}"
wait_window "$TITLE" "$MAIN_WIDTH" 20 >/dev/null || fail "the main window did not appear"
stays_absent "Pallastro" 1 || fail "the question came again after No"
echo "ok"
