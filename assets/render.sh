#!/bin/sh
# PNG_CLEAN and the sheet arguments are option lists, split on purpose.
# shellcheck disable=SC2086
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Renders the hand-written SVG sources under assets/src into the pictures that
# are committed and built into the program (the portraits at the result
# window's size and at the printed reading's), plus the contact sheet
# docs/portraits.png. Only needed after editing a source: the build itself
# uses the committed files.
#
# Tools (Debian): rsvg-convert (librsvg2-bin) and ImageMagick 6
# (convert, montage), fonts-dejavu-core for the sheet's captions.
#
#   sh assets/render.sh
#
# Every output is stripped of metadata (no dates, no comments, no profiles),
# so rendering twice gives byte-identical files.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
src=$here/src

for tool in rsvg-convert convert montage; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render.sh: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# PNG writers of ImageMagick add creation and modification dates unless told
# not to; those would make every run differ.
PNG_CLEAN="-strip -define png:exclude-chunks=date,time"

# key width height format -- the image list, in order. Sizes are those of the
# original picture list; the sources are drawn on a 150 x 150 canvas and are
# stretched by at most a few pixels to fit.
PORTRAITS="
01_ares.jpg 150 150 jpeg
02_artemis.jpg 150 150 jpeg
03_hecate.jpg 149 148 jpeg
04_hermes.jpg 150 150 jpeg
05_hera.jpg 150 150 jpeg
06_athena.jpg 150 150 jpeg
07_zeus.jpg 150 150 jpeg
08_poseidon.jpg 150 150 jpeg
09_hades.jpg 150 150 jpeg
10_demeter.jpg 150 150 jpeg
11_hestia.jpg 153 155 gif
12_hephaestus.jpg 147 149 jpeg
13_prometheus.jpg 147 147 jpeg
14_apollo.jpg 150 150 jpeg
15_dionysus.jpg 146 145 jpeg
16_aphrodite.jpg 150 150 jpeg
"

render_portrait() {
    key=$1 w=$2 h=$3 format=$4
    name=${key%.jpg}
    rsvg-convert -w "$w" -h "$h" "$src/portraits/$name.svg" -o "$tmp/$name.png"
    case $format in
        jpeg)
            convert "$tmp/$name.png" -background white -alpha remove -alpha off \
                -strip -sampling-factor 2x2 -quality 86 -interlace none \
                "jpeg:$here/portraits/$key"
            ;;
        gif)
            # Kept as a GIF under its .jpg key on purpose: the loader has to
            # decide by content. No dithering keeps the flat areas flat and
            # the file small.
            convert "$tmp/$name.png" -background white -alpha remove -alpha off \
                -strip +dither -colors 128 \
                "gif:$here/portraits/$key"
            ;;
    esac
}

# The printed reading's portraits: 300 x 300 pixels, printed one inch
# square, so 300 dots to the inch on paper. The drawings are flat colour, so
# 256 colours without dithering keep them as they are at a third of a JPEG's
# size; PNG, whatever the key says, and named after the key.
PRINT_PIXELS=300
render_print_portrait() {
    key=$1
    name=${key%.jpg}
    rsvg-convert -w "$PRINT_PIXELS" -h "$PRINT_PIXELS" "$src/portraits/$name.svg" -o "$tmp/print-$name.png"
    convert "$tmp/print-$name.png" -background white -alpha remove -alpha off \
        +dither -colors 256 $PNG_CLEAN "png8:$here/portraits/print/$name.png"
}

mkdir -p "$here/portraits/print" "$here/icons" "$here/mimetypes" "$here/pointers" "$root/docs"

echo "$PORTRAITS" | while read -r key w h format; do
    [ -n "$key" ] || continue
    render_portrait "$key" "$w" "$h" "$format"
    render_print_portrait "$key"
done

# Contact sheet: every portrait at the size the result window shows it,
# captioned with its key.
sheet_args=""
for key in $(echo "$PORTRAITS" | awk 'NF { print $1 }'); do
    name=${key%.jpg}
    # Decode by content, whatever the key's extension says.
    convert "$here/portraits/$key" -resize '120x120!' "$tmp/sheet-$name.png"
    sheet_args="$sheet_args -label $key $tmp/sheet-$name.png"
done
montage -font DejaVu-Sans -pointsize 12 -background '#f4f1ea' -fill '#2b2b2b' \
    $sheet_args -tile 4x4 -geometry '120x120+10+8' "$tmp/sheet.png"
convert "$tmp/sheet.png" $PNG_CLEAN +dither -colors 256 "png8:$root/docs/portraits.png"

# Program icon: one source, the usual sizes. The 32 x 32 picture is the one
# the windows use, in 256 colours.
# The scalable source sits beside its renderings: it is installed as is.
icon=$here/icons/pallastro.svg
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icon" -o "$tmp/icon-$size.png"
    convert "$tmp/icon-$size.png" $PNG_CLEAN "png32:$here/icons/pallastro-$size.png"
done
convert "$tmp/icon-32.png" $PNG_CLEAN +dither -colors 256 "png8:$here/icons/pallastro.png"
convert "$tmp/icon-16.png" "$tmp/icon-24.png" "$tmp/icon-32.png" "$tmp/icon-48.png" \
    "$tmp/icon-64.png" "$tmp/icon-128.png" "$tmp/icon-256.png" -strip "ico:$here/icons/pallastro.ico"
# The 32 x 32 size is pallastro.png itself; no second copy.
rm -f "$here/icons/pallastro-32.png"

# The icon of a saved reading, which file managers show for a .grn file: the
# same sizes, each kept under its size, and an .ico with all of them, built
# into pallastro.exe as its second icon for Explorer.
reading=$here/mimetypes/reading.svg
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$reading" -o "$tmp/reading-$size.png"
    convert "$tmp/reading-$size.png" $PNG_CLEAN "png32:$here/mimetypes/reading-$size.png"
done
convert "$tmp/reading-16.png" "$tmp/reading-24.png" "$tmp/reading-32.png" "$tmp/reading-48.png" \
    "$tmp/reading-64.png" "$tmp/reading-128.png" "$tmp/reading-256.png" -strip "ico:$here/mimetypes/reading.ico"

# Hand pointers. Cursors want hard edges: alpha is cut to fully opaque or
# fully transparent, and the colours are reduced without dithering.
hand_colour=$src/pointers/hand16.svg
hand_mono=$src/pointers/hand-mono.svg
for size in 32 64; do
    suffix=""; [ "$size" = 32 ] || suffix="@2x"
    rsvg-convert -w "$size" -h "$size" "$hand_colour" -o "$tmp/hand16-$size.png"
    convert "$tmp/hand16-$size.png" -channel A -threshold 50% +channel \
        +dither -colors 16 $PNG_CLEAN "png8:$here/pointers/hand16$suffix.png"
    rsvg-convert -w "$size" -h "$size" "$hand_mono" -o "$tmp/hand-mono-$size.png"
    convert "$tmp/hand-mono-$size.png" -channel A -threshold 50% +channel \
        -channel RGB -colorspace Gray -threshold 50% +channel \
        $PNG_CLEAN "png8:$here/pointers/hand-mono$suffix.png"
done

echo "render.sh: done"
