# Sourced by the build scripts: the WebAssembly build in build-wasm/, from
# which both the engine's tests under node and the page are made.
# The optimizer of Debian's emscripten needs Debian's acorn, which a node from
# elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# wasm_configure: configures build-wasm/ once; a later build re-runs CMake by
# itself where a CMakeLists.txt changed.
wasm_configure() {
  [ -f build-wasm/CMakeCache.txt ] && return 0
  emcmake cmake -S . -B build-wasm -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
}
