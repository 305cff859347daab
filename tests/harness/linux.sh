# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Linux program on top of the base (lib.sh): for the end-to-end
# scenarios, the single-instance and closing tests, the screenshots and the
# benchmarks.
#
#   APP=path/to/pallastro      # or leave APP unset: the script's first argument
#   . tests/harness/linux.sh
#   start_display
#   start_app                  # APP_PID; the output goes to $E2E_TMP/app<N>.log
#   MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "no main window"
#   fresh_home                 # another fresh home, for the next start
#
# fail also shows where a program still running is stuck.

APP=${APP:-${1:-}}
[ -n "$APP" ] || { echo "usage: $(basename "$0") PATH-TO-PALLASTRO" >&2; exit 2; }

# shellcheck source=lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Where a program that shows nothing is stuck.
backtraces() {
    local pid
    command -v gdb >/dev/null || return 0
    for pid in "${APP_PIDS[@]}"; do
        kill -0 "$pid" 2>/dev/null || continue
        echo "process $pid:" >&2
        timeout 20 gdb -batch -p "$pid" -ex 'thread apply all bt 25' 2>/dev/null |
            grep -E '^(#|Thread)' | head -n 80 >&2
    done
}
at_fail backtraces

# start_program COMMAND...: launches it and, with a display, returns once
# the program has a window or has ended.
#
# Xvfb (21.1) now and then drops a connection it has just accepted when
# another client goes away at that moment: the program then dies with
# "cannot open a display". The checks here are short-lived X clients, so
# none runs until the program has a window, which it makes only once its
# connection stands; the wait holds a single connection meanwhile.
start_program() {
    local pid="" _
    launch "$@"
    [ -n "${DISPLAY:-}" ] || return 0
    for _ in $(seq 400); do
        pid=$(program_pid "$APP_PID")
        [ -z "$pid" ] && kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.05
    done
    [ -z "$pid" ] || timeout 20 xdotool search --sync --pid "$pid" >/dev/null 2>&1 || true
}

# program_pid PID: PID itself or the process below it that runs the program
# (APP's file name): a wrapper such as faketime starts it as a child. Empty
# while there is none.
program_pid() {
    local pid
    for pid in "$1" $(pgrep -P "$1") $(pgrep -P "$1" | xargs -r -n 1 pgrep -P); do
        [ "$(basename "$(readlink "/proc/$pid/exe" 2>/dev/null)")" = "$(basename "$APP")" ] && { echo "$pid"; return; }
    done
    # Not there yet is an answer too: under set -e a failing status would
    # end the caller's script in the middle of its wait, without a word.
    return 0
}

# start_app [prefix command...]: starts the program, sets APP_PID.
start_app() { start_program "$@" "$APP"; }
# start_app_with ARGUMENTS...: the same, with arguments for the program.
start_app_with() { start_program "$APP" "$@"; }

# The first start: a fresh home has no reminder date, so no question is asked.
start_and_wait_main() {
    start_app "$@"
    MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 20) || fail "the main window did not appear"
    focus_window "$MAIN"
}

# lock_files: the single-instance lock files and hand-over sockets in the
# current home's runtime folder, one a line.
lock_files() { find "$XDG_RUNTIME_DIR" -maxdepth 1 \( -name '*.lock' -o -name '*.socket' \) 2>/dev/null; }

# ends_cleanly PID HOW [SECONDS]: the program, just asked to end in the way
# HOW names, ends by itself within SECONDS (10) with status 0 and leaves no
# lock file or hand-over socket behind.
ends_cleanly() {
    wait_exit "$1" "${3:-10}" || fail "$2 did not end the process"
    [ "$EXIT_STATUS" = 0 ] || fail "$2 ended the process with status $EXIT_STATUS"
    [ -z "$(lock_files)" ] || fail "$2 left the lock file $(lock_files)"
}
