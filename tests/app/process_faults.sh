#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real program against faults of its process, not of its windows:
#   1. no display to open: one line on stderr and exit status 1, no core;
#   2. SIGTERM, SIGINT and SIGHUP end it through its event loop: status 0 and
#      no lock file or socket left behind, also with the About window open
#      (an event loop of its own) and within a second;
#   3. a home that cannot be written to and no runtime folder: the lock and
#      the hand-over channel go to runtime-USER in the temporary folder, and
#      a second copy is still refused; with that folder closed too, the
#      program runs and says once, on stderr, that a second copy cannot be
#      detected;
#   4. HOME unset: the settings and the lock go to the home folder of the
#      user's account (run as a throwaway account whose home is a test folder,
#      so root only).
# Every copy runs with a fresh home, config, cache and runtime folder; the
# user's own settings and locks are never touched.
#   process_faults.sh PROGRAM
# Exits 77 (skipped) when no Xvfb is installed for the signal and home checks.

# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
name=$(basename "$APP")

# A core file would only litter the build folder.
ulimit -c 0

# 1. No display: the harness has started no X server yet.
step "no display"
# An X display number nobody serves.
unused=99
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ]; do unused=$((unused + 1)); done
for case in "nothing set" "a display nobody serves" "xcb asked for by name"; do
    fresh_home
    # Only the program sees the display, so that fail looks at none.
    case $case in
        "nothing set") with=() ;;
        "a display nobody serves") with=("DISPLAY=:$unused") ;;
        "xcb asked for by name") with=(QT_QPA_PLATFORM=xcb) ;;
    esac
    status=0
    env "${with[@]}" "$APP" >"$E2E_TMP/out" 2>"$E2E_TMP/err" </dev/null || status=$?
    [ "$status" = 1 ] || fail "$case: exit status $status, not 1"
    lines=$(wc -l <"$E2E_TMP/err")
    [ "$lines" = 1 ] || fail "$case: $lines lines on stderr: $(cat "$E2E_TMP/err")"
    grep -qx "$name: cannot open a display" "$E2E_TMP/err" ||
        fail "$case: stderr says: $(cat "$E2E_TMP/err")"
    [ ! -s "$E2E_TMP/out" ] || fail "$case: stdout says: $(cat "$E2E_TMP/out")"
    # It ended before anything of the start-up ran.
    made=$(find "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" -mindepth 1 | head -n 3)
    [ -z "$made" ] || fail "$case: files were made: $made"
done

if ! command -v Xvfb >/dev/null; then
    echo "SKIP: no Xvfb for the signal and home checks"
    exit 77
fi
start_display --no-wm -screen 0 1024x768x24
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0

# 2. The signals that ask the program to end. A script's background job
# would start with SIGINT ignored, which the program would keep; env gives it
# the default action back, as a terminal's foreground program has it.
for case in TERM INT HUP "TERM under About"; do
    signal=${case%% *}
    step "SIG$case"
    fresh_home
    start_program env --default-signal=INT,TERM,HUP "$APP"
    # The reminder writes the settings on the first start, before the main
    # window; the lock exists before that.
    wait_file "$XDG_RUNTIME_DIR/$name-$(id -u).lock" 20 "$APP_PID" &&
        wait_file "$XDG_CONFIG_HOME/pallastro/pallastro.conf" 20 "$APP_PID" ||
        fail "SIG$case: the program did not start"
    sleep 0.5
    if [ "$case" != "$signal" ]; then
        focus_window "$(wait_window "$TITLE" "$MAIN_WIDTH" 10)"
        keys alt+h; sleep 0.4
        keys a
        wait_window "$TITLE" "$ABOUT_WIDTH" 10 >/dev/null || fail "SIG$case: no About window"
    fi
    kill -s "$signal" "$APP_PID"
    ends_cleanly "$APP_PID" "SIG$case" 2
done

