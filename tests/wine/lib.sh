# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the Wine scenarios: the real pallastro.exe under Wine, on an X
# server of the scenario's own with a window manager, in a Windows
# installation (prefix) of its own, driven only from outside with the
# keyboard and the mouse, on the same base as the Linux program's
# (tests/harness). The caller sets APP, empty until it knows the program.

# Wine starts slowly and on a loaded machine one look at the windows can
# take a good part of a second: the waits run to a deadline on the clock,
# not to a number of looks, and a window is given longer to take the
# keyboard.
WAIT_BY_CLOCK=1
# shellcheck disable=SC2034  # read by drive.sh
FOCUS_SETTLE=0.2
# In /tmp, as the template the prefixes are hard-linked from.
HARNESS_TMP=/tmp/pallastro-wine-e2e.XXXXXX
WINE_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../harness/lib.sh
. "$WINE_LIB_DIR/../harness/lib.sh"
# shellcheck source=wineenv.sh
. "$WINE_LIB_DIR/wineenv.sh"
# The Windows program on the Windows desktop: nothing of Qt's Linux set-up.
unset WINEQT_QPA_PLATFORM WINEPATH || true
export LANG=C.UTF-8
at_exit wine_prefix_end

# start_windows: the display and a booted Windows installation.
start_windows() {
    start_display -screen 0 1280x1024x24 -dpi 96
    wine_prefix "$E2E_TMP/prefix"
    WIN_USER_DIR=$WINEPREFIX/drive_c/users/$(id -un)
    # Wine links Documents to the home of whoever booted the installation,
    # which every copy of the template would share: each scenario's user
    # gets a Documents folder of its own, empty.
    if [ -L "$WIN_USER_DIR/Documents" ]; then
        rm "$WIN_USER_DIR/Documents"
        mkdir "$WIN_USER_DIR/Documents"
    fi
}

# wine_dpi DOTS: the Windows installation's screen takes DOTS to the inch
# (96 is 100 %, 120 is 125 %, 144 is 150 %), as the display settings set it,
# for the programs started after it; the program's windows then are that
# much larger, and MAIN_WIDTH and RESULT_WIDTH follow.
wine_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
        fail "the screen's dots to the inch could not be set"
    MAIN_WIDTH=$(awk -v n=488 -v d="$1" 'BEGIN { printf "%d", n * d / 96 + 0.5 }')
    RESULT_WIDTH=$(awk -v n=615 -v d="$1" 'BEGIN { printf "%d", n * d / 96 + 0.5 }')
}

# start_app [EXE]: starts the program (by default the one under test), sets APP_PID.
start_app() { launch wine "${1:-$APP}"; }

# message_text WID: the text of the message box WID. Qt's message boxes on
# Windows copy title, text and buttons with Ctrl+C, as Windows' own do; Wine
# hands the clipboard to the X server, where xclip reads it.
message_text() {
    local wid=$1 end text
    printf '' | xclip -selection clipboard -i 2>/dev/null || true
    focus_window "$wid"
    keys ctrl+c
    end=$(deadline 5)
    while :; do
        text=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r' || true)
        if [ -n "$text" ]; then printf '%s\n' "$text"; return 0; fi
        before "$end" || return 1
        sleep 0.05
    done
}

# expect_message TEXT [SECONDS]: a message box with TEXT is showing; sets MSG.
expect_message() {
    local want=$1 limit=${2:-10} text
    MSG=$(wait_window "Pallastro" "" "$limit") || fail "no message box (expected \"$want\")"
    text=$(message_text "$MSG") || fail "the message box gave no text (expected \"$want\")"
    grep -qxF -- "$want" <<<"$text" || fail "the message box says: $text (expected \"$want\")"
}
