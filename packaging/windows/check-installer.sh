#!/usr/bin/env bash
# The installer and the portable copy under Wine, in a fresh prefix of their
# own, on the display that check.sh started (DISPLAY):
#   bash packaging/windows/check-installer.sh BUILD_DIR
# - the silent install puts the program into Program Files, its Start-menu
#   entry and its entry in the list of installed programs;
# - the installed program shows its main window (screenshots in
#   BUILD_DIR/checks/), and one example worked by keyboard with a wrong
#   number for every step shows on the screen what it shows on Linux: the
#   number read and «- ошибка» beside every step, and in the results window
#   one example solved, seven errors, one on each typed step and none on
#   step 8;
# - the silent uninstall leaves the prefix's files as they were before;
# - the portable copy runs from a folder of its own and writes nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$(cd "${1:?usage: check-installer.sh BUILD_DIR}" && pwd)
: "${DISPLAY:?check-installer.sh needs a display (check.sh starts one)}"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup="$build/fraction-trainer-$version-setup.exe"
zip="$build/fraction-trainer-$version-windows-x64.zip"
out="$build/checks"
rm -rf "$out"
mkdir -p "$out"

export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=d'
program_pid=
# Stops the program started last, by its PID, within ten seconds.
stop_program() {
  [ -n "$program_pid" ] || return 0
  kill "$program_pid" 2>/dev/null || true
  for _ in $(seq 40); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.25
  done
  ! kill -0 "$program_pid" 2>/dev/null || kill -9 "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
}
cleanup() {
  stop_program
  timeout 30 wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "check-installer.sh: $*" >&2
  exit 1
}
step() { echo "  $*"; }
# Every file of the prefix's drive C:. NSIS runs the uninstaller from a copy
# in the user's Temp folder, which cannot delete itself while it runs: that
# copy is left out.
files() {
  (cd "$WINEPREFIX/drive_c" && find . -type f | grep -v '^\./users/[^/]*/Temp/~nsu[^/]*\.tmp/' |
   LC_ALL=C sort)
}
# A value of the installed-programs entry; empty when there is none.
value() {
  /usr/bin/python3 "$here/registry-value.py" "$WINEPREFIX/system.reg" \
    'Software\Microsoft\Windows\CurrentVersion\Uninstall\FractionTrainer' "$1"
}

echo "Installer and portable copy under Wine"
timeout 180 wineboot -i
timeout 60 wineserver -w
# Wine has no Arial and no Microsoft Sans Serif: the prefix gets the faces
# the Linux build uses in their place under those names (Wine's font
# replacements drew the results' bold numbers in yet another face).
/usr/bin/python3 "$here/make-test-fonts.py" "$WINEPREFIX/drive_c/windows/Fonts"
files >"$out/files-before.txt"

timeout 120 wine "$setup" /S || fail "the silent install failed"
timeout 60 wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Fraction Trainer"
for f in fraction-trainer.exe uninstall.exe qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
         libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
         translations/qtbase_ru.qm LICENSE.txt licenses/Qt.txt; do
  [ -f "$installed/$f" ] || fail "the install has no $f"
done
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Сложение и вычитание обыкновенных дробей.lnk"
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(value DisplayName)" = "Сложение и вычитание обыкновенных дробей" ] ||
  fail "the installed-programs entry is named «$(value DisplayName)»"
[ "$(value DisplayVersion)" = "$version" ] || fail "the entry has version «$(value DisplayVersion)»"
[ -n "$(value Publisher)" ] || fail "the entry has no publisher"
[ "$(value DisplayIcon)" = 'C:\Program Files\Fraction Trainer\fraction-trainer.exe,0' ] ||
  fail "the entry's icon is «$(value DisplayIcon)»"
step "silent install: program, Start-menu entry and installed-programs entry are there"

# Installing again, as an update does, removes the copy there first and
# leaves the same files.
files >"$out/files-installed.txt"
timeout 120 wine "$setup" /S || fail "installing over the installed copy failed"
timeout 60 wineserver -w
files >"$out/files-reinstalled.txt"
diff -u "$out/files-installed.txt" "$out/files-reinstalled.txt" >"$out/reinstall.diff" ||
  fail "installing over the installed copy left other files (checks/reinstall.diff)"
[ "$(value DisplayVersion)" = "$version" ] || fail "the entry is gone after installing again"
step "installing again over it: the same files, one entry"

