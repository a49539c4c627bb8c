#!/usr/bin/env bash
# Remakes the window pictures in ui/resources/ from the SVG sources in assets/:
#   form1-background.jpg (707 x 488), icon-main-48.png, icon-main-32.png, icon-results-32.png.
# Needs the Debian packages librsvg2-bin (rsvg-convert), imagemagick (convert)
# and fonts-liberation2 (Liberation Serif for the background caption).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
src="$here"
out="$here/../ui/resources"
mkdir -p "$out"

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# Main window background: flatten onto the field colour, no alpha, no metadata.
rsvg-convert --width 707 --height 488 --background-color '#C3FFFF' \
    "$src/form1-background.svg" -o "$tmp/background.png"
convert "$tmp/background.png" -background '#C3FFFF' -alpha remove -alpha off \
    -colorspace sRGB -type TrueColor -sampling-factor 1x1 -quality 90 -strip \
    "$out/form1-background.jpg"

# Icons: straight from the vector sources at each size, alpha kept.
icon() { # icon SOURCE SIZE OUTPUT
    rsvg-convert --width "$2" --height "$2" "$src/$1" -o "$tmp/icon.png"
    convert "$tmp/icon.png" -strip -define png:exclude-chunks=date,time "PNG32:$out/$3"
}
icon icon-main.svg 48 icon-main-48.png
icon icon-main.svg 32 icon-main-32.png
icon icon-results.svg 32 icon-results-32.png

echo "made: $(cd "$out" && echo form1-background.jpg icon-main-48.png icon-main-32.png icon-results-32.png)"
