#!/usr/bin/env bash
# Start-up cost of Pallastro against a minimal Qt Widgets program with a
# window of the same kind: time from process start to the main window being
# mapped, and peak resident memory (VmHWM) at that moment.
#
# Both programs run under one Xvfb, alternating minimal/Pallastro, each run
# with fresh HOME and XDG folders so that no earlier run leaves settings (the
# update reminder stays silent on a first run) or a single-instance lock.
# One untimed run of each comes first, so both start from a warm file cache.
#
# usage: startup.sh [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL MAPWAIT
set -euo pipefail

runs=15
raw=""
while getopts "n:r:" opt; do
    case $opt in
        n) runs=$OPTARG ;;
        r) raw=$OPTARG ;;
        *) echo "usage: $0 [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL MAPWAIT" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
[ $# -eq 3 ] || { echo "usage: $0 [-n RUNS] [-r RAW_FILE] PALLASTRO MINIMAL MAPWAIT" >&2; exit 2; }
pallastro=$(realpath "$1")
minimal=$(realpath "$2")
mapwait=$(realpath "$3")
[ "$runs" -ge 15 ] || echo "note: fewer than 15 runs; medians will be noisy" >&2

pallastro_title="Pallastro v1.0"
minimal_title="Minimal v1.0"
timeout_s=30

work=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-bench.XXXXXX")
# shellcheck source=../tests/e2e/display.sh
. "$(dirname "$0")/../tests/e2e/display.sh"
DISPLAY_WORK=$work
cleanup() {
    stop_display
    rm -rf "$work"
}
trap cleanup EXIT

# One X server for every run, on a display it picks itself, waited for until
# it serves: a run started before would abort or count the wait.
start_x -screen 0 1280x1024x24 || exit 1
display=$DISPLAY

# run_once TITLE PROGRAM -> prints "ms kB"
run_once() {
    local fresh
    fresh=$(mktemp -d "$work/run.XXXXXX")
    mkdir -p "$fresh/home" "$fresh/config" "$fresh/cache" "$fresh/data" "$fresh/runtime"
    chmod 700 "$fresh/runtime"
    env -i PATH="$PATH" DISPLAY="$display" LANG="${LANG:-C.UTF-8}" \
        HOME="$fresh/home" XDG_CONFIG_HOME="$fresh/config" XDG_CACHE_HOME="$fresh/cache" \
        XDG_DATA_HOME="$fresh/data" XDG_RUNTIME_DIR="$fresh/runtime" \
        QT_QPA_PLATFORM=xcb \
        "$mapwait" "$1" "$timeout_s" "$2"
    rm -rf "$fresh"
}

run_once "$minimal_title" "$minimal" >/dev/null
run_once "$pallastro_title" "$pallastro" >/dev/null

: >"$work/minimal" ; : >"$work/pallastro"
for i in $(seq "$runs"); do
    run_once "$minimal_title" "$minimal" >>"$work/minimal"
    run_once "$pallastro_title" "$pallastro" >>"$work/pallastro"
    printf '\rrun %d/%d' "$i" "$runs" >&2
done
echo >&2

if [ -n "$raw" ]; then
    { echo "# program ms VmHWM_kB"
      sed 's/^/minimal /' "$work/minimal"
      sed 's/^/pallastro /' "$work/pallastro"; } >"$raw"
fi

# median FILE COLUMN
median() {
    cut -d' ' -f"$2" "$1" | sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

min_ms=$(median "$work/minimal" 1);   min_kb=$(median "$work/minimal" 2)
pal_ms=$(median "$work/pallastro" 1); pal_kb=$(median "$work/pallastro" 2)

awk -v runs="$runs" -v mm="$min_ms" -v mk="$min_kb" -v pm="$pal_ms" -v pk="$pal_kb" 'BEGIN {
    printf "Medians over %d alternating runs each (Xvfb, fresh HOME per run)\n", runs
    printf "%-22s %18s %18s\n", "", "time to map (ms)", "peak memory (kB)"
    printf "%-22s %18.1f %18d\n", "minimal Qt program", mm, mk
    printf "%-22s %18.1f %18d\n", "Pallastro", pm, pk
    printf "%-22s %18.2f %18.2f\n", "ratio Pallastro/min.", pm / mm, pk / mk
}'
