#!/bin/sh
# Debian's lintian finds no error and no warning in the Debian package in
# DEB_DIR; what it has to say besides is shown. Skips (77) where lintian is
# not installed.
#   check-lintian.sh DEB_DIR
set -eu
command -v lintian >/dev/null 2>&1 || { echo "lintian not installed"; exit 77; }
set -- "$1"/fraction-trainer_*.deb
[ -f "$1" ] || { echo "FAIL: no Debian package"; exit 1; }
lintian --fail-on error,warning --display-info --pedantic "$1" || { echo "FAIL: lintian"; exit 1; }
echo "lintian: no error, no warning"
