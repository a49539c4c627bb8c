#!/bin/sh
# Started with no display, the program says so in one line and exits with 1.
program=$1
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
printf '%s\n' "$out"
[ "$status" -eq 1 ] || { echo "exit status $status, not 1"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "more than one line"; exit 1; }
case "$out" in
  *"no graphical display"*) exit 0 ;;
esac
echo "the line does not say that the display is missing"
exit 1
