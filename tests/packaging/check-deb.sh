#!/bin/sh
# Builds the Debian package from the build tree and checks that it holds
# exactly what the install put into STAGE_DIR plus its Debian changelog, that
# the changelog is of this version, and that it depends on Qt 6, on the font
# packages and on Qt's translations. Skips (77) where dpkg-deb is not
# installed.
#   check-deb.sh CPACK BUILD_DIR STAGE_DIR OUT_DIR
set -eu
cpack=$1 build=$2 stage=$3 out=$4
command -v dpkg-deb >/dev/null 2>&1 || { echo "dpkg-deb not installed"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out.log" 2>&1 ||
  { cat "$out.log"; fail "cpack failed"; }
set -- "$out"/fraction-trainer_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single fraction-trainer_*.deb in $out"
deb=$1

changelog=usr/share/doc/fraction-trainer/changelog.gz
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | LC_ALL=C sort)
installed=$( (cd "$stage" && find . -type f -o -type l; echo "$changelog") | sed 's|^\./||' | LC_ALL=C sort)
if [ "$packaged" != "$installed" ]; then
  printf 'package:\n%s\n\ninstall and changelog:\n%s\n' "$packaged" "$installed"
  fail "the package's files differ from the install's"
fi

version=$(dpkg-deb -f "$deb" Version)
rm -rf "$out/tree" && dpkg-deb -x "$deb" "$out/tree"
top=$(gzip -dc "$out/tree/$changelog" | head -n 1)
[ "$top" = "fraction-trainer ($version) unstable; urgency=medium" ] ||
  fail "the changelog's last entry is not of version $version: $top"

[ "$(dpkg-deb -f "$deb" Package)" = fraction-trainer ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 fonts-liberation2 qt6-translations-l10n; do
  case ", $depends," in
    *", $p "*|*", $p,"*) ;;
    *) fail "no dependency on $p" ;;
  esac
done
echo "$(basename "$deb"): $(echo "$packaged" | wc -l) files, as installed"
