#!/usr/bin/env bash
# A short scripted session under valgrind's memcheck: the random pupil (a few
# hundred actions on the real windows, offscreen) and a whole run answered
# right. Exits non-zero when memcheck reports an invalid access or a use of
# uninitialised memory; leaks are not counted (Qt and fontconfig keep their
# caches to the end).
#   bash bench/memcheck.sh [BUILD]      BUILD: a build folder with the tests (build/)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
tests="$build/tests/window_tests"
[ -x "$tests" ] || { echo "memcheck.sh: build the tests first ($tests)" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "memcheck.sh: needs valgrind" >&2; exit 2; }

log="$build/memcheck.log"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 TRAINER_PUPIL_ACTIONS=${TRAINER_PUPIL_ACTIONS:-400} \
  valgrind --tool=memcheck --error-exitcode=99 --leak-check=no --track-origins=yes \
  --num-callers=30 --log-file="$log" \
  "$tests" --gtest_filter='RandomPupil.*:MainWindow.AWholeRun*' && status=0 || status=$?
grep -E "ERROR SUMMARY" "$log" | tail -1
if [ "$status" -eq 99 ]; then
  echo "memcheck.sh: memcheck found errors; see $log" >&2
  exit 1
fi
exit "$status"
