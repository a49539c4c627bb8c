#!/bin/sh
# rpmlint, set up as an RPM distribution sets it up (CONFIG), finds nothing in
# the RPM package in RPM_DIR but the missing signature, which is the
# distributor's to add. Skips (77) where rpmlint is not installed.
#   check-rpmlint.sh CONFIG RPM_DIR
set -eu
config=$1
command -v rpmlint >/dev/null 2>&1 || { echo "rpmlint not installed"; exit 77; }
set -- "$2"/fraction-trainer-*.rpm
[ -f "$1" ] || { echo "FAIL: no RPM package"; exit 1; }
report=$(rpmlint -c "$config" "$1" 2>&1) || true
printf '%s\n' "$report"
findings=$(printf '%s\n' "$report" | grep -E '^[^ ]+: [EW]: ' | grep -v ': E: no-signature$' || true)
[ -z "$findings" ] || { echo "FAIL: rpmlint has more to say than the missing signature"; exit 1; }
printf '%s\n' "$report" | grep -q ' 1 errors, 0 warnings' ||
  { echo "FAIL: rpmlint's summary is not the one missing signature"; exit 1; }
echo "rpmlint: only the missing signature"
