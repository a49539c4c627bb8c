#!/usr/bin/env bash
# Builds the fraction trainer on Debian 12 and then opens it or tests it:
#   bash build.sh run      build, then open the program
#   bash build.sh test     build, then run every test (also in a sanitizer
#                          build), then the Windows build and its checks
#   bash build.sh windows  the Windows program, its installer and portable
#                          copy, cross-built into build-windows/
# Installs the Debian packages it needs when they are missing (as root, or
# through sudo).
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-}
case "$mode" in
  run|test) ;;
  windows) exec bash packaging/windows/build-windows.sh ;;
  *) echo "usage: bash build.sh run|test|windows" >&2; exit 2 ;;
esac

packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2 qt6-translations-l10n)
if [ "$mode" = test ]; then
  packages+=(libgtest-dev clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev valgrind lintian man-db rpm rpmlint appstream-util)
  # The screen-reader test: Orca on a private display, and what it needs.
  packages+=(orca xvfb dbus dbus-x11 at-spi2-core xdotool speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-gi gir1.2-atspi-2.0 openbox x11-utils locales)
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The screen-reader test hears Orca and the program in Russian.
if [ "$mode" = test ] && ! locale -a | grep -ix 'ru_RU.utf8' >/dev/null; then
  echo "Generating the locale ru_RU.UTF-8"
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo[@]}" locale-gen >/dev/null
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

if [ "$mode" = run ]; then
  exec build/app/fraction-trainer
fi

ctest --test-dir build --output-on-failure -j"$jobs"

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
