# shellcheck shell=bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the benchmarks (startup.sh, switch.sh). The fresh homes, the X
# server and the cleanup come from the harness (tests/harness); what is
# added here is what measuring needs on top of it.
#
# Both take the same command line, which is read here:
#   [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL HELPER
# and sets runs, raw, APP, minimal and helper; the caller names its measuring
# helper in BENCH_HELPER for the usage line.

bench_usage() { echo "usage: $0 [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL ${BENCH_HELPER:-HELPER}" >&2; exit 2; }
runs=15
raw=""
while getopts "n:r:" opt; do
    case $opt in
        n) runs=$OPTARG ;;
        r) raw=$OPTARG ;;
        *) bench_usage ;;
    esac
done
shift $((OPTIND - 1))
[ $# -eq 3 ] || bench_usage
# shellcheck disable=SC2034  # the programs the caller measures
APP=$(realpath "$1")
minimal=$(realpath "$2")
helper=$(realpath "$3")
[ "$runs" -ge 15 ] || echo "note: fewer than 15 runs; medians will be noisy" >&2

# shellcheck source=../tests/harness/lib.sh
. "$(dirname "${BASH_SOURCE[0]}")/../tests/harness/lib.sh"

# bench_display: one Xvfb for every run, without a window manager. The
# measuring helpers listen on the root window for the programs' top-level
# windows, which a manager would reparent into frames of its own; a manager
# would also add its own work to every map and draw on the screen itself.
bench_display() { start_display --no-wm -screen 0 1280x1024x24; }

# measure COMMAND...: runs one measurement in a fresh home, so that no earlier
# run leaves settings (the update reminder stays silent on a first run) or a
# single-instance lock. Only the variables named here reach the programs, so
# that both start alike whatever the caller's environment holds.
measure() {
    fresh_home
    env -i PATH="$PATH" DISPLAY="$DISPLAY" LANG="${LANG:-C.UTF-8}" \
        HOME="$HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_CACHE_HOME="$XDG_CACHE_HOME" \
        XDG_DATA_HOME="$XDG_DATA_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        QT_QPA_PLATFORM=xcb BROWSER=/bin/false \
        "$@" || fail "a run did not complete: $*"
    rm -rf "$USER_DIR"
}

# median FILE COLUMN
median() {
    cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# alternate RUNS MINIMAL_OUT PALLASTRO_OUT: calls the caller's run_minimal
# and run_pallastro, each printing one line of figures, RUNS times each in
# turn, after one untimed run of each so that both start from a warm file
# cache. Runs side by side share the machine's load, so the ratios of their
# medians hold even when the absolute times do not.
alternate() {
    local runs=$1 i
    run_minimal >/dev/null
    run_pallastro >/dev/null
    : >"$2"
    : >"$3"
    for i in $(seq "$runs"); do
        run_minimal >>"$2"
        run_pallastro >>"$3"
        printf '\rrun %d/%d' "$i" "$runs" >&2
    done
    echo >&2
}

# compare NAME RAW_COLUMNS WIDTH HEADING1 HEADING2 FORMAT: both programs run
# in turn (alternate); with -r the raw figures are kept under a header naming
# RAW_COLUMNS; then the table of both columns' medians, each WIDTH wide,
# FORMAT printing the two medians of a program, and the ratios of
# Pallastro's to the minimal program's.
compare() {
    local name=$1 columns=$2 width=$3 heading1=$4 heading2=$5 format=$6
    alternate "$runs" "$E2E_TMP/minimal" "$E2E_TMP/pallastro"
    if [ -n "$raw" ]; then
        { echo "# program $columns"
          sed 's/^/minimal /' "$E2E_TMP/minimal"
          sed 's/^/pallastro /' "$E2E_TMP/pallastro"; } >"$raw"
    fi
    awk -v name="$name" -v runs="$runs" -v w="$width" -v h1="$heading1" -v h2="$heading2" -v f="$format" \
        -v m1="$(median "$E2E_TMP/minimal" 1)" -v m2="$(median "$E2E_TMP/minimal" 2)" \
        -v p1="$(median "$E2E_TMP/pallastro" 1)" -v p2="$(median "$E2E_TMP/pallastro" 2)" 'BEGIN {
        printf "%s: medians over %d alternating runs each (Xvfb, fresh HOME per run)\n", name, runs
        printf "%-22s %" w "s %" w "s\n", "", h1, h2
        printf "%-22s " f "\n", "minimal Qt program", m1, m2
        printf "%-22s " f "\n", "Pallastro", p1, p2
        printf "%-22s %" w ".2f %" w ".2f\n", "ratio Pallastro/min.", p1 / m1, p2 / m2
    }'
}