# Waits up to $2 seconds for a window whose title matches $1; prints its id.
window() {
  local id
  for _ in $(seq $(( $2 * 4 ))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || true
    [ -z "$id" ] || { echo "$id"; return 0; }
    sleep 0.25
  done
  return 1
}
# The screen position of a window's client area: the X window is the client
# area when Wine draws no frame; otherwise the frame is cut off evenly.
client() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$((X + (WIDTH - $2) / 2)) $((Y + HEIGHT - $3 - (WIDTH - $2) / 2))"
}

(cd "$installed" && exec wine ./fraction-trainer.exe) >"$out/program.log" 2>&1 &
program_pid=$!
main=$(window 'обыкновенных дробей' 60) || fail "the installed program showed no window"
sleep 2
import -window root "$out/start.png"
read -r mx my < <(client "$main" 706 487)
step "the main window is up (client area at $mx,$my); screenshot checks/start.png"

# Esc starts the run; every step gets 0, which is never right; Enter judges
# it and moves on, after step 7 to «Ещё пример»; Tab goes on to «Результат».
xdotool mousemove $((mx + 300)) $((my + 100))
timeout 10 xdotool windowactivate --sync "$main" 2>/dev/null ||
  timeout 10 xdotool windowfocus --sync "$main" || true
sleep 0.5
xdotool key Escape
sleep 1
for _ in 1 2 3 4 5 6 7; do
  xdotool type --delay 50 0
  xdotool key Return
  sleep 0.5
done
sleep 1
import -window root "$out/example.png"
labels=()
for k in 12 13 14 15 16 17 18; do labels+=("Label$k=0"); done
for k in 19 20 21 22 23 24 25; do labels+=("Label$k=- ошибка"); done
/usr/bin/python3 "$here/check-screen.py" "$source_dir" "$out/example.png" main "$mx" "$my" \
  "${labels[@]}" || fail "the main window does not show what it shows on Linux (checks/example.png)"
step "seven wrong answers: «0» and «- ошибка» beside every step (checks/example.png)"

xdotool key Tab space
results=$(window '^Результат$' 20) || fail "«Результат» opened no window"
sleep 1.5
import -window root "$out/results.png"
read -r rx ry < <(client "$results" 450 388)
labels=(Label2=1 Label4=7 Label21=0)
for k in 14 15 16 17 18 19 20; do labels+=("Label$k=1"); done
/usr/bin/python3 "$here/check-screen.py" "$source_dir" "$out/results.png" results "$rx" "$ry" \
  "${labels[@]}" || fail "the results window does not show what it shows on Linux (checks/results.png)"
step "results: 1 example solved, 7 errors, one on each of steps 1 to 7 (checks/results.png)"

stop_program
timeout 60 wineserver -w

timeout 120 wine "C:\\Program Files\\Fraction Trainer\\uninstall.exe" /S || fail "the silent uninstall failed"
timeout 60 wineserver -w
[ -z "$(value DisplayName)" ] || fail "the installed-programs entry is still there"
files >"$out/files-after.txt"
diff -u "$out/files-before.txt" "$out/files-after.txt" >"$out/files.diff" ||
  fail "the uninstall left files behind (checks/files.diff)"
step "silent uninstall: every file and the entry are gone"

# The portable copy: unpacked anywhere, it runs, and afterwards neither its
# folder nor the prefix has a file more or less.
portable="$WINEPREFIX/drive_c/users/Public/portable"
mkdir -p "$portable"
unzip -q "$zip" -d "$portable"
folder=$(find "$portable" -mindepth 1 -maxdepth 1 -type d | head -n1)
timeout 60 wineserver -w
files >"$out/portable-before.txt"
(cd "$folder" && exec wine ./fraction-trainer.exe) >"$out/portable.log" 2>&1 &
program_pid=$!
window "обыкновенных дробей" 60 >/dev/null || fail "the portable copy showed no window"
sleep 2
import -window root "$out/portable.png"
stop_program
timeout 60 wineserver -w
files >"$out/portable-after.txt"
diff -u "$out/portable-before.txt" "$out/portable-after.txt" >"$out/portable.diff" ||
  fail "the portable copy wrote files (checks/portable.diff)"
step "portable copy: runs from its own folder (checks/portable.png) and writes nothing"
