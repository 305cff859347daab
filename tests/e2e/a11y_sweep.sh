#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every question a screen reader asks the real program over AT-SPI, in the
# main window, the result window and the Save dialog: each text is asked for
# its characters, words, sentences and lines at every offset, and each
# answer must come at once and be true. One object holds the focus, after a
# message box, a change of list entry and each change of window too; the
# entries of a closed list (the date lists, the Save dialog's), the hidden
# menu entry, the hidden Print button and a label that lies beneath another
# neither claim the focus nor show, nor are counted. A question left
# unanswered fails the test; the program is then killed with the rest.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
# shellcheck source=accessibility_bus.sh
. "$(dirname "$0")/accessibility_bus.sh"
HERE=$(cd "$(dirname "$0")" && pwd)

# Debian's own Python, where python3-pyatspi installs, whatever else is first
# on the PATH.
PYTHON=/usr/bin/python3

# sweep WHERE CHECK...: atspi_sweep.py's checks of the program as it is now.
# Untrue answers are gathered in UNTRUE and the walk goes on to the next
# window; a question unanswered ends it, as the program then answers
# nothing more. The sweep's own watchdog ends it first; the timeout here is
# for a sweep that could not even start it.
UNTRUE=""
sweep() {
    local where=$1 status=0
    shift
    timeout 120 "$PYTHON" "$HERE/atspi_sweep.py" "$APP_PID" "$@" || status=$?
    case $status in
    0) ;;
    1) UNTRUE+="${UNTRUE:+, }$where" ;;
    *) fail "what a screen reader asks in $where is not answered" ;;
    esac
}

start_display
start_accessibility_bus

step "a message box, and the main window after it"
start_and_wait_main
# An empty name is refused with a message.
keys alt+g
wait_window "Pallastro" "" 5 >/dev/null || fail "no message for an empty name"
sweep "the message box" focus
dismiss_message
focus_window "$MAIN"
sweep "the main window after the message" focus lists

step "the main window"
# The caret at the end of a name of two words: the end of a text is where a
# word is asked for last.
typetext "Anna Smith"
sweep "the main window" focus lists hidden stacked text
keys Tab Down
sweep "the main window after a change of month" focus lists

step "the result window"
get_reading
sweep "the result window" focus hidden stacked text

step "the Save dialog"
keys alt+s
DIALOG=$(wait_window "Pallastro" "" 10) || fail "the Save dialog did not open"
focus_window "$DIALOG"
typetext "first reading"
sweep "the Save dialog" focus lists stacked text
keys Escape
wait_gone "Pallastro" "" 5 || fail "the Save dialog did not close"

step "back in the main window"
back_to_main
sweep "the main window after the result window" focus lists hidden

[ -z "$UNTRUE" ] || fail "untrue answers to a screen reader in $UNTRUE"
echo "ok"
