#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs the test suites of the Windows build under Wine:
#
#   tests/wine/run-suites.sh BUILD-DIR [CTEST-ARGUMENTS...]
#
# One X server with a window manager for the whole run (the Qt Test suites
# draw offscreen, but Wine's own windowing wants a display; the scenarios
# start servers of their own), and one Windows installation booted once as
# the template every suite's prefix is copied from.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: run-suites.sh BUILD-DIR [CTEST-ARGUMENTS...]}" && pwd)
shift
. "$here/wineenv.sh"

tmp=$(mktemp -d /tmp/pallastro-wine-suites.XXXXXX)
XVFB_PID= WM_PID=
cleanup() {
    WINEPREFIX=$tmp/template wineserver -k 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "the X server did not start: $(cat "$tmp/xvfb.log")" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$tmp/display")"
openbox --sm-disable >"$tmp/wm.log" 2>&1 &
WM_PID=$!

export HOME=$tmp/home
mkdir -p "$HOME"
start=$(date +%s)
wine_boot_prefix "$tmp/template"
echo "Windows installation for the tests booted in $(( $(date +%s) - start )) s"
export PALLASTRO_WINE_TEMPLATE=$tmp/template

cd "$build"
ctest --output-on-failure "$@"
