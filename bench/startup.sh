#!/usr/bin/env bash
# Start-up of the program against a bare Qt 6 window of the same shape (706 x
# 487, 46 absolutely placed controls, a background picture), measured in the
# same batch and printed as ratios. Prints figures; judges nothing.
#
#   bash bench/startup.sh [BUILD]      BUILD: the program's build folder (build/)
#
# Wall times: ROUNDS rounds (3) of RUNS runs (5) of each program, taken in
# turns so that a drift of the machine's speed falls on both alike; medians of
# all runs. Instructions from exec to the first paint: CALLGRIND_RUNS (2) runs
# each under callgrind (0 skips them). SCALE (1) is the QT_SCALE_FACTOR of both
# programs: SCALE=2 is a start on a screen of device pixel ratio 2. Needs
# python3 with python3-xlib, xvfb, dbus-daemon and valgrind. The harness is
# bench/startup.py (STARTUP_BENCH), the bare window's source bench/baseline/
# (BASELINE_SRC), built in build-bench-baseline/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
harness=${STARTUP_BENCH:-bench/startup.py}
baseline_src=$(cd "${BASELINE_SRC:-bench/baseline}" && pwd)
rounds=${ROUNDS:-3}
runs=${RUNS:-5}
callgrind_runs=${CALLGRIND_RUNS:-2}
scale=${SCALE:-1}
screen=(--env QT_SCALE_FACTOR="$scale")
program="$build/app/fraction-trainer"
title='обыкновенных дробей'

[ -x "$program" ] || { echo "startup.sh: build the program first ($program)" >&2; exit 2; }
# A folder configured from another source of the bare window starts afresh.
if [ -f build-bench-baseline/CMakeCache.txt ] &&
   ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$baseline_src" build-bench-baseline/CMakeCache.txt; then
  rm -rf build-bench-baseline
fi
cmake -S "$baseline_src" -B build-bench-baseline -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench-baseline --target baseline -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
baseline=build-bench-baseline/baseline

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for round in $(seq "$rounds"); do
  echo "round $round of $rounds" >&2
  "$harness" -n "$runs" "${screen[@]}" --label baseline --title '^baseline$' --json "$out/wall-baseline-$round.json" \
    -- "$baseline" >/dev/null
  "$harness" -n "$runs" "${screen[@]}" --label trainer --title "$title" --json "$out/wall-trainer-$round.json" \
    -- "$program" >/dev/null
done
if [ "$callgrind_runs" -gt 0 ]; then
  echo "instruction counts under callgrind" >&2
  "$harness" --callgrind -n "$callgrind_runs" "${screen[@]}" --label baseline --title '^baseline$' \
    --json "$out/ir-baseline.json" -- "$baseline" >/dev/null
  "$harness" --callgrind -n "$callgrind_runs" "${screen[@]}" --label trainer --title "$title" \
    --json "$out/ir-trainer.json" -- "$program" >/dev/null
fi

python3 - "$out" "$scale" <<'EOF'
import glob, json, os, statistics, sys

out, scale = sys.argv[1], sys.argv[2]

def runs(pattern):
    found = []
    for path in sorted(glob.glob(os.path.join(out, pattern))):
        found += [r for r in json.load(open(path))["runs"] if r.get("ok") and not r.get("warmup")]
    return found

def median(rows, key):
    values = [r[key] for r in rows if r.get(key) is not None]
    return statistics.median(values) if values else None

base, ours = runs("wall-baseline-*.json"), runs("wall-trainer-*.json")
print(f"start-up at QT_SCALE_FACTOR={scale}, {len(ours)} runs of the program and {len(base)} "
      "of the bare window, medians")
print(f"{'figure':34} {'bare window':>12} {'program':>12} {'ratio':>8} {'difference':>11}")
for key, name, unit in [("map_ms", "exec to window mapped", "ms"),
                        ("paint_ms", "exec to first paint", "ms"),
                        ("hwm_mib", "peak resident memory", "MiB"),
                        ("idle_cpu_ms", "CPU in the 2 s after the map", "ms"),
                        ("late_cpu_ms", "CPU from 1 s to 2 s after map", "ms")]:
    b, o = median(base, key), median(ours, key)
    if b is None or o is None:
        continue
    ratio = f"{o / b:8.3f}" if b > 0 else f"{'-':>8}"
    print(f"{name:34} {b:9.1f} {unit:3}{o:9.1f} {unit:3}{ratio} {o - b:+8.1f} {unit}")

base_ir, ours_ir = runs("ir-baseline.json"), runs("ir-trainer.json")
def instructions(rows):
    for key in ("ir", "Ir", "instructions"):
        value = median(rows, key)
        if value is not None:
            return value
    return None
b, o = instructions(base_ir), instructions(ours_ir)
if b and o:
    print(f"{'instructions, exec to first paint':34} {b / 1e6:9.1f} M  {o / 1e6:9.1f} M  {o / b:8.3f}")
EOF
