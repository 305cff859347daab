#!/bin/bash
# The real program against faults of its process, not of its windows:
#   1. no display to open: one line on stderr and exit status 1, no core;
#   2. SIGTERM, SIGINT and SIGHUP end it through its event loop: status 0 and
#      no lock file left behind;
#   3. HOME unset: the settings and the lock go to the home folder of the
#      user's account (run as a throwaway account whose home is a test folder,
#      so root only).
# Every copy runs with a fresh home, config, cache and runtime folder; the
# user's own settings and locks are never touched.
#   process_faults.sh PROGRAM
# Exits 77 (skipped) when no Xvfb is installed for parts 2 and 3.
set -u
program=$1
failures=0
sandbox=$(mktemp -d /tmp/pallastro-faults.XXXXXX)
chmod 755 "$sandbox"
xvfb_pid=
app_pid=

cleanup() {
    [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$sandbox"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A core file would only litter the build folder.
ulimit -c 0

# fresh_home NAME: a home with its own config, cache and runtime folders,
# exported for the next copy.
fresh_home() {
    local base=$sandbox/$1
    mkdir -p "$base/home/.config" "$base/home/.cache" "$base/run"
    chmod 700 "$base/run"
    export HOME=$base/home XDG_CONFIG_HOME=$base/home/.config XDG_CACHE_HOME=$base/home/.cache
    export XDG_RUNTIME_DIR=$base/run
    unset XDG_DATA_HOME
}

# wait_for PATH SECONDS: true once PATH exists.
wait_for() {
    local i
    for i in $(seq $(($2 * 10))); do
        [ -e "$1" ] && return 0
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# ended_with PID SECONDS: sets STATUS once the process has ended.
ended_with() {
    local i
    for i in $(seq $(($2 * 10))); do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1"; STATUS=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# 1. No display.
echo "-- no display"
# An X display number nobody serves.
unused=99
while [ -e "/tmp/.X11-unix/X$unused" ] || [ -e "/tmp/.X$unused-lock" ]; do unused=$((unused + 1)); done
for case in "nothing set" "a display nobody serves" "xcb asked for by name"; do
    fresh_home "nodisplay-${case// /-}"
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
    case $case in
        "a display nobody serves") export DISPLAY=:$unused ;;
        "xcb asked for by name") export QT_QPA_PLATFORM=xcb ;;
    esac
    "$program" >"$sandbox/out" 2>"$sandbox/err" </dev/null
    status=$?
    [ "$status" = 1 ] || fail "$case: exit status $status, not 1"
    lines=$(wc -l <"$sandbox/err")
    [ "$lines" = 1 ] || fail "$case: $lines lines on stderr: $(cat "$sandbox/err")"
    grep -qx "$(basename "$program"): cannot open a display" "$sandbox/err" ||
        fail "$case: stderr says: $(cat "$sandbox/err")"
    [ -s "$sandbox/out" ] && fail "$case: stdout says: $(cat "$sandbox/out")"
    # It ended before anything of the start-up ran.
    made=$(find "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" -mindepth 1 | head -n 3)
    [ -z "$made" ] || fail "$case: files were made: $made"
    unset DISPLAY QT_QPA_PLATFORM
done

if ! command -v Xvfb >/dev/null; then
    echo "SKIP: no Xvfb for the signal and home checks"
    [ "$failures" = 0 ] && exit 77
    exit 1
fi

# Our own X server; it picks a free display itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$sandbox/display" >"$sandbox/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do
    [ -s "$sandbox/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
number=$(head -n 1 "$sandbox/display" 2>/dev/null)
if [ -z "$number" ]; then
    echo "FAIL: the X server did not start: $(cat "$sandbox/xvfb.log")"
    exit 1
fi
export DISPLAY=:$number QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=0
unset WAYLAND_DISPLAY QT_QPA_PLATFORMTHEME DBUS_SESSION_BUS_ADDRESS
export BROWSER=/bin/false

# 2. The signals that ask the program to end. A script's background job
# would start with SIGINT ignored, which the program would keep; env gives it
# the default action back, as a terminal's foreground program has it.
for signal in TERM INT HUP; do
    echo "-- SIG$signal"
    fresh_home "signal-$signal"
    lock=$XDG_RUNTIME_DIR/$(basename "$program")-$(id -u).lock
    env --default-signal=INT,TERM,HUP "$program" >"$sandbox/out" 2>&1 </dev/null &
    app_pid=$!
    # The reminder writes the settings on the first start, before the main
    # window; the lock exists before that.
    if ! wait_for "$lock" 20 || ! wait_for "$XDG_CONFIG_HOME/pallastro/pallastro.conf" 20; then
        fail "SIG$signal: the program did not start: $(cat "$sandbox/out")"
        kill -9 "$app_pid" 2>/dev/null; app_pid=
        continue
    fi
    sleep 0.5
    kill -s "$signal" "$app_pid"
    if ! ended_with "$app_pid" 20; then
        fail "SIG$signal: the program is still running"
        kill -9 "$app_pid" 2>/dev/null
    elif [ "$STATUS" != 0 ]; then
        fail "SIG$signal: exit status $STATUS, not 0: $(cat "$sandbox/out")"
    fi
    app_pid=
    [ -e "$lock" ] && fail "SIG$signal: the lock file was left behind"
done

# 3. HOME unset: the home folder of the account. Only root can lend the
# program an account of its own (a throwaway user id, known to the program
# through a private copy of /etc/passwd in a mount namespace of its own);
# anyone else's account would have its real home touched.
echo "-- HOME unset"
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: HOME unset: needs root, to lend the program an account whose home is a test folder"
elif ! command -v unshare >/dev/null || ! command -v setpriv >/dev/null; then
    echo "SKIP: HOME unset: needs unshare and setpriv (util-linux)"
else
    uid=$((62000 + $$ % 2000))
    while getent passwd "$uid" >/dev/null || getent group "$uid" >/dev/null; do uid=$((uid + 1)); done
    account_home=$sandbox/account
    mkdir -p "$account_home"
    chown "$uid:$uid" "$account_home"
    cp /etc/passwd "$sandbox/passwd"
    echo "pallastro-test:x:$uid:$uid::$account_home:/bin/sh" >>"$sandbox/passwd"
    cp "$program" "$sandbox/$(basename "$program")"
    chmod 755 "$sandbox/$(basename "$program")"
    unset HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR XDG_DATA_HOME
    # Without XDG_RUNTIME_DIR Qt itself makes a runtime-USER folder in the
    # temporary folder; this one goes with the sandbox.
    mkdir -m 1777 "$sandbox/tmp"
    export TMPDIR=$sandbox/tmp
    unshare --mount --propagation private -- sh -c \
        'mount --bind "$1" /etc/passwd && exec env --default-signal=INT,TERM,HUP \
             setpriv --reuid="$2" --regid="$2" --clear-groups -- "$3"' \
        sh "$sandbox/passwd" "$uid" "$sandbox/$(basename "$program")" >"$sandbox/out" 2>&1 </dev/null &
    app_pid=$!
    settings=$account_home/.config/pallastro/pallastro.conf
    lock=$account_home/.cache/pallastro/$(basename "$program")-$uid.lock
    if ! wait_for "$lock" 20 || ! wait_for "$settings" 20; then
        fail "HOME unset: no settings or lock in the account's home: $(cat "$sandbox/out")"
    else
        [ "$(stat -c '%u %a' "$lock")" = "$uid 600" ] ||
            fail "HOME unset: the lock file is $(stat -c '%U %a' "$lock"), not the user's alone"
        [ "$(stat -c '%u %a' "$(dirname "$lock")")" = "$uid 700" ] ||
            fail "HOME unset: the lock folder is $(stat -c '%U %a' "$(dirname "$lock")")"
        sleep 0.5
        kill -TERM "$app_pid"
        if ! ended_with "$app_pid" 20; then
            fail "HOME unset: the program is still running"
        elif [ "$STATUS" != 0 ]; then
            fail "HOME unset: exit status $STATUS: $(cat "$sandbox/out")"
        fi
        [ -e "$lock" ] && fail "HOME unset: the lock file was left behind"
    fi
    kill -9 "$app_pid" 2>/dev/null
    app_pid=
fi

[ "$failures" = 0 ] && echo "ok"
[ "$failures" = 0 ]
