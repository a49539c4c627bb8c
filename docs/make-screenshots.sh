#!/usr/bin/env bash
# Remakes docs/main-window.png, docs/results-window.png and docs/page-phone.png
# with the program and the page
# themselves, on a virtual X display (needs the xvfb package and a built tree:
# bash build.sh test, or cmake --build build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target trainer-screenshots
xvfb-run -a -s "-screen 0 1024x768x24" build/tools/trainer-screenshots docs
# The page on a phone, in Chromium (after bash build.sh web, or test).
node web/tools/screenshots.mjs docs
