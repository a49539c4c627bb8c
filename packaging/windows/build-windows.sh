#!/usr/bin/env bash
# The Windows program, cross-built on Debian 12 (build.sh calls this):
#   bash packaging/windows/build-windows.sh          build, installer, .zip
#   bash packaging/windows/build-windows.sh check    the same, then every
#                                                    Windows check under Wine
# Qt for Windows is built once into ${XDG_CACHE_HOME:-~/.cache}/fraction-trainer
# (see build-qt.sh); everything else goes into build-windows/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."
mode=${1:-build}

packages=(cmake ninja-build make perl dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools
          qt6-translations-l10n g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
          mingw-w64-tools binutils-mingw-w64-x86-64 googletest nsis zip librsvg2-bin
          imagemagick icoutils fonts-liberation2 fonts-dejavu-core)
if [ "$mode" = check ]; then
  packages+=(wine wine64 xvfb xdotool x11-utils python3 python3-fonttools unzip)
fi
. "$here/../../tools/debian-packages.sh"
install_missing "${packages[@]}"
updated=$apt_updated

cache="${XDG_CACHE_HOME:-$HOME/.cache}/fraction-trainer"
if ! qt=$(bash "$here/build-qt.sh" --find "$cache"); then
  # Qt's source comes from Debian's source archive of bookworm.
  if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding Debian's bookworm source archive to apt's sources"
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
      'Suites: bookworm bookworm-updates' 'Components: main' \
      'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' '' \
      'Types: deb-src' 'URIs: http://deb.debian.org/debian-security' \
      'Suites: bookworm-security' 'Components: main' \
      'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
      as_root tee /etc/apt/sources.list.d/fraction-trainer-sources.sources >/dev/null
    updated=no
  fi
  [ "$updated" = yes ] || apt_get update -qq
  start=$(date +%s)
  qt=$(bash "$here/build-qt.sh" "$cache" | tail -n1)
  echo "Qt for Windows built in $(( ($(date +%s) - start) / 60 )) min: $qt"
fi

jobs=$(nproc 2>/dev/null || echo 2)
# A build made with another Qt starts afresh: CMake keeps where it found Qt.
if [ -f build-windows/CMakeCache.txt ] &&
   ! grep -qxF "CMAKE_FIND_ROOT_PATH:UNINITIALIZED=$qt" build-windows/CMakeCache.txt; then
  rm -rf build-windows
fi
cmake -S . -B build-windows -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-windows -j"$jobs"
bash "$here/package.sh" build-windows

if [ "$mode" = check ]; then
  bash "$here/check.sh" build-windows
fi
