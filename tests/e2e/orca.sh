# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Orca, Debian's screen reader, on the private D-Bus session a scenario made
# with start_accessibility_bus, and what it says, read from its own debug
# log. Sourced after tests/harness/linux.sh and accessibility_bus.sh.
#
#   start_orca             # Orca speaking; ORCA_LOG is its debug log
#   hear KEY...            # sends the keys, one press each
#   hear_held MODIFIER KEY # KEY pressed while MODIFIER is held, as a person
#                          # holds it (Orca's word moves: hear_held ctrl Left)
#   review_window          # flat review of the window, top to bottom:
#                          # REVIEW holds its lines, one a line
#   expect_heard WHAT PATTERN...   # Orca says, in response, what each
#                                  # extended regex matches
#   refuse_heard WHAT PATTERN      # and not this
#
# TRANSCRIPT collects each step as "keys -> utterance|utterance|...".
#
# There is no sound card: speech-dispatcher speaks with espeak-ng into
# libao's null driver. What it would say is what Orca logs: orca_said.py
# reads every form it takes there, one utterance a line.

# How long Orca must stay silent before what it said counts as complete.
ORCA_QUIET=${ORCA_QUIET:-0.6}
ORCA_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TRANSCRIPT=""
HEAR_MARK=0
HEAR_KEYS=""

start_orca() {
    ORCA_LOG=$E2E_TMP/orca.log
    local speechd=$XDG_CONFIG_HOME/speech-dispatcher
    mkdir -p "$speechd"
    sed -e 's/^#* *AudioOutputMethod .*/AudioOutputMethod "libao"/' \
        -e 's/^#AddModule "espeak-ng" /AddModule "espeak-ng" /' \
        -e 's/^#DefaultModule espeak-ng/DefaultModule espeak-ng/' \
        /etc/speech-dispatcher/speechd.conf >"$speechd/speechd.conf"
    ln -s /etc/speech-dispatcher/modules "$speechd/modules"
    echo default_driver=null >"$HOME/.libao"
    # Orca autostarts speech-dispatcher, which outlives it.
    at_exit stop_speech_dispatcher
    # Settings in memory: no first-run questions, nothing kept.
    GSETTINGS_BACKEND=memory /usr/bin/python3 "$ORCA_DIR/orca_launch.py" "$ORCA_LOG" >"$E2E_TMP/orca.out" 2>&1 &
    ORCA_PID=$!
    at_exit end_process "$ORCA_PID"
    # ORCA_LOG_KEEP=FILE keeps Orca's log for a look after the run.
    [ -z "${ORCA_LOG_KEEP:-}" ] || at_exit cp "$ORCA_LOG" "$ORCA_LOG_KEEP"
    poll 40 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$ORCA_LOG" 2>/dev/null ||
        fail "Orca did not start speaking: $(grep -E 'SPEECH|speech' "$ORCA_LOG" 2>/dev/null | tail -n 5)"
}

stop_speech_dispatcher() {
    local f
    for f in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid "$HOME"/.cache/speech-dispatcher/pid/*.pid; do
        [ -f "$f" ] && end_process "$(cat "$f")"
    done
    return 0
}

# spoken_since LINE: what Orca said after line LINE of its log, one a line.
spoken_since() { /usr/bin/python3 "$ORCA_DIR/orca_said.py" "$ORCA_LOG" "$1"; }

log_lines() { wc -l <"$ORCA_LOG"; }

# quiet_for SECONDS: Orca's log has not grown for that long.
quiet_for() {
    local before
    before=$(log_lines)
    sleep "$1"
    [ "$(log_lines)" = "$before" ]
}

hear() {
    local key
    HEAR_MARK=$(log_lines)
    HEAR_KEYS="$*"
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.15
    done
    until_quiet
}

hear_held() {
    HEAR_MARK=$(log_lines)
    HEAR_KEYS="$1+$2 (held)"
    press_held "$1" "$2"
    until_quiet
}

# until_quiet: waits, a few seconds at most, for Orca to fall silent, then
# reads what it said.
until_quiet() {
    for _ in $(seq 4); do quiet_for "$ORCA_QUIET" && break; done
    heard_now
}

# heard_now: HEARD is what Orca said since the last hear.
heard_now() { HEARD=$(spoken_since "$HEAR_MARK"); }

# said_all PATTERN...: every extended regex matches HEARD.
said_all() {
    local pattern
    for pattern in "$@"; do grep -Eq -- "$pattern" <<<"$HEARD" || return 1; done
}

# expect_heard WHAT PATTERN...: each pattern matches what Orca said since the
# last hear, within 20 seconds: a loaded machine slows Orca down.
expect_heard() {
    local what=$1
    shift
    poll 20 heard_and_said "$@" || fail "$what: Orca did not say all of: $*
It said:
$HEARD
The walk so far:
$TRANSCRIPT"
    TRANSCRIPT+="$HEAR_KEYS -> $(tr '\n' '|' <<<"$HEARD")"$'\n'
}
heard_and_said() { heard_now; said_all "$@"; }

# refuse_heard WHAT PATTERN: fails when what Orca said since the last hear
# matches.
refuse_heard() {
    heard_now
    ! grep -Eq -- "$2" <<<"$HEARD" || fail "$1: Orca said /$2/:
$HEARD"
}

# review_window: Orca's flat review of the active window from its first line
# (Insert+KP_Home, Insert being Orca's key), then down a line at a time
# (KP_Page_Up) until Orca says nothing more, at the bottom. REVIEW holds
# what each line said, one a line; flat review is left again.
review_window() {
    local _
    hear_held Insert KP_Home
    REVIEW=$(tr '\n' ' ' <<<"$HEARD" | sed 's/ *$//')
    [ -n "$REVIEW" ] || fail "flat review said nothing on its first line"
    for _ in $(seq 60); do
        hear KP_Page_Up
        # At the bottom Orca says nothing; a busy Orca says its line late.
        if [ -z "$HEARD" ]; then
            sleep 1.5
            heard_now
            [ -n "$HEARD" ] || break
        fi
        REVIEW+=$'\n'$(tr '\n' ' ' <<<"$HEARD" | sed 's/ *$//')
    done
    [ -z "$HEARD" ] || fail "flat review did not reach the bottom of the window:
$REVIEW"
    TRANSCRIPT+="flat review -> $(tr '\n' '|' <<<"$REVIEW")"$'\n'
    hear KP_Subtract
    expect_heard "leaving flat review" "^Leaving flat review"
}
