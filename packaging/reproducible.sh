#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the packages of the current commit twice and compares them byte for
# byte: each build in a fresh clone of its own, in folders of different names
# and depths, one after the other (so at different times), with a different
# umask and time zone. Any difference is shown by diffoscope.
#
#   packaging/reproducible.sh --out DIR [--parts "deb windows"] [--jobs N]
#
# deb is `make package`, windows is `make windows` (the zip, the installer and
# the Qt source archive beside them; the Qt for Windows comes from the cache,
# so it is built once per machine, not per clone). DIR receives both builds'
# packages with their SHA256SUMS, the build logs and diffoscope's reports.
# Exits 0 when every package is the same in both builds, 1 when one differs,
# 2 when a build fails.
set -euo pipefail

parts="deb windows"
jobs=$(nproc 2>/dev/null || echo 2)
out=
while [ $# -gt 0 ]; do
    case $1 in
        --out) out=$2; shift 2 ;;
        --parts) parts=$2; shift 2 ;;
        --jobs) jobs=$2; shift 2 ;;
        *) echo "usage: reproducible.sh --out DIR [--parts \"deb windows\"] [--jobs N]" >&2; exit 2 ;;
    esac
done
[ -n "$out" ] || { echo "reproducible.sh: --out is needed" >&2; exit 2; }

top=$(git rev-parse --show-toplevel)
here=$top/packaging
commit=$(git -C "$top" rev-parse HEAD)
if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
    echo "note: the work tree has changes that are not committed; only commit $commit is built" >&2
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "${out:?}"/*

work=$(mktemp -d /tmp/pallastro-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

# build N FOLDER UMASK TZ: one build of the commit in a clone at FOLDER; its
# packages are copied into OUT/N.
build() {
    local n=$1 dir=$2 mask=$3 zone=$4 part start
    mkdir -p "$(dirname "$dir")" "$out/$n"
    git clone -q "$top" "$dir"
    git -C "$dir" checkout -q --detach "$commit"
    start=$(date +%s)
    echo "build $n: $dir, umask $mask, TZ=$zone, started $(date -u +%H:%M:%S)"
    for part in $parts; do
        case $part in
            deb) target=package ;;
            windows) target=windows ;;
            *) echo "reproducible.sh: unknown part $part" >&2; exit 2 ;;
        esac
        if ! (cd "$dir" && umask "$mask" && TZ=$zone make "$target" JOBS="$jobs") \
                >>"$out/build-$n.log" 2>&1; then
            echo "build $n: make $target failed; the end of $out/build-$n.log:" >&2
            tail -n 30 "$out/build-$n.log" >&2
            exit 2
        fi
        case $part in
            deb)
                # Wherever the package rule leaves it: in the tree, or beside
                # it as dpkg-buildpackage does (each clone's folder is its own).
                find "$(dirname "$dir")" -name 'pallastro_*.deb' -not -path '*/_CPack_Packages/*' \
                    -exec cp {} "$out/$n/" \;
                ls "$out/$n"/pallastro_*.deb >/dev/null 2>&1 ||
                    { echo "build $n: make package left no pallastro_*.deb" >&2; exit 2; } ;;
            windows)
                xargs -a "$dir/build-windows/packages.txt" cp -t "$out/$n/" ;;
        esac
    done
    echo "build $n: $(( $(date +%s) - start )) s"
    (cd "$out/$n" && "$here/checksums.sh" SHA256SUMS $(ls -A | grep -v '^SHA256SUMS$')) >/dev/null
}

# Two clones under names of different lengths, so that a build path that
# leaks into a package changes its bytes; two time zones written as POSIX
# rules, which need no time zone database.
build 1 "$work/one/pallastro" 022 "UTC0"
build 2 "$work/second-build/src" 002 "XYZ-13:45"

status=0
names=$( (cd "$out/1" && ls -A; cd "$out/2" && ls -A) | LC_ALL=C sort -u)
echo
for name in $names; do
    [ "$name" != SHA256SUMS ] || continue
    if [ ! -f "$out/1/$name" ] || [ ! -f "$out/2/$name" ]; then
        echo "only one build made $name"
        status=1
    elif cmp -s "$out/1/$name" "$out/2/$name"; then
        echo "same:    $name  $(sha256sum <"$out/1/$name" | cut -d' ' -f1)"
    else
        echo "DIFFERS: $name"
        echo "  build 1: $(sha256sum <"$out/1/$name" | cut -d' ' -f1)"
        echo "  build 2: $(sha256sum <"$out/2/$name" | cut -d' ' -f1)"
        cmp -l "$out/1/$name" "$out/2/$name" | head -n 10 | sed 's/^/  byte, octal values: /' || true
        diffoscope --text "$out/diffoscope-$name.txt" "$out/1/$name" "$out/2/$name" >/dev/null 2>&1 || true
        echo "  diffoscope: $out/diffoscope-$name.txt"
        status=1
    fi
done
if [ "$status" = 0 ]; then
    echo "Both builds of $commit gave the same bytes; checksums in $out/1/SHA256SUMS."
fi
exit "$status"
