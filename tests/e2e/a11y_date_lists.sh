#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a screen reader finds in the three birth-date lists of the real
# program, read over AT-SPI: each says which part of the date it holds and
# which entry is chosen, and a choice made with the keyboard is what the list
# then reads and announces.
. "$(dirname "$0")/lib.sh"
HERE=$(cd "$(dirname "$0")" && pwd)

start_display

# A D-Bus session of our own: the accessibility bus is found through it, and
# the user's own session is never touched. The session starts the AT-SPI bus
# launcher on the first request for it.
BUS_PID=
LAUNCHER_PID=
stop_bus() {
    if [ -n "$LAUNCHER_PID" ]; then
        # The launcher ends the accessibility bus it started.
        kill "$LAUNCHER_PID" 2>/dev/null || true
        for _ in $(seq 40); do kill -0 "$LAUNCHER_PID" 2>/dev/null || break; sleep 0.05; done
    fi
    if [ -n "$BUS_PID" ]; then kill "$BUS_PID" 2>/dev/null || true; fi
    return 0
}
trap 'stop_bus; cleanup' EXIT

bus_info=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no D-Bus session"
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus_info")
BUS_PID=$(sed -n 2p <<<"$bus_info")
export DBUS_SESSION_BUS_ADDRESS
# Asking for the accessibility bus starts it, and answers once it serves.
dbus-send --session --print-reply --reply-timeout=20000 --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >"$E2E_TMP/a11y-bus" 2>&1 || fail "no accessibility bus: $(cat "$E2E_TMP/a11y-bus")"
LAUNCHER_PID=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus | sed -n 's/.*uint32 //p')

# The program speaks AT-SPI only when asked to.
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

step "first start"
start_and_wait_main

# Debian's own Python, where python3-pyatspi installs, whatever else is first
# on the PATH.
PYTHON=/usr/bin/python3
# read_lists: what atspi_lists.py reads, into LISTS; fails the test when it cannot.
read_lists() {
    LISTS=$(timeout 60 "$PYTHON" "$HERE/atspi_lists.py" read "$APP_PID" 2>"$E2E_TMP/atspi.err") ||
        fail "reading over AT-SPI failed: $(cat "$E2E_TMP/atspi.err")"
}
# expect WHAT ACTUAL EXPECTED
expect() { [ "$2" = "$3" ] || fail "$1: expected
$3
found
$2"; }

step "the three lists as a screen reader finds them"
# Name (the entry chosen), description (the part of the date), and the labels
# that name the list: the group's caption for all, the date label for the
# first, the one it can be the buddy of.
TAB=$'\t'
read_lists
expect "lists at the start" "$LISTS" "1${TAB}Birth Day: day${TAB}Personal Details
January${TAB}Birth Day: month${TAB}Birth Day,Personal Details
1900${TAB}Birth Day: year${TAB}Personal Details"

step "March chosen with the keyboard is announced"
focus_window "$MAIN"
keys Tab
# Each step is announced as the list's new name, up to March.
announced=$(timeout 60 "$PYTHON" "$HERE/atspi_lists.py" watch "$APP_PID" March 20 \
    xdotool key --clearmodifiers --delay 100 Down Down 2>"$E2E_TMP/atspi.err") ||
    fail "no announcement of March over AT-SPI; heard: '$announced' $(cat "$E2E_TMP/atspi.err")"
# A step may be announced twice (name and selection both change), never a
# wrong one.
expect "names announced while moving down the month list" "$(uniq <<<"$announced")" "February
March"

step "and read back"
read_lists
expect "lists after choosing March" "$LISTS" "1${TAB}Birth Day: day${TAB}Personal Details
March${TAB}Birth Day: month${TAB}Birth Day,Personal Details
1900${TAB}Birth Day: year${TAB}Personal Details"

step "the year list follows too"
keys Tab Tab
repeat_key Down 80
# The keys are sent; the program may still be working through them.
want="1980${TAB}Birth Day: year${TAB}Personal Details"
for _ in $(seq 40); do
    read_lists
    [ "$(sed -n 3p <<<"$LISTS")" = "$want" ] && break
    sleep 0.25
done
expect "lists after choosing 1980" "$(sed -n 3p <<<"$LISTS")" "$want"

echo "ok"
