#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The window switch of Pallastro against a minimal Qt Widgets program that
# switches between two windows of the same kind in the same order: from the
# release of the Get button's key to the result window painted, and from the
# release of Back's key to the fresh main window painted (switchwait.cpp).
#
# Both programs run under one bare Xvfb, alternating minimal/Pallastro, each
# run in a fresh home (common.sh); each run times the first switch either way
# of a newly started program, the one a user meets.
#
# usage: switch.sh [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL SWITCHWAIT
set -euo pipefail

BENCH_HELPER=SWITCHWAIT
# shellcheck source=common.sh
. "$(dirname "$0")/common.sh" "$@"
bench_display

# Each wait of a run (a window, its settling, a switch) is given this long.
timeout_s=30
# The minimal program's windows have Pallastro's sizes.
run_minimal() { measure "$helper" "Minimal v1.0" "$MAIN_WIDTH" "$RESULT_WIDTH" "$timeout_s" "$minimal"; }
run_pallastro() { measure "$helper" "$TITLE" "$MAIN_WIDTH" "$RESULT_WIDTH" "$timeout_s" "$APP"; }

compare "Switch" "get_to_result_ms back_to_main_ms" 22 "Get -> result painted" "Back -> main painted" "%19.1f ms %19.1f ms"
echo "The goal is a ratio within 1.2 either way."
