#!/usr/bin/env bash
# Start-up of the Windows program under Wine against the bare Qt window of the
# same shape, cross-built the same way with the same Qt, in the same batch,
# as a ratio. Prints figures; judges nothing.
#   bash packaging/windows/startup.sh [BUILD_DIR]    (build-windows/)
# ROUNDS rounds (3) of RUNS runs (5) of each program, in turns; medians of all
# runs. Both run from the build tree through the same Wine wrapper, in a
# prefix of their own with the faces that the installer check gives its own. The
# harness is bench/startup.py (STARTUP_BENCH), the bare window's source
# bench/baseline/ (BASELINE_SRC).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/../.."
build=$(cd "${1:-build-windows}" && pwd)
harness=${STARTUP_BENCH:-bench/startup.py}
baseline_src=$(cd "${BASELINE_SRC:-bench/baseline}" && pwd)
rounds=${ROUNDS:-3}
runs=${RUNS:-5}

qt=$(sed -n 's/^CMAKE_FIND_ROOT_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
# A folder configured from another source of the bare window starts afresh.
if [ -f "$build/baseline/CMakeCache.txt" ] &&
   ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$baseline_src" "$build/baseline/CMakeCache.txt"; then
  rm -rf "$build/baseline"
fi
cmake -S "$baseline_src" -B "$build/baseline" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" -DCMAKE_FIND_ROOT_PATH="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/baseline" --target baseline >/dev/null

prefix="$build/wine-bench"
if [ ! -f "$prefix/system.reg" ]; then
  WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=d' \
    timeout 180 wineboot -i
  /usr/bin/python3 "$here/make-test-fonts.py" "$prefix/drive_c/windows/Fonts"
  WINEPREFIX="$prefix" timeout 60 wineserver -w
fi
# The wrapper's prefix, swapped for this one.
sed "s|^export WINEPREFIX=.*|export WINEPREFIX='$prefix'|" "$build/wine-run" >"$build/wine-bench-run"

# The harness asks Qt for its X11 plugin; the Windows Qt has its own.
platform=(--env QT_QPA_PLATFORM=windows)
out=$(mktemp -d)
trap 'rm -rf "$out"; WINEPREFIX="$prefix" timeout 30 wineserver -k 2>/dev/null || true' EXIT
for round in $(seq "$rounds"); do
  echo "round $round of $rounds" >&2
  "$harness" -n "$runs" "${platform[@]}" --label baseline --title '^baseline$' --json "$out/baseline-$round.json" \
    -- sh "$build/wine-bench-run" "$build/baseline/baseline.exe" >/dev/null
  "$harness" -n "$runs" "${platform[@]}" --label trainer --title 'обыкновенных дробей' --json "$out/trainer-$round.json" \
    -- sh "$build/wine-bench-run" "$build/app/fraction-trainer.exe" >/dev/null
done

/usr/bin/python3 - "$out" "$rounds" <<'EOF'
import json, pathlib, statistics, sys
out, rounds = pathlib.Path(sys.argv[1]), int(sys.argv[2])
def runs(label):
    result = []
    for r in range(1, rounds + 1):
        result += [run for run in json.loads((out / f"{label}-{r}.json").read_text())["runs"]
                   if run.get("ok") and not run.get("warmup")]
    return result
def median(label, key):
    values = [run[key] for run in runs(label) if run.get(key) is not None]
    return statistics.median(values) if values else None
print("| under Wine | bare window | trainer | ratio |")
print("|---|---|---|---|")
for key, name, unit in (("map_ms", "exec to map", "ms"), ("paint_ms", "exec to first paint", "ms"),
                        ("hwm_mib", "peak resident memory", "MiB")):
    b, t = median("baseline", key), median("trainer", key)
    if b and t:
        print(f"| {name} | {b:.1f} {unit} | {t:.1f} {unit} | {t / b:.2f} |")
EOF