# 3. A home that cannot be written to, and no runtime folder. Root passes
# every permission check, so for root the folders are made read-only by a
# mount of the program's own (a mount namespace); anyone else closes them.
step "read-only home"
closed_run=()
if [ "$(id -u)" = 0 ]; then
    command -v unshare >/dev/null || fail "read-only home: needs unshare (util-linux) as root"
    # closed_run FOLDER... -- COMMAND...: COMMAND with each FOLDER mounted read-only.
    closed_run=(unshare --mount --propagation private -- sh -c \
        'while [ "$1" != -- ]; do mount -o bind,ro "$1" "$1" || exit 1; shift; done; shift; exec "$@"' sh)
fi
# start_closed FOLDER... -- : the program with those folders read-only,
# without XDG_RUNTIME_DIR and with the temporary folder $temp.
start_closed() {
    local folders=()
    while [ "$1" != -- ]; do folders+=("$1"); shift; done
    if [ ${#closed_run[@]} = 0 ]; then
        chmod -R a-w "${folders[@]}"
        # Open again for the harness's cleanup.
        at_exit "chmod -R u+w ${folders[*]@Q}"
        set -- env
    else
        set -- "${closed_run[@]}" "${folders[@]}" -- env
    fi
    start_program "$@" --default-signal=INT,TERM,HUP -u XDG_RUNTIME_DIR "TMPDIR=$temp" "$APP"
    APP_LOG=$E2E_TMP/app$((${#APP_PIDS[@]} - 1)).log
}
# What the program said itself: Qt's platform plugin asks for the runtime
# folder too, and its own notices about it ("QStandardPaths: ...") left out.
own_lines() { grep -v "QStandardPaths: " "$APP_LOG" || true; }

fresh_home
temp=$USER_DIR/tmp
mkdir -m 1777 "$temp"
fallback=$temp/runtime-$(id -un)
start_closed "$HOME" --
first=$APP_PID
WINDOW_PID=$first wait_window "$TITLE" "$MAIN_WIDTH" 20 >/dev/null ||
    fail "read-only home: the first copy shows no main window"
[ "$(stat -c '%u %a' "$fallback" 2>/dev/null)" = "$(id -u) 700" ] ||
    fail "read-only home: no private folder $fallback: $(ls -ld "$fallback" 2>&1)"
[ -f "$fallback/$name-$(id -u).lock" ] || fail "read-only home: no lock in $fallback: $(ls -A "$fallback")"
wait_file "$fallback/$name-$(id -u).socket" 10 ||
    fail "read-only home: the hand-over channel is not beside the lock: $(ls -A "$fallback")"
[ -z "$(own_lines)" ] || fail "read-only home: the first copy said: $(own_lines)"
start_closed "$HOME" --
second=$APP_PID
box=$(WINDOW_PID=$second wait_window "Pallastro" "" 10) ||
    fail "read-only home: the second copy does not say that the program already runs"
[ -z "$(WINDOW_PID=$second windows_named "$TITLE")" ] || fail "read-only home: the second copy shows a main window"
focus_window "$box"
keys Return
wait_exit "$second" 10 || fail "read-only home: the second copy still runs after its message"
[ "$EXIT_STATUS" = 0 ] || fail "read-only home: the second copy ended with status $EXIT_STATUS"
kill -0 "$first" 2>/dev/null || fail "read-only home: the first copy did not survive the second start"
kill -TERM "$first"
wait_exit "$first" 20 || fail "read-only home: SIGTERM did not end the first copy"
[ "$EXIT_STATUS" = 0 ] || fail "read-only home: SIGTERM ended the first copy with status $EXIT_STATUS"
[ -z "$(ls -A "$fallback")" ] || fail "read-only home: left behind in $fallback: $(ls -A "$fallback")"

# Every folder closed, the temporary one too: two copies run side by side,
# and each says why, in one line.
step "no folder for the lock"
fresh_home
temp=$USER_DIR/tmp
mkdir -m 1777 "$temp"
said="No folder can hold the single-instance lock: a second copy cannot be detected"
copies=()
for copy in 1 2; do
    start_closed "$HOME" "$temp" --
    copies+=("$APP_PID")
    WINDOW_PID=$APP_PID wait_window "$TITLE" "$MAIN_WIDTH" 20 >/dev/null ||
        fail "no folder for the lock: copy $copy shows no main window"
    [ "$(own_lines)" = "$said" ] ||
        fail "no folder for the lock: copy $copy said, in $(own_lines | wc -l) lines: $(own_lines)"
done
[ -z "$(ls -A "$temp")" ] || fail "no folder for the lock: made in the closed temporary folder: $(ls -A "$temp")"
for pid in "${copies[@]}"; do
    kill -TERM "$pid"
    wait_exit "$pid" 20 || fail "no folder for the lock: SIGTERM did not end copy $pid"
    [ "$EXIT_STATUS" = 0 ] || fail "no folder for the lock: SIGTERM ended copy $pid with status $EXIT_STATUS"
done

# 4. HOME unset: the home folder of the account. Only root can lend the
# program an account of its own (a throwaway user id, known to the program
# through a private copy of /etc/passwd in a mount namespace of its own);
# anyone else's account would have its real home touched.
step "HOME unset"
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: HOME unset: needs root, to lend the program an account whose home is a test folder"
elif ! command -v unshare >/dev/null || ! command -v setpriv >/dev/null; then
    echo "SKIP: HOME unset: needs unshare and setpriv (util-linux)"
else
    uid=$((62000 + $$ % 2000))
    while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do uid=$((uid + 1)); done
    # The account reaches its home and its copy of the program through here.
    chmod 755 "$E2E_TMP"
    account_home=$E2E_TMP/account
    mkdir -p "$account_home"
    chown "$uid:$uid" "$account_home"
    cp /etc/passwd "$E2E_TMP/passwd"
    echo "pallastro-test:x:$uid:$uid::$account_home:/bin/sh" >>"$E2E_TMP/passwd"
    cp "$APP" "$E2E_TMP/$name"
    chmod 755 "$E2E_TMP/$name"
    unset HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR XDG_DATA_HOME
    # Without XDG_RUNTIME_DIR Qt itself makes a runtime-USER folder in the
    # temporary folder; this one goes with the harness's.
    mkdir -m 1777 "$E2E_TMP/tmp"
    export TMPDIR=$E2E_TMP/tmp
    start_program unshare --mount --propagation private -- sh -c \
        'mount --bind "$1" /etc/passwd && exec env --default-signal=INT,TERM,HUP \
             setpriv --reuid="$2" --regid="$2" --clear-groups -- "$3"' \
        sh "$E2E_TMP/passwd" "$uid" "$E2E_TMP/$name"
    settings=$account_home/.config/pallastro/pallastro.conf
    lock=$account_home/.cache/pallastro/$name-$uid.lock
    wait_file "$lock" 20 "$APP_PID" && wait_file "$settings" 20 "$APP_PID" ||
        fail "HOME unset: no settings or lock in the account's home"
    [ "$(stat -c '%u %a' "$lock")" = "$uid 600" ] ||
        fail "HOME unset: the lock file is $(stat -c '%U %a' "$lock"), not the user's alone"
    [ "$(stat -c '%u %a' "$(dirname "$lock")")" = "$uid 700" ] ||
        fail "HOME unset: the lock folder is $(stat -c '%U %a' "$(dirname "$lock")")"
    sleep 0.5
    kill -TERM "$APP_PID"
    # The lock is in the cache folder here, not in a runtime folder.
    wait_exit "$APP_PID" 20 || fail "HOME unset: SIGTERM did not end the process"
    [ "$EXIT_STATUS" = 0 ] || fail "HOME unset: SIGTERM ended the process with status $EXIT_STATUS"
    [ ! -e "$lock" ] || fail "HOME unset: the lock file was left behind"
fi

echo "ok"
