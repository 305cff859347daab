#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Debian's own checks on the package `make package` built, as
# `make check-package` runs them:
#   check-package.sh DEB PROGRAM
# DEB is the package, PROGRAM the same program in the build folder before it
# was stripped. Fails on any lintian error or warning (informational and
# pedantic tags are shown) and on any hardening feature found missing.
set -eu

deb=$1
program=$2

echo "== lintian --pedantic $deb"
lintian --pedantic --display-info --fail-on error,warning "$deb"

tree=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-deb.XXXXXX")
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
packaged=$tree/usr/bin/pallastro

# Control-flow protection is shown but not required: Debian 12's C library
# start files (Scrt1.o, crti.o, crtn.o) carry no IBT/SHSTK marking, so the
# linker leaves it off every program linked there, Debian's own included.
echo "== hardening-check $packaged"
hardening-check --nocfprotection "$packaged"

# hardening-check sees stack-clash protection only in a function whose frame
# is large enough to need probing, and the program has none ("unknown"),
# and it cannot see the control-flow flag for the reason above. The debug
# information of the unstripped program records the flags each compilation
# unit was built with; the build ids prove it the program packaged.
build_id() { readelf -n "$1" | sed -n 's/^ *Build ID: //p'; }
if [ "$(build_id "$program")" != "$(build_id "$packaged")" ]; then
    echo "FAIL: $program is not the program in $deb"
    exit 1
fi
producers=$(readelf --debug-dump=info --dwarf-depth=1 "$program" | grep 'DW_AT_producer')
units=$(printf '%s\n' "$producers" | grep -c .)
for flag in -fstack-clash-protection -fcf-protection; do
    without=$(printf '%s\n' "$producers" | grep -c -v -e " $flag[ =]" -e " $flag\$" || true)
    if [ "$units" -eq 0 ] || [ "$without" -ne 0 ]; then
        echo "FAIL: $without of $units compilation units built without $flag"
        exit 1
    fi
    echo "$flag: all $units compilation units"
done
