#!/usr/bin/env bash
# Builds the fraction trainer on Debian 12 and then opens it or tests it:
#   bash build.sh run      build, then open the program
#   bash build.sh test     build, then run every test (also in a sanitizer
#                          build and in WebAssembly, and the page's in four
#                          browser engines), then the Windows build and its
#                          checks
#   bash build.sh web      the web page: build-web/fraction-trainer.html, one
#                          file, and build-web/site/ for a web server
#   bash build.sh windows  the Windows program, its installer and portable
#                          copy, cross-built into build-windows/
# Installs the Debian packages it needs when they are missing (as root, or
# through sudo).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run|test|web) ;;
  windows) exec bash packaging/windows/build-windows.sh ;;
  *) echo "usage: bash build.sh run|test|web|windows" >&2; exit 2 ;;
esac

packages=(cmake make)
qt=(g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2 qt6-translations-l10n)
# The program's own voice: Qt's speech module (whose CMake files ask for
# Qt's QML integration headers), its speech-dispatcher plugin, the service
# and a Russian voice.
qt+=(qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher
     speech-dispatcher-espeak-ng)
# The page: Debian's emscripten (with GoogleTest's source for the engine's
# tests), node and npm, fontTools with brotli for the fonts, rsvg-convert for
# the icons.
web=(emscripten googletest python3-fonttools python3-brotli fonts-liberation2 librsvg2-bin)
command -v node >/dev/null || web+=(nodejs)
command -v npm >/dev/null || web+=(npm)
case "$mode" in
  run) packages+=("${qt[@]}") ;;
  web) packages+=("${web[@]}") ;;
  test)
    packages+=("${qt[@]}" "${web[@]}")
    packages+=(libgtest-dev clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev valgrind lintian man-db rpm rpmlint appstream-util)
    # The page's tests in Debian's browsers.
    packages+=(chromium firefox-esr)
    packages+=(webkit2gtk-driver default-jre-headless)
    # The screen-reader tests: Orca on a private display, and what it needs.
    packages+=(orca xvfb dbus dbus-x11 at-spi2-core xdotool speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-gi gir1.2-atspi-2.0 openbox x11-utils locales)
    ;;
esac

. tools/debian-packages.sh
install_missing "${packages[@]}"

# The screen-reader tests hear Orca and the program in Russian.
if [ "$mode" = test ] && ! locale -a | grep -ix 'ru_RU.utf8' >/dev/null; then
  echo "Generating the locale ru_RU.UTF-8"
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

if [ "$mode" = web ]; then
  exec bash web/build.sh
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

if [ "$mode" = run ]; then
  exec build/app/fraction-trainer
fi

ctest --test-dir build --output-on-failure -j"$jobs"

# The engine and its tests compiled to WebAssembly and run by node.
. web/wasm-build.sh
wasm_configure
cmake --build build-wasm -j"$jobs"
ctest --test-dir build-wasm --output-on-failure -j"$jobs"

# The page, then its tests in four browser engines, headless, its voice heard
# in Chromium, and one example worked by ear with Orca in Chromium and in
# Firefox.
bash web/build.sh
(cd web && npm test)
# The page's own voice, heard in Chromium through a private speech service.
bash tests/voice/with-voice-capture.sh build-web/voice-heard.txt \
  env TRAINER_VOICE_CAPTURE=build-web/voice-heard.txt node --test web/tests/voice.mjs
for browser in chromium firefox; do
  python3 tests/screenreader/check_scenario.py --web="$browser" tests/screenreader/web-example.scenario \
    build-web/fraction-trainer.html
done

# The answer-box number reader under libFuzzer, briefly; and a short session
# under valgrind's memcheck.
bash fuzz/run.sh 30
bash bench/memcheck.sh build

# The same tests with AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTRAINER_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

# The Windows build, its tests under Wine, its installer and portable copy.
bash packaging/windows/build-windows.sh check
