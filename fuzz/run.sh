#!/usr/bin/env bash
# Builds the number reader's fuzz target with clang in build-fuzz/ and runs it
# for SECONDS (default 30) on the seed corpus in fuzz/corpus/ and fresh
# inputs. New interesting inputs go to build-fuzz/corpus/, a failing input to
# build-fuzz/artifacts/. Exits non-zero when a check fails or the build does.
#   bash fuzz/run.sh 30
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRAINER_FUZZ=ON -DTRAINER_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target number_reader_fuzz -j"$jobs"

mkdir -p "$build/corpus" "$build/artifacts"
log="$build/fuzz.log"
echo "Fuzzing the number reader for $seconds s (log: $log)"
status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/fuzz/number_reader_fuzz" \
  -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
  -dict=fuzz/number.dict -artifact_prefix="$build/artifacts/" -print_final_stats=1 \
  "$build/corpus" fuzz/corpus >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  echo "fuzz/run.sh: the number reader failed a check; the input is in $build/artifacts/" >&2
  exit "$status"
fi
grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)' "$log"
