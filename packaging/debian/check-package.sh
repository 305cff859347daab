#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Debian's own checks on the package, as `make check-package` runs them:
#   check-package.sh DEB PROGRAM
# DEB is the package, PROGRAM the same program in the build folder before it
# was stripped. Fails on any lintian error or warning (informational and
# pedantic tags are shown), on a desktop file that does not validate or a
# file type the package lacks, and on any hardening feature found missing.
set -eu

deb=$1 program=$2
fail() { echo "FAIL: $*"; exit 1; }

echo "== lintian --pedantic $deb"
lintian --pedantic --display-info --fail-on error,warning "$deb"

tree=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-deb.XXXXXX")
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
packaged=$tree/usr/bin/pallastro

# What a desktop reads from the package: the entry and the AppStream file
# valid, and the file type the entry opens defined, with its icon in every
# size. shared-mime-info's and desktop-file-utils' triggers build the
# system's databases, so the package brings no maintainer script for them.
echo "== desktop files and the file type of saved readings"
desktop=$(find "$tree/usr/share/applications" -name '*.desktop')
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$desktop")
icon=$(printf '%s' "$type" | tr / -)
missing=""
grep -qs "<mime-type type=\"$type\">" "$tree"/usr/share/mime/packages/*.xml || missing="$missing the type '$type'"
for size in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$tree/usr/share/icons/hicolor/$size/mimetypes/$icon.png" ] || missing="$missing $size/mimetypes/$icon.png"
done
[ -f "$tree/usr/share/icons/hicolor/scalable/mimetypes/$icon.svg" ] || missing="$missing scalable/mimetypes/$icon.svg"
[ -z "$missing" ] || fail "the package lacks$missing"
scripts=$(dpkg-deb -I "$deb" | sed -n 's/^ *[0-9]* bytes, *[0-9]* lines *\** *\(preinst\|postinst\|prerm\|postrm\|triggers\) .*/\1/p')
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"
echo "$type, its icons, and no maintainer script"

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
[ "$(build_id "$program")" = "$(build_id "$packaged")" ] || fail "$program is not the program in $deb"
producers=$(readelf --debug-dump=info --dwarf-depth=1 "$program" | grep 'DW_AT_producer')
units=$(printf '%s\n' "$producers" | grep -c .)
for flag in -fstack-clash-protection -fcf-protection; do
    without=$(printf '%s\n' "$producers" | grep -c -v -e " $flag[ =]" -e " $flag\$" || true)
    [ "$units" -ne 0 ] && [ "$without" -eq 0 ] || fail "$without of $units compilation units built without $flag"
    echo "$flag: all $units compilation units"
done
