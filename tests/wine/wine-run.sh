#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs one Windows test program under Wine, as ctest's emulator for the
# cross build:
#
#   wine-run.sh --dlls DIR:DIR... -- PROGRAM.exe [ARGUMENTS...]
#
# The DLL folders (Qt's, the compiler runtime's) come from the build. Every
# run has a prefix and a home of its own, removed afterwards, so suites run
# side by side and none sees what another left behind. The program's exit
# status is the script's.
set -uo pipefail
. "$(dirname "$0")/wineenv.sh"

dlls=
while [ $# -gt 0 ]; do
    case $1 in
        --dlls) dlls=$2; shift 2 ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: wine-run.sh --dlls DIR:DIR... -- PROGRAM [ARGS...]" >&2; exit 2; }

tmp=$(mktemp -d /tmp/pallastro-wine.XXXXXX)
cleanup() { wine_prefix_end; rm -rf "$tmp"; }
trap cleanup EXIT
trap 'exit 130' INT TERM
export HOME=$tmp/home
mkdir -p "$HOME"

wine_dll_path "$dlls"
wine_qt_environment
wine_prefix "$tmp/prefix"
wine "$@"
status=$?
exit $status
