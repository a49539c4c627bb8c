#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source package, once:
#   bash packaging/windows/build-qt.sh CACHE_DIR
# and prints the Qt prefix on its last line of stdout; with --find before
# CACHE_DIR it only prints the prefix of a finished build, or fails. The prefix's name
# carries a key of everything that changes what is built (the source version,
# the compiler, the toolchain file, the options below, the licence collector),
# so that a change builds anew beside the old prefix; and a prefix exists only
# once its build has finished, for the build runs in a scratch folder that is
# renamed into place at the very end.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
find_only=no
if [ "${1:-}" = --find ]; then
  find_only=yes
  shift
fi
cache=${1:?usage: build-qt.sh [--find] CACHE_DIR}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

# Only what the program and its tests use: Core, Gui, Widgets, Test, the
# Windows and offscreen platform plugins. OpenGL stays on: without it the
# Windows platform plugin of this version does not build. Debian's source
# leaves out the tablet header, so there are no tablet events.
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  -DFEATURE_sql_sqlite=OFF -DFEATURE_testlib_selfcover=OFF
)

# The host Qt gives the tools (moc, rcc, uic) and must be the same version.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
key=$( { echo "$version"; echo "$compiler"; printf '%s\n' "${options[@]}";
         cat "$here/mingw-w64.cmake" "$here/collect-licences.py"; } | sha256sum | cut -c1-12)
prefix="$cache/qt-${version%%+*}-mingw-$key"
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
  echo "$prefix"
  exit 0
fi
[ "$find_only" = no ] || exit 1

scratch=$(mktemp -d "$cache/.qt-build.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
echo "Building Qt $version for Windows in $scratch (about 25 minutes on two cores)" >&2
(cd "$scratch" && apt-get source -qq --only-source "qt6-base=$version" >&2)
source_dir=$(find "$scratch" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

cmake -S "$source_dir" -B "$scratch/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$scratch/prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" \
  >"$scratch/configure.log" 2>&1 || { tail -n 40 "$scratch/configure.log" >&2; exit 1; }
# A failed build leaves its log beside the cache, and says what failed.
if ! cmake --build "$scratch/build" -j"$(nproc)" >"$scratch/build.log" 2>&1; then
  cp "$scratch/build.log" "$cache/qt-build-failed.log"
  grep -A 12 '^FAILED:' "$scratch/build.log" | head -n 60 >&2
  echo "build-qt.sh: the Qt build failed; its log is $cache/qt-build-failed.log" >&2
  exit 1
fi
cmake --install "$scratch/build" >/dev/null
# Where the libraries came from, and the licences of what they carry inside,
# for the notices that ship with them.
echo "$version" >"$scratch/prefix/debian-source-version"
/usr/bin/python3 "$here/collect-licences.py" "$source_dir" "$scratch/prefix/licenses"
mv "$scratch/prefix" "$prefix"
echo "$prefix"
