#!/bin/sh
# The installed manual pages, English and Russian: each is gzipped, groff
# formats it with no warning, and its NAME line gives mandb a whatis entry.
# Skips (77) where groff or lexgrog (man-db) is not installed.
#   check-manpages.sh STAGE_DIR
set -eu
for tool in groff lexgrog; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
for page in "$1"/usr/share/man/man1/fraction-trainer.1.gz "$1"/usr/share/man/ru/man1/fraction-trainer.1.gz; do
  gzip -t "$page" || fail "$page is not gzipped"
  warnings=$(gzip -dc "$page" | groff -man -ww -z -K utf8 -Tutf8 2>&1)
  [ -z "$warnings" ] || { printf '%s\n' "$warnings"; fail "groff warns about $page"; }
  whatis=$(lexgrog "$page") || fail "no whatis entry in $page"
  case "$whatis" in
    *'"fraction-trainer - '?*) echo "$whatis" ;;
    *) fail "the whatis entry of $page does not name fraction-trainer: $whatis" ;;
  esac
done
