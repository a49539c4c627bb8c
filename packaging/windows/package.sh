#!/usr/bin/env bash
# Makes the Windows installer and the portable copy from a cross-built tree:
#   bash packaging/windows/package.sh BUILD_DIR
# into BUILD_DIR: fraction-trainer-VERSION-setup.exe and
# fraction-trainer-VERSION-windows-x64.zip. Fails when a staged program or
# library needs a DLL that is neither staged nor part of Windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: package.sh BUILD_DIR}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage="$build/stage"
name="fraction-trainer-$version"

rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >/dev/null
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# Everything a staged binary imports is staged or comes with Windows.
system_dlls='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|advapi32|comdlg32|imm32|winmm|ws2_32|uxtheme|dwmapi|shcore|wtsapi32|version|netapi32|userenv|shlwapi|setupapi|mpr|d3d9|d3d11|d3d12|dxgi|dwrite|d2d1|opengl32|authz|wtsapi32|msvcrt|api-ms-win-[a-z0-9-]+)\.dll$'
missing=0
while IFS= read -r binary; do
  while IFS= read -r dll; do
    lower=$(printf '%s' "$dll" | tr 'A-Z' 'a-z')
    if ! printf '%s' "$lower" | grep -Eq "$system_dlls" &&
       [ -z "$(find "$stage" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      echo "package.sh: ${binary#"$stage"/} needs $dll, which is not in the package" >&2
      missing=1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$stage" -name '*.exe' -o -name '*.dll')
[ "$missing" -eq 0 ]
# The program file carries its icon and its version information.
resources=$(wrestool -l "$stage/fraction-trainer.exe")
for kind in group_icon version; do
  grep -q "type=$kind " <<<"$resources" ||
    { echo "package.sh: fraction-trainer.exe has no $kind resource" >&2; exit 1; }
done

# The installer's file lists: what to put where, and what to take away again
# (files first, then their folders, deepest first, each only when empty).
install_list="$build/installer-files.nsh"
remove_list="$build/installer-remove.nsh"
: >"$install_list"
: >"$remove_list"
win() { printf '%s' "$1" | tr '/' '\\'; }
while IFS= read -r dir; do
  rel=${dir#"$stage"}
  echo "SetOutPath \"\$INSTDIR$(win "$rel")\"" >>"$install_list"
  find "$dir" -maxdepth 1 -type f | LC_ALL=C sort | while IFS= read -r file; do
    echo "File \"$file\"" >>"$install_list"
    echo "Delete \"\$INSTDIR$(win "${file#"$stage"}")\"" >>"$remove_list"
  done
done < <(find "$stage" -type d | LC_ALL=C sort)
find "$stage" -mindepth 1 -type d | LC_ALL=C sort -r | while IFS= read -r dir; do
  echo "RMDir \"\$INSTDIR$(win "${dir#"$stage"}")\"" >>"$remove_list"
done

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DFILES="$install_list" -DREMOVE="$remove_list" \
  -DICON="$build/packaging/windows/fraction-trainer.ico" -DLICENSE="$stage/LICENSE.txt" \
  -DOUTFILE="$build/$name-setup.exe" "$here/installer.nsi"

# The portable copy: the same files in one folder of the .zip; qt.conf makes
# Qt look for its plugins and translations beside the program.
rm -rf "$build/portable" "$build/$name-windows-x64.zip"
mkdir -p "$build/portable"
cp -a "$stage" "$build/portable/$name"
(cd "$build/portable" && zip -q -9 -r -X "$build/$name-windows-x64.zip" "$name")
rm -rf "$build/portable"

for f in "$build/$name-setup.exe" "$build/$name-windows-x64.zip"; do
  echo "made: ${f#"$PWD"/} ($(du -k "$f" | cut -f1) KiB)"
done
