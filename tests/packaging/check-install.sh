#!/bin/sh
# Installs the build into a temporary DESTDIR under /usr, as the Debian package
# does, and checks that it holds exactly the program's files and that they
# name each other consistently.
#   check-install.sh CMAKE BUILD_DIR STAGE_DIR
set -eu
cmake=$1 build=$2 stage=$3
id=org.fractiontrainer.FractionTrainer

rm -rf "$stage"
DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*"; exit 1; }

expected="usr/bin/fraction-trainer
usr/share/applications/$id.desktop
usr/share/doc/fraction-trainer/copyright
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/fraction-trainer.1.gz
usr/share/man/ru/man1/fraction-trainer.1.gz
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$stage" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  printf 'installed:\n%s\n\nexpected:\n%s\n' "$actual" "$expected"
  fail "the install does not hold exactly the program's files"
fi

[ -x "$stage/usr/bin/fraction-trainer" ] || fail "the program is not executable"

desktop="$stage/usr/share/applications/$id.desktop"
metainfo="$stage/usr/share/metainfo/$id.metainfo.xml"
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec)" = fraction-trainer ] || fail "Exec is not the installed program"
[ "$(entry Icon)" = "$id" ] || fail "Icon is not the installed icon's name"
[ "$(entry Name)" = "Сложение и вычитание обыкновенных дробей" ] ||
  fail "Name is not the main window's caption"
for category in Education Math; do
  case ";$(entry Categories)" in
    *";$category;"*) ;;
    *) fail "Categories lack $category" ;;
  esac
done
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "project licence"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || fail "metadata licence"
grep -q '^MIT License' "$stage/usr/share/doc/fraction-trainer/copyright" || fail "licence text"

# The PNG icons are the sizes their folders say.
for size in 32 48; do
  header=$(od -An -tx1 -j16 -N8 "$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | tr -d ' \n')
  want=$(printf '%08x%08x' "$size" "$size")
  [ "$header" = "$want" ] || fail "the ${size}x$size icon is not $size pixels square"
done
echo "installed: $(echo "$expected" | wc -l) files"
