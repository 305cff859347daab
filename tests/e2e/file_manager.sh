#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A saved reading opened the way a file manager opens it. The build is
# installed into a prefix of its own, and a fresh home's desktop knows that
# prefix alone (no data or configuration of the machine's, and no D-Bus
# session). Before the prefix's MIME database is built, xdg-open starts
# nothing for the file; once it is built (update-mime-database and
# update-desktop-database, as Debian's triggers build the system's), the
# file is of the type the desktop entry claims (a name in capitals is not),
# and xdg-open and then gio open each start the installed program with the
# file, which shows that reading.
#
#   file_manager.sh PATH-TO-PALLASTRO BUILD-DIR
BUILD=${2:?usage: file_manager.sh PATH-TO-PALLASTRO BUILD-DIR}
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"

prefix=$E2E_TMP/prefix
cmake --install "$BUILD" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    fail "cmake --install: $(tail -n 5 "$E2E_TMP/install.log")"
APP=$prefix/bin/pallastro
entry=$(cd "$prefix/share/applications" && ls -- *.desktop)
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$prefix/share/applications/$entry")
[ -n "$type" ] || fail "the desktop entry $entry claims no type"

# The display first: its window manager reads the machine's folders.
start_display
mkdir -p "$E2E_TMP/config-dirs"
export XDG_DATA_DIRS=$prefix/share XDG_CONFIG_DIRS=$E2E_TMP/config-dirs
export PATH=$prefix/bin:$PATH
# No desktop environment: xdg-open takes its generic way, which looks the
# file's type and its application up in the databases.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID || true
# A session address that leads nowhere, so that no tool reaches a session
# or has one started for it.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/no-bus

readings=$E2E_TMP/readings
mkdir -p "$readings"
reading=$readings/john.grn
python3 "$HARNESS_DIR/plus85.py" write "$reading" 9 8
cp "$reading" "$readings/JOHN.GRN"

# installed_copies: the processes of the installed program, one a line.
installed_copies() {
    local pid
    for pid in $(pgrep -x pallastro); do
        [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$APP" ] && echo "$pid"
    done
    return 0
}
copy_started() { COPY=$(installed_copies | head -n 1); [ -n "$COPY" ]; }

# opened_with OPENER...: the opener starts the installed program with the
# reading as its one argument, and the program shows it in the result window
# and no main window; sets COPY and RESULT.
opened_with() {
    launch "$@" "$reading"
    OPENER=$APP_PID
    poll 20 copy_started || fail "$1 started no copy of $APP"
    APP_PIDS+=("$COPY")
    local arguments
    arguments=$(tr '\0' '\n' <"/proc/$COPY/cmdline" | tail -n +2)
    [ "$arguments" = "$reading" ] || fail "$1 started the program with the arguments: $arguments"
    RESULT=$(WINDOW_PID=$COPY wait_window "$TITLE" "$RESULT_WIDTH" 20) ||
        fail "the program $1 started does not show the reading"
    [ -z "$(windows_named "$TITLE" "$MAIN_WIDTH")" ] || fail "a main window shows beside the reading"
}

# closed: the result window closed ends the copy.
closed() {
    wmctrl -i -c "$RESULT"
    poll 10 has_ended "$COPY" || fail "closing the reading did not end the program"
}

step "without the type in the MIME database, xdg-open starts nothing for a reading"
launch xdg-open "$reading"
wait_exit "$APP_PID" 20 || fail "xdg-open did not come back"
[ -z "$(installed_copies)" ] || fail "xdg-open started the program for a file of no known type"

step "the databases built: the type, its application, and no type for a name in capitals"
update-mime-database "$prefix/share/mime" || fail "update-mime-database failed"
update-desktop-database "$prefix/share/applications" || fail "update-desktop-database failed"
[ "$(xdg-mime query filetype "$reading")" = "$type" ] ||
    fail "xdg-mime finds $reading of the type '$(xdg-mime query filetype "$reading")', not $type"
[ "$(xdg-mime query default "$type")" = "$entry" ] ||
    fail "xdg-mime gives '$(xdg-mime query default "$type")' as the application of $type, not $entry"
# GIO reads the glob's case; xdg-mime's generic way (File::MimeInfo) does not.
content_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
[ "$(content_type "$reading")" = "$type" ] || fail "gio finds $reading of the type '$(content_type "$reading")'"
[ "$(content_type "$readings/JOHN.GRN")" != "$type" ] || fail "gio takes JOHN.GRN for a reading"

step "xdg-open"
opened_with xdg-open
closed
# The generic xdg-open waits for the program and reports how it ended.
wait_exit "$OPENER" 10 || fail "xdg-open did not end with the program"
[ "$EXIT_STATUS" = 0 ] || fail "xdg-open ended with status $EXIT_STATUS"

step "gio open"
opened_with gio open
closed
echo "ok"
