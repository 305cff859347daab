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

alternate "$runs" "$E2E_TMP/minimal" "$E2E_TMP/pallastro"

if [ -n "$raw" ]; then
    { echo "# program ms VmHWM_kB"
      sed 's/^/minimal /' "$E2E_TMP/minimal"
      sed 's/^/pallastro /' "$E2E_TMP/pallastro"; } >"$raw"
fi

min_ms=$(median "$E2E_TMP/minimal" 1);   min_kb=$(median "$E2E_TMP/minimal" 2)
pal_ms=$(median "$E2E_TMP/pallastro" 1); pal_kb=$(median "$E2E_TMP/pallastro" 2)

awk -v runs="$runs" -v mm="$min_ms" -v mk="$min_kb" -v pm="$pal_ms" -v pk="$pal_kb" 'BEGIN {
    printf "Start-up: medians over %d alternating runs each (Xvfb, fresh HOME per run)\n", runs
    printf "%-22s %18s %18s\n", "", "time to map (ms)", "peak memory (kB)"
    printf "%-22s %18.1f %18d\n", "minimal Qt program", mm, mk
    printf "%-22s %18.1f %18d\n", "Pallastro", pm, pk
    printf "%-22s %18.2f %18.2f\n", "ratio Pallastro/min.", pm / mm, pk / mk
}'
