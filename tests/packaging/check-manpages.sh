#!/bin/sh
# The installed manual pages, English and Russian: each is gzipped, groff
# formats it with no warning on every device man-db formats for, it reads in
# every character set man-db shows it in, and its NAME line gives mandb a
# whatis entry. The English page is shown in any locale, so it is written in
# ASCII and formats for the ascii and latin1 devices too; the Russian page is
# shown in Russian locales, whose character sets man-db reaches by converting
# the utf8 device's output, letters it cannot spell transliterated.
# Skips (77) where groff or lexgrog (man-db) is not installed.
#   check-manpages.sh STAGE_DIR
set -eu
for tool in groff lexgrog iconv; do
  command -v $tool >/dev/null 2>&1 || { echo "$tool not installed"; exit 77; }
done
fail() { echo "FAIL: $*"; exit 1; }
formats_cleanly() { # PAGE DEVICE
  warnings=$(gzip -dc "$1" | groff -man -ww -z -K utf8 -T"$2" 2>&1)
  [ -z "$warnings" ] || { printf '%s\n' "$warnings"; fail "groff -T$2 warns about $1"; }
}
english=$1/usr/share/man/man1/fraction-trainer.1.gz
russian=$1/usr/share/man/ru/man1/fraction-trainer.1.gz
for page in "$english" "$russian"; do
  gzip -t "$page" || fail "$page is not gzipped"
  formats_cleanly "$page" utf8
  whatis=$(lexgrog "$page") || fail "no whatis entry in $page"
  case "$whatis" in
    *'"fraction-trainer - '?*) echo "$whatis" ;;
    *) fail "the whatis entry of $page does not name fraction-trainer: $whatis" ;;
  esac
done
! gzip -dc "$english" | LC_ALL=C grep -n '[^ -~]' || fail "the English page is not ASCII"
formats_cleanly "$english" ascii
formats_cleanly "$english" latin1
shown=$(gzip -dc "$russian" | groff -man -K utf8 -Tutf8 2>/dev/null | sed 's/.\x08//g')
for charset in KOI8-R CP1251 ISO-8859-5; do
  converted=$(printf '%s\n' "$shown" | iconv -f UTF-8 -t "$charset//TRANSLIT" | iconv -f "$charset" -t UTF-8)
  [ "$(printf '%s' "$converted" | tr -cd '?' | wc -c)" -eq "$(printf '%s' "$shown" | tr -cd '?' | wc -c)" ] ||
    fail "the Russian page loses letters in $charset"
done
echo "both pages read in ASCII, Latin-1, UTF-8 and the Russian character sets"
