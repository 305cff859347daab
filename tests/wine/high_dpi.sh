#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real pallastro.exe under Wine on a screen of 144 dots to the inch, the
# 150 % most Windows laptops run at: the windows are half as large again,
# the promotion panel's frame is whole on all four sides in both windows,
# and the focus ring is whole and three device pixels wide around the Name
# box and around Back; a reading started with Enter on the focused Get
# button.
#
#   tests/wine/high_dpi.sh DIST-FOLDER
DIST=${1:?usage: high_dpi.sh DIST-FOLDER}
APP=$DIST/pallastro.exe
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
PICTURE="$WINE_LIB_DIR/../harness/picture.py"
[ -f "$APP" ] || fail "no pallastro.exe in $DIST"

# check_window WINDOW WHAT: the frame and the ring of that window.
check_window() {
    python3 "$PICTURE" frame "$1" || fail "$2: a frame is broken at 144 dpi"
    python3 "$PICTURE" ring "$1" 3 || fail "$2: the focus ring is broken or too thin at 144 dpi"
}

start_windows
wine_dpi 144

step "the main window at 150 %, the ring on the Name box"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "no main window $MAIN_WIDTH pixels wide at 144 dpi"
focus_window "$MAIN"
sleep 0.5
check_window "$MAIN" "the main window"

step "a reading with Enter on the focused Get button; the result window at 150 %, the ring on Back"
enter_reading "John Smith" 2 15 1980
get_reading_with_enter 15
sleep 0.8
check_window "$RESULT" "the result window"

wmctrl -i -c "$RESULT"
wait_exit "$APP_PID" 15 || fail "the title-bar close did not end the process"
echo "ok"
