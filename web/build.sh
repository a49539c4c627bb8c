#!/usr/bin/env bash
# The web page, made into build-web/ (build.sh calls this for "web"):
#   fraction-trainer.html   one self-contained file: engine, script, styles,
#                           the window picture, the icons and the fonts
#   site/                   the same page for a web server, with a manifest
#                           and a service worker, to install and use offline
# Needs emscripten, node and npm, python3's fontTools with brotli, the
# Liberation fonts and rsvg-convert; build.sh installs them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build-web}
jobs=$(nproc 2>/dev/null || echo 2)

. web/wasm-build.sh
wasm_configure
cmake --build build-wasm -j"$jobs" --target trainer-module page-data

obj="$out/obj"
mkdir -p "$obj"
node build-wasm/web/page-data.js > "$obj/page-data.json"
/usr/bin/python3 web/tools/subset-fonts.py "$obj/page-data.json" assets/form1-background.svg "$obj"
for size in 192 512; do
  rsvg-convert --width "$size" --height "$size" assets/icon-main.svg -o "$obj/icon-main-$size.png"
done

(cd web && { [ node_modules/.package-lock.json -nt package-lock.json ] || PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund; } && npm run --silent check)
node web/tools/make-page.mjs --data "$obj/page-data.json" --module build-wasm/web/trainer-module.wasm \
  --fonts "$obj" --icons "$obj" --root . --out "$out"
echo "made: $out/fraction-trainer.html ($(stat -c %s "$out/fraction-trainer.html") bytes) and $out/site/"
