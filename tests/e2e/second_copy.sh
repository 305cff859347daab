#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A second copy shows its message and ends; the first keeps running. A copy
# killed outright leaves no lock that blocks the next start.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
start_and_wait_main
first=$APP_PID

step "second copy"
start_app
second=$APP_PID
MSG=$(wait_window "Pallastro" "" 10) || fail "the second copy showed no message"
[ "$(xdotool getwindowpid "$MSG" 2>/dev/null || echo "$second")" = "$second" ] || fail "the message came from the wrong process"
[ "$(windows_named "$TITLE" | wc -l)" = 1 ] || fail "the second copy showed a window"
focus_window "$MSG"
keys Return
wait_exit "$second" 10 || fail "the second copy kept running"
[ "$EXIT_STATUS" = 0 ] || fail "second copy exit status $EXIT_STATUS"
[ "$(lock_files | wc -l)" = 2 ] || fail "after the second copy the first one's lock or socket is gone: $(lock_files)"
kill -0 "$first" || fail "the first copy ended"
windows_named "$TITLE" "$MAIN_WIDTH" | grep -q . || fail "the first copy lost its window"

step "a killed copy does not block the next start"
kill -9 "$first"
wait "$first" 2>/dev/null || true
wait_gone "$TITLE" "" 5 || fail "the killed copy's window stayed"
start_and_wait_main
stays_absent "Pallastro" 1 || fail "the lock of the killed copy blocked the start"
echo "ok"
