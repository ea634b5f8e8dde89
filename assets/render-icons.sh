#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the application icon's PNGs (and the Windows .ico) from kestrin-editor.svg.
#
#   kestrin-editor.png                      128 x 128, 24-bit RGB (PNG colour type 2,
#                                           no alpha): the corners take the tile colour
#   hicolor/<N>x<N>/kestrin-editor.png      16 ... 256, RGBA with transparent corners
#
# A development-time tool: the PNGs are committed, so building the program never
# runs this. Needs rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
svg="$here/kestrin-editor.svg"
tile='#1e3a5f'   # the tile colour in the SVG

for tool in rsvg-convert convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render-icons.sh: $tool not found (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 128 px master: flatten onto the tile colour and write plain 8-bit-per-channel RGB.
rsvg-convert -w 128 -h 128 "$svg" -o "$tmp/master.png"
convert "$tmp/master.png" -background "$tile" -alpha remove -alpha off \
    -strip -define png:color-type=2 -define png:bit-depth=8 \
    "PNG24:$here/kestrin-editor.png"

# Theme sizes keep their alpha channel.
for n in 16 22 24 32 48 64 256; do
    mkdir -p "$here/hicolor/${n}x${n}"
    rsvg-convert -w "$n" -h "$n" "$svg" -o "$tmp/$n.png"
    convert "$tmp/$n.png" -strip -define png:color-type=6 -define png:bit-depth=8 \
        "PNG32:$here/hicolor/${n}x${n}/kestrin-editor.png"
done

# The Windows icon: the theme sizes in one .ico (the 256 px one stored as PNG).
convert "$here/hicolor/16x16/kestrin-editor.png" "$here/hicolor/24x24/kestrin-editor.png" \
    "$here/hicolor/32x32/kestrin-editor.png" "$here/hicolor/48x48/kestrin-editor.png" \
    "$here/hicolor/64x64/kestrin-editor.png" "$here/hicolor/256x256/kestrin-editor.png" \
    "$here/kestrin-editor.ico"

echo "rendered $(basename "$svg") into $here"
