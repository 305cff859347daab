# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# For the scenarios that read the program as a screen reader does. Sourced
# after tests/harness/linux.sh.

# start_accessibility_bus: a D-Bus session of our own, exported, with the
# accessibility bus started on it, so that the program and a screen reader
# meet there and the user's own session is never touched. Both are ended on
# exit.
start_accessibility_bus() {
    local info launcher
    info=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || fail "no D-Bus session"
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$info")
    export DBUS_SESSION_BUS_ADDRESS
    at_exit kill "$(sed -n 2p <<<"$info")"
    # Asking for the accessibility bus starts its launcher, and the answer
    # comes once the bus serves.
    dbus-send --session --print-reply --reply-timeout=20000 --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >"$E2E_TMP/a11y-bus" 2>&1 || fail "no accessibility bus: $(cat "$E2E_TMP/a11y-bus")"
    launcher=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.Bus | sed -n 's/.*uint32 //p')
    # The launcher ends the accessibility bus it started; the session goes
    # after it.
    [ -z "$launcher" ] || at_exit end_process "$launcher"
    # The program speaks AT-SPI only when asked to.
    export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
