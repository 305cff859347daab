#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the SHA-256 checksums of packages, by file name alone and in one
# order, so that a download is checked with `sha256sum -c SHA256SUMS`
# wherever it was saved:
#
#   packaging/checksums.sh OUT/SHA256SUMS FILE...
set -eu
out=${1:?usage: checksums.sh OUT FILE...}
shift
tmp="$out.partial"
: >"$tmp"
for f in "$@"; do
    [ -f "$f" ] || { echo "checksums.sh: $f is missing" >&2; rm -f "$tmp"; exit 1; }
    sum=$(sha256sum <"$f" | cut -d' ' -f1)
    printf '%s  %s\n' "$sum" "$(basename "$f")" >>"$tmp"
done
LC_ALL=C sort -k2 -o "$tmp" "$tmp"
mv "$tmp" "$out"
echo "$out:"
sed 's/^/  /' "$out"
