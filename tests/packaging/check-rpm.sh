#!/bin/sh
# Builds the RPM package from the build tree and checks that it installs the
# same files as the Debian package in DEB_DIR (but for the Debian changelog),
# owns no directory but its documentation folder, marks the licence, has a
# changelog of this version, and requires the Qt libraries by soname and the
# fonts by their RPM names, never by a Debian package name. Skips (77) where
# rpmbuild is not installed.
#   check-rpm.sh CPACK BUILD_DIR DEB_DIR OUT_DIR
set -eu
cpack=$1 build=$2 debdir=$3 out=$4
command -v rpmbuild >/dev/null 2>&1 || { echo "rpmbuild not installed"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$out"
"$cpack" --config "$build/CPackConfig.cmake" -G RPM -B "$out" >"$out.log" 2>&1 ||
  { cat "$out.log"; fail "cpack failed"; }
set -- "$out"/fraction-trainer-*.rpm
[ $# -eq 1 ] && [ -f "$1" ] || fail "no single fraction-trainer-*.rpm in $out"
rpm=$1
set -- "$debdir"/fraction-trainer_*.deb
[ -f "$1" ] || fail "no Debian package in $debdir to compare with"
deb=$1

q() { rpm -qp --nosignature "$@" "$rpm"; }
files=$(q --qf '[%{FILEMODES:perms} %{FILENAMES}\n]')
packaged=$(echo "$files" | awk '$1 !~ /^d/ { print $2 }' | LC_ALL=C sort)
debian=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\.||' |
  grep -vx /usr/share/doc/fraction-trainer/changelog.gz | LC_ALL=C sort)
if [ "$packaged" != "$debian" ]; then
  printf 'rpm:\n%s\n\ndeb:\n%s\n' "$packaged" "$debian"
  fail "the two packages install different files"
fi
owned=$(echo "$files" | awk '$1 ~ /^d/ { print $2 }')
[ "$owned" = /usr/share/doc/fraction-trainer ] ||
  fail "the package owns directories other than its documentation folder: $owned"
[ "$(q --licensefiles)" = /usr/share/doc/fraction-trainer/copyright ] ||
  fail "the licence is not marked as such"
[ -z "$(q --qf '[%{PREFIXES}\n]')" ] || fail "the package is relocatable"

version=$(q --qf '%{VERSION}-%{RELEASE}')
case "$(q --qf '%{CHANGELOGNAME}')" in
  *" - $version") ;;
  *) fail "the changelog's last entry is not of version $version" ;;
esac

requires=$(q --requires)
echo "Requires:"; echo "$requires"
for r in 'font(liberationsans)' 'libQt6Widgets.so.6()(64bit)' \
         'libQt6Gui.so.6()(64bit)' 'libQt6Core.so.6()(64bit)'; do
  echo "$requires" | grep -qxF "$r" || fail "no requirement of $r"
done
! echo "$requires" | grep -E '^(fonts-|libqt6|qt6-)' || fail "a Debian package name is required"
echo "$(basename "$rpm"): $(echo "$packaged" | wc -l) files, as in $(basename "$deb")"
