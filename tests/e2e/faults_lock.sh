#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The single-instance lock is a convenience: when it cannot be taken at all,
# the program still starts and works.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display

step "a folder stands where the lock file goes"
mkdir -p "$XDG_RUNTIME_DIR/pallastro-$(id -u).lock"
start_and_wait_main
stays_absent "Pallastro" 1 || fail "a message was shown"
typetext "Anna"
keys alt+g
wait_window "$TITLE" "$RESULT_WIDTH" 10 >/dev/null || fail "no reading"
echo "ok"
