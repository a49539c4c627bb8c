#!/bin/sh
# The installed desktop entry passes desktop-file-validate with nothing to say.
# Skips (77) where desktop-file-utils is not installed.
#   check-desktop-entry.sh STAGE_DIR
set -eu
command -v desktop-file-validate >/dev/null 2>&1 || { echo "desktop-file-validate not installed"; exit 77; }
out=$(desktop-file-validate "$1"/usr/share/applications/*.desktop 2>&1) || { printf '%s\n' "$out"; exit 1; }
if [ -n "$out" ]; then
  printf '%s\n' "$out"
  echo "FAIL: desktop-file-validate has remarks"
  exit 1
fi
echo "desktop-file-validate: no remarks"
