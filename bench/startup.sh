#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up cost of Pallastro against a minimal Qt Widgets program with a
# window of the same kind: time from process start to the main window being
# mapped, and peak resident memory (VmHWM) at that moment.
#
# Both programs run under one bare Xvfb, alternating minimal/Pallastro, each
# run in a fresh home (common.sh).
#
# usage: startup.sh [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL MAPWAIT
set -euo pipefail

BENCH_HELPER=MAPWAIT
# shellcheck source=common.sh
. "$(dirname "$0")/common.sh" "$@"
bench_display

timeout_s=30
run_minimal() { measure "$helper" "Minimal v1.0" "$timeout_s" "$minimal"; }
run_pallastro() { measure "$helper" "$TITLE" "$timeout_s" "$APP"; }

compare "Start-up" "ms VmHWM_kB" 18 "time to map (ms)" "peak memory (kB)" "%18.1f %18d"
