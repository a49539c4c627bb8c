#!/usr/bin/env bash
# Remakes the window pictures in ui/resources/ from the SVG sources in assets/:
#   form1-background.rgb32, icon-main-48.png, icon-main-32.png, icon-results-32.png.
# (The main window draws form1-background.svg itself on screens of any other
# pixel ratio than 1.)
# Needs the Debian packages librsvg2-bin (rsvg-convert), imagemagick (convert)
# and fonts-liberation2 (Liberation Serif for the background caption).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here"
out="$here/../ui/resources"
mkdir -p "$out"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Main window background at ratio 1: the client area's 706 x 487 pixels as
# uncompressed rows of 32-bit words 0xffRRGGBB, little-endian (bytes B, G, R,
# 255), which the window paints straight from the program file. They keep the
# pixels the window has always shown: the picture went through JPEG at
# quality 90 on its way, and still does.
rsvg-convert --width 707 --height 488 --background-color '#C3FFFF' \
    "$src/form1-background.svg" -o "$tmp/background.png"
convert "$tmp/background.png" -background '#C3FFFF' -alpha remove -alpha off \
    -colorspace sRGB -type TrueColor -sampling-factor 1x1 -quality 90 -strip \
    "$tmp/background.jpg"
convert "$tmp/background.jpg" -crop 706x487+0+0 +repage -alpha opaque -depth 8 \
    "BGRA:$out/form1-background.rgb32"

# Icons: straight from the vector sources at each size, alpha kept.
icon() { # icon SOURCE SIZE OUTPUT
    rsvg-convert --width "$2" --height "$2" "$src/$1" -o "$tmp/icon.png"
    convert "$tmp/icon.png" -strip -define png:exclude-chunks=date,time "PNG32:$out/$3"
}
icon icon-main.svg 48 icon-main-48.png
icon icon-main.svg 32 icon-main-32.png
icon icon-results.svg 32 icon-results-32.png

echo "made: $(cd "$out" && echo form1-background.rgb32 icon-main-48.png icon-main-32.png icon-results-32.png)"
