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
# shellcheck source=wineenv.sh
. "$here/wineenv.sh"
# shellcheck source=../harness/display.sh
. "$here/../harness/display.sh"

tmp=$(mktemp -d /tmp/pallastro-wine-suites.XXXXXX)
cleanup() {
    WINEPREFIX=$tmp/template wineserver -k 2>/dev/null || true
    stop_display
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

DISPLAY_WORK=$tmp
start_x -screen 0 1280x1024x24 || exit 1
start_wm || exit 1

export HOME=$tmp/home
mkdir -p "$HOME"
start=$(date +%s)
wine_boot_prefix "$tmp/template"
echo "Windows installation for the tests booted in $(( $(date +%s) - start )) s"
export PALLASTRO_WINE_TEMPLATE=$tmp/template

cd "$build"
ctest --output-on-failure "$@"
